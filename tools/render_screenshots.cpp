// Renders both pages of the editor, with the sample character loaded, into PNG
// files for the README: render_screenshots CHARACTER.npf OUTPUT_DIR
// In the system's language, as the editor starts: main-page.png in English,
// main-page.de.png in German.
#include "editor_dialog.h"
#include "editor_language.h"

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
    const QString language = editor_language::useSystemLanguage(application);
    EditorDialog dialog;
    dialog.show();
    dialog.loadCharacter(QString::fromLocal8Bit(argv[1]));
    const QDir output(QString::fromLocal8Bit(argv[2]));
    const QString suffix
        = language.isEmpty() ? QStringLiteral(".png") : QLatin1Char('.') + language + QStringLiteral(".png");
    const QStringList names{"main-page" + suffix, "stats-page" + suffix};
    for (int page = 0; page < names.size(); ++page) {
        dialog.findChild<QTabWidget*>()->setCurrentIndex(page);
        QApplication::processEvents();
        if (!dialog.grab().save(output.filePath(names[page])))
            return 1;
    }
    return 0;
}
