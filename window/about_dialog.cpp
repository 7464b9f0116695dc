#include "about_dialog.h"

#include "ui_about_dialog.h"
#include "veyrith_version.h"

#include <QMouseEvent>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::AboutDialog>())
{
    ui->setupUi(this);
    ui->version->setText(tr("Version %1").arg(QStringLiteral(VEYRITH_VERSION)));
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::mousePressEvent(QMouseEvent* event)
{
    // The picture takes no clicks of its own, so they arrive here.
    if (event->button() == Qt::LeftButton)
        emit guideRequested();
    QDialog::mousePressEvent(event);
}
