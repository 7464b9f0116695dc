#include "desktop_prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

class OpenDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void accept() override
    {
        // Qt gives the default suffix to every name without a dot, even to a
        // file that exists under that bare name and not with the suffix; such
        // a file is taken as it is named.
        const QString chosen = selectedFiles().value(0);
        const QString suffix = QLatin1Char('.') + defaultSuffix();
        if (chosen.endsWith(suffix) && !QFileInfo::exists(chosen)
            && QFileInfo(chosen.chopped(suffix.size())).isFile())
            setDefaultSuffix({});
        QFileDialog::accept();
    }
};

} // namespace

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

std::unique_ptr<QFileDialog> DesktopPrompts::createOpenDialog(QWidget* owner)
{
    auto dialog = std::make_unique<OpenDialog>(owner);
    dialog->setNameFilters({QCoreApplication::translate("DesktopPrompts", "NPF files (*.npf)"), allFilesFilter()});
    dialog->setDefaultSuffix(QStringLiteral("npf"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    return dialog;
}

QString DesktopPrompts::chooseFileToOpen()
{
    const std::unique_ptr<QFileDialog> dialog = createOpenDialog(owner);
    return dialog->exec() == QDialog::Accepted ? dialog->selectedFiles().value(0) : QString();
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
