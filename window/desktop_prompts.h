#pragma once

#include "user_prompts.h"

#include <memory>

class QFileDialog;
class QWidget;

// The real prompts: message boxes and the Open dialog owned by the main window,
// and the desktop's own handler for web pages and files.
class DesktopPrompts : public UserPrompts {
public:
    explicit DesktopPrompts(QWidget* owner);

    void showMessage(
        Icon icon, const QString& caption, const QString& text, const QString& informative) override;
    QString chooseFileToOpen() override;
    bool openUrl(const QUrl& url) override;
    void runDialog(QDialog& dialog) override;

    // The Open dialog as chooseFileToOpen runs it: character files first, a name
    // typed without a dot taken as that name with ".npf", and only existing files.
    static std::unique_ptr<QFileDialog> createOpenDialog(QWidget* owner);

private:
    // The Open dialog's second filter, which shows every file: written as the
    // platform's own dialogs write it (desktop_prompts_windows.cpp, _unix.cpp).
    static QString allFilesFilter();

    QWidget* owner;
};
