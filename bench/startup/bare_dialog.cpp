// The yardstick: a bare Qt dialog with a two-page tab widget.
#include "first_paint.h"

#include <QDialog>
#include <QTabWidget>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* tabs = new QTabWidget(&dialog);
    tabs->addTab(new QWidget, "Main");
    tabs->addTab(new QWidget, "Stats");
    layout->addWidget(tabs);
    return showUntilFirstPaint(application, dialog);
}
