#pragma once

#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

class QLineEdit;

// The file's texts are Windows-1252 bytes; the editor shows them as Unicode.
// Both directions are lossless for every byte.
QString textOfBytes(std::string_view bytes);
// Characters the code page cannot hold become '?'; the edits never let one in.
std::string bytesOfText(const QString& text);

// Keeps of every edit, typed or pasted, the characters Windows-1252 can hold,
// as many as fit in the limit, so that every shown text can be saved as it
// stands. What it leaves out it signals as the platform signals a refused
// key, with a beep, and names in a tooltip.
class Cp1252Validator : public QValidator {
    Q_OBJECT

public:
    Cp1252Validator(int limit, QLineEdit* edit);

    State validate(QString& input, int& position) const override;

private:
    void signalLeftOut(const QString& unstorable, const QString& beyondLimit) const;

    int limit;
    QLineEdit* edit;
    // The text before the edit being judged, whose parts around the cursor stay.
    QString lastText;
};
