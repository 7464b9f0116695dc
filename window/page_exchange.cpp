#include "page_exchange.h"

#include "cp1252_validator.h"
#include "field_behaviour.h"
#include "shared_texts.h"
#include "user_prompts.h"

#include "editing/messages.h"
#include "editing/text_conversions.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>

namespace messages = editing::messages;
using editing::PageValues;

namespace {

// Brings to the front the tab page that holds a control, so that it can take the focus.
void bringPageToFront(QWidget* control)
{
    for (QWidget* around = control->parentWidget(); around; around = around->parentWidget()) {
        auto* tabs = qobject_cast<QTabWidget*>(around);
        for (int page = 0; tabs && page < tabs->count(); ++page) {
            if (tabs->widget(page)->isAncestorOf(control))
                tabs->setCurrentIndex(page);
        }
    }
}

} // namespace

void PageExchange::addText(QLineEdit* edit, std::string PageValues::*value)
{
    // The edit takes no more, and no other characters, than the file can hold.
    edit->setValidator(new Cp1252Validator(textLimit, edit));
    add(edit, value);
}

void PageExchange::addInteger(QLineEdit* edit, std::int32_t PageValues::*value)
{
    add(edit, value);
}

void PageExchange::addReal(QLineEdit* edit, npf::FloatBits PageValues::*value)
{
    add(edit, value);
}

void PageExchange::add(QLineEdit* edit, Member value)
{
    showWholeTextAsToolTip(edit);
    fields.push_back({edit, value, {}, {}});
}

QList<QWidget*> PageExchange::controls() const
{
    QList<QWidget*> edits;
    for (const Field& field : fields)
        edits.append(field.edit);
    return edits;
}

void PageExchange::show(const PageValues& values)
{
    for (Field& field : fields) {
        if (const auto* text = std::get_if<std::string PageValues::*>(&field.value)) {
            field.edit->setText(textOfBytes(values.**text));
        } else if (const auto* integer = std::get_if<std::int32_t PageValues::*>(&field.value)) {
            field.edit->setText(QString::fromStdString(editing::formatInteger(values.**integer)));
        } else {
            const auto real = std::get<npf::FloatBits PageValues::*>(field.value);
            field.shownValue = values.*real;
            field.shownText = editing::formatReal(field.shownValue.value());
            field.edit->setText(QString::fromStdString(field.shownText));
        }
        // setText leaves the cursor at the end, which scrolls a long value's
        // beginning (its sign, its first digits) out of a narrow field.
        field.edit->setCursorPosition(0);
    }
}

std::optional<PageExchange::Refusal> PageExchange::readField(
    Field& field, PageValues& values, QStringList& notes) const
{
    const QString text = field.edit->text();
    if (const auto* member = std::get_if<std::string PageValues::*>(&field.value)) {
        if (text.size() > textLimit)
            return Refusal{translatedText(messages::textTooLong), {}};
        values.** member = bytesOfText(text);
        return std::nullopt;
    }
    // Only ASCII can make a number, so any other character fails whatever the encoding.
    const std::string bytes = text.toStdString();
    const auto reasonFor = [](editing::NumberRefusal refusal) {
        const char* reason = messages::reasonFor(refusal);
        return reason ? translatedText(reason) : QString();
    };
    if (const auto* member = std::get_if<std::int32_t PageValues::*>(&field.value)) {
        const auto number = editing::readInteger(bytes);
        if (!number.value)
            return Refusal{translatedText(messages::notAnInteger), reasonFor(number.refusal)};
        if (number.clamped)
            notes << translatedText(messages::storedClamped(*number.value))
                         .arg(field.edit->accessibleName(), text, QString::number(*number.value));
        values.** member = *number.value;
        return std::nullopt;
    }
    const auto member = std::get<npf::FloatBits PageValues::*>(field.value);
    const auto number = editing::readRealText(bytes, field.shownText, field.shownValue);
    if (!number)
        return Refusal{translatedText(messages::notANumber), reasonFor(editing::readReal(bytes).refusal)};
    values.*member = *number;
    return std::nullopt;
}

bool PageExchange::read(PageValues& values, UserPrompts& prompts, QStringList& notes)
{
    for (Field& field : fields) {
        const auto refusal = readField(field, values, notes);
        if (!refusal)
            continue;
        prompts.showMessage(
            UserPrompts::Icon::Exclamation, applicationTitle(), refusal->message, refusal->reason);
        bringPageToFront(field.edit);
        field.edit->setFocus(Qt::OtherFocusReason);
        field.edit->selectAll();
        return false;
    }
    return true;
}

QString applicationTitle()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}
