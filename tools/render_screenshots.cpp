// Renders both pages of the editor, with the sample character loaded, into PNG
// files for the README: render_screenshots CHARACTER.npf OUTPUT_DIR
#include "editor_dialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 3) {
        qWarning("usage: render_screenshots CHARACTER.npf OUTPUT_DIR");
        return 2;
    }
    EditorDialog dialog;
    dialog.show();
    dialog.loadCharacter(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    const QStringList names{"main-page.png", "stats-page.png"};
    for (int page = 0; page < names.size(); ++page) {
        dialog.findChild<QTabWidget*>()->setCurrentIndex(page);
        QApplication::processEvents();
        if (!dialog.grab().save(output.filePath(names[page])))
            return 1;
    }
    return 0;
}
