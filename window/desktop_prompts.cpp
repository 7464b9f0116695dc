#include "desktop_prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

DesktopPrompts::DesktopPrompts(QWidget* owner)
    : owner(owner)
{
}

void DesktopPrompts::showMessage(Icon icon, const QString& caption, const QString& text)
{
    QMessageBox::Icon boxIcon = QMessageBox::Critical;
    switch (icon) {
    case Icon::Stop:
        boxIcon = QMessageBox::Critical;
        break;
    case Icon::Information:
        boxIcon = QMessageBox::Information;
        break;
    case Icon::Exclamation:
        boxIcon = QMessageBox::Warning;
        break;
    }
    QMessageBox box(boxIcon, caption, text, QMessageBox::Ok, owner);
    box.exec();
}

QString DesktopPrompts::chooseFileToOpen()
{
    const QString filters = QCoreApplication::translate("DesktopPrompts", "NPF files (*.npf)")
        // "*.*" would hide every file without a dot in its name here, so all files means "*".
        + QStringLiteral(";;") + QCoreApplication::translate("DesktopPrompts", "All Files (*)");
    // The dialog only answers with files that exist.
    return QFileDialog::getOpenFileName(owner, QString(), QString(), filters);
}

void DesktopPrompts::openUrl(const QUrl& url)
{
    // Nothing to tell the user when no handler takes the page.
    QDesktopServices::openUrl(url);
}

void DesktopPrompts::runDialog(QDialog& dialog)
{
    dialog.exec();
}
