#include "desktop_prompts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>

#include <algorithm>

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

void DesktopPrompts::showMessage(
    Icon icon, const QString& caption, const QString& text, const QString& informative)
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
    box.setInformativeText(informative);
    // The box takes the width of its first line and wraps the second into it,
    // which stacks a reason a few words a line; its lines get room for about
    // forty characters.
    if (auto* second = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
        const QFontMetrics metrics = second->fontMetrics();
        int widest = 0;
        for (const QString& line : informative.split(QLatin1Char('\n')))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        second->setMinimumWidth(std::min(widest, 40 * metrics.averageCharWidth()));
    }
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

bool DesktopPrompts::openUrl(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

void DesktopPrompts::runDialog(QDialog& dialog)
{
    dialog.exec();
}
