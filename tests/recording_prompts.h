#pragma once

#include "user_prompts.h"

#include <QDialog>
#include <QStringList>

#include <functional>

// Stands in for every modal prompt, so no test waits on a modal loop: notes
// what was shown or opened, answers Open with a scripted path, and hands a
// dialog to meetDialog for a step to act on.
struct RecordingPrompts : UserPrompts {
    void showMessage(
        Icon icon, const QString& caption, const QString& text, const QString& informative) override
    {
        static const char* const icons[] = {"stop", "information", "exclamation"};
        log << QString("%1 | %2 | %3").arg(icons[int(icon)], caption, text)
                + (informative.isEmpty() ? QString() : " | " + informative);
    }
    QString chooseFileToOpen() override { return fileToOpen; }
    bool openUrl(const QUrl& url) override
    {
        log << "open " + url.toString();
        return urlOpens;
    }
    void runDialog(QDialog& dialog) override
    {
        log << "dialog " + dialog.windowTitle();
        meetDialog(dialog);
    }

    QStringList log;
    QString fileToOpen;
    bool urlOpens = true;
    std::function<void(QDialog&)> meetDialog = [](QDialog&) {};
};
