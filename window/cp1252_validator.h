#pragma once

#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

// The file's texts are Windows-1252 bytes; the editor shows them as Unicode.
// Both directions are lossless for every byte.
QString textOfBytes(std::string_view bytes);
// Characters the code page cannot hold become '?'; the edits never let one in.
std::string bytesOfText(const QString& text);

// Refuses any edit, typed or pasted, that brings in a character Windows-1252
// cannot hold, so that every shown text can be saved as it stands.
class Cp1252Validator : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
