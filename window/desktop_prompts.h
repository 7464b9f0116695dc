#pragma once

#include "user_prompts.h"

class QWidget;

// The real prompts: message boxes and the Open dialog owned by the main window,
// and the desktop's own handler for web pages and files.
class DesktopPrompts : public UserPrompts {
public:
    explicit DesktopPrompts(QWidget* owner);

    void showMessage(Icon icon, const QString& caption, const QString& text) override;
    QString chooseFileToOpen() override;
    void openUrl(const QUrl& url) override;
    void runDialog(QDialog& dialog) override;

private:
    QWidget* owner;
};
