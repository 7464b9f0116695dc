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

    virtual void showMessage(Icon icon, const QString& caption, const QString& text) = 0;
    // The path of an existing file, or an empty text when the user cancels.
    virtual QString chooseFileToOpen() = 0;
    virtual void openUrl(const QUrl& url) = 0;
    // Runs a dialog modally and returns when it has been closed.
    virtual void runDialog(QDialog& dialog) = 0;
};
