#pragma once

#include <QString>
#include <QUrl>

class QDialog;

// Everything the editor needs from the user or the desktop that would block in
// a modal loop or leave the program. The window owns one; tests put in a
// recorder with scripted answers.
class UserPrompts {
public:
    enum class Icon { Stop, Information, Exclamation };

    virtual ~UserPrompts() = default;

    // The text, and under it the informative text when there is one: the
    // reason for a failure, a note on a success.
    virtual void showMessage(
        Icon icon, const QString& caption, const QString& text, const QString& informative = {})
        = 0;
    // The path of an existing file, or an empty text when the user cancels.
    virtual QString chooseFileToOpen() = 0;
    // Whether a handler took the page or file.
    virtual bool openUrl(const QUrl& url) = 0;
    // Runs a dialog modally and returns when it has been closed.
    virtual void runDialog(QDialog& dialog) = 0;
};
