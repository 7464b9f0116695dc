#include "cp1252_validator.h"

#include "editing/cp1252.h"

#include <QApplication>
#include <QLineEdit>
#include <QToolTip>

#include <algorithm>

namespace {

bool isStorable(QChar character)
{
    // A character outside the Basic Multilingual Plane is two surrogates, and
    // neither maps, so it can never pass as some other byte.
    return editing::byteOfUnicode(character.unicode()).has_value();
}

// Enough of a left-out text to recognise it in a tooltip.
QString shortened(const QString& text)
{
    constexpr qsizetype shown = 16;
    return text.size() <= shown ? text : text.left(shown) + QChar(0x2026);
}

} // namespace

QString textOfBytes(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text += QChar(static_cast<char16_t>(editing::unicodeOfByte(static_cast<unsigned char>(byte))));
    return text;
}

std::string bytesOfText(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar character : text)
        bytes += static_cast<char>(editing::byteOfUnicode(character.unicode()).value_or('?'));
    return bytes;
}

Cp1252Validator::Cp1252Validator(int limit, QLineEdit* edit)
    : QValidator(edit)
    , limit(limit)
    , edit(edit)
    , lastText(edit->text())
{
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { lastText = text; });
}

QValidator::State Cp1252Validator::validate(QString& input, int& position) const
{
    if (input.size() <= limit && std::all_of(input.begin(), input.end(), isStorable))
        return Acceptable;
    // The edit put its new characters just before the cursor, between what it
    // kept of the last text: the same beginning and the same end.
    qsizetype tail = input.size() - position;
    if (tail > lastText.size() || input.right(tail) != lastText.right(tail))
        tail = 0; // not an insertion at the cursor: all of it is judged
    qsizetype head = 0;
    const qsizetype headLimit = std::min<qsizetype>(input.size() - tail, lastText.size() - tail);
    while (head < headLimit && input[head] == lastText[head])
        ++head;

    QString kept, unstorable, beyondLimit;
    const qsizetype room = limit - head - tail;
    for (const QChar character : input.mid(head, input.size() - tail - head)) {
        if (!isStorable(character))
            unstorable += character;
        else if (kept.size() < room)
            kept += character;
        else
            beyondLimit += character;
    }
    input = input.left(head) + kept + input.right(tail);
    position = static_cast<int>(head + kept.size());
    signalLeftOut(unstorable, beyondLimit);
    return Acceptable;
}

void Cp1252Validator::signalLeftOut(const QString& unstorable, const QString& beyondLimit) const
{
    QStringList said;
    if (!unstorable.isEmpty())
        said << tr("Left out, as Windows-1252 cannot hold them: %1").arg(shortened(unstorable));
    if (!beyondLimit.isEmpty())
        said << tr("Left out, past the %1 characters that fit: %2")
                    .arg(QString::number(limit), shortened(beyondLimit));
    if (said.isEmpty())
        return;
    QApplication::beep();
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), said.join(QLatin1Char('\n')), edit);
}
