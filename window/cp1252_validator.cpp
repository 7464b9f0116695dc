#include "cp1252_validator.h"

#include "editing/cp1252.h"

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
    // A character outside the Basic Multilingual Plane is two surrogates, and
    // neither maps, so it can never pass as some other byte.
    for (const QChar character : text)
        bytes += static_cast<char>(editing::byteOfUnicode(character.unicode()).value_or('?'));
    return bytes;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    for (const QChar character : input) {
        if (!editing::byteOfUnicode(character.unicode()))
            return Invalid;
    }
    return Acceptable;
}
