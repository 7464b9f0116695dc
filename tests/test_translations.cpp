// The catalogs: complete, true to their source's placeholders and accelerators,
// and fitting the English window in every language; and the language the
// system asks for, run once a language by ctest with LANG set.
#include "about_dialog.h"
#include "editor_command_line.h"
#include "editor_dialog.h"
#include "editor_language.h"

#include <QtTest>
#include <QtWidgets>

namespace {

// Each message of the catalogs in a folder: "language: source", translation and its mark.
QList<QStringList> messagesIn(const QString& folder)
{
    QList<QStringList> messages;
    for (const QFileInfo& catalog : QDir(folder).entryInfoList({"veyrith_*.ts"})) {
        QFile file(catalog.filePath());
        QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
        QString source;
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (xml.isStartElement() && xml.name() == u"source")
                source = catalog.completeBaseName().mid(8) + ": " + xml.readElementText();
            else if (xml.isStartElement() && xml.name() == u"translation")
                messages << QStringList{
                    source, xml.attributes().value("type").toString(), xml.readElementText()};
        }
    }
    return messages;
}

// The placeholders and accelerators of a text; "&&" is a plain "&".
QStringList marksOf(const QString& text)
{
    QStringList marks;
    for (const auto& match : QRegularExpression("%\\d+|&&|&").globalMatch(text))
        marks << match.captured();
    marks.removeAll("&&");
    marks.sort();
    return marks;
}

// What of a window a user could not read in full: a text wider than its place,
// or two accelerators alike in one menu or page.
QStringList faultsOf(QWidget* window)
{
    QStringList faults;
    QMap<QObject*, QMap<QString, QString>> accelerators;
    const auto accelerator = [&](QObject* scope, const QString& text) {
        const QString key = QKeySequence::mnemonic(text).toString().remove("Alt+");
        if (!key.isEmpty() && accelerators[scope].contains(key))
            faults << accelerators[scope][key] + " and " + text + " share " + key;
        accelerators[scope][key] = text;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->inherits("QMenu"))
            continue;
        // A text that overflows its box makes the box too narrow as well.
        const bool texted = w->inherits("QLabel") || w->inherits("QAbstractButton")
            || w->inherits("QGroupBox") || w->inherits("QTabBar");
        if (texted && w->width() < w->sizeHint().width())
            faults << w->objectName() + " needs " + QString::number(w->sizeHint().width() - w->width())
                    + " px more";
        QWidget* scope = w->parentWidget();
        while (scope != window && !qobject_cast<QStackedWidget*>(scope->parentWidget()))
            scope = scope->parentWidget();
        if (auto* label = qobject_cast<QLabel*>(w))
            accelerator(scope, label->text());
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        accelerator(menu->parent(), menu->title());
        for (QAction* item : menu->actions())
            accelerator(menu, item->text());
    }
    return faults;
}

// A guide's tags, code and command lines: all that its translations keep.
QStringList outlineOf(const QString& path)
{
    QFile file(path);
    const QString html = file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    QStringList outline;
    for (const auto& match : QRegularExpression(R"(<(code|pre)>[^<]*</\1>|<[^>]*>)").globalMatch(html))
        outline << match.captured().remove(QRegularExpression(R"( lang="\w+")"));
    return outline;
}

// Shows a window, and answers its own size before it takes the size given.
QSize shownAt(QWidget& window, QSize size)
{
    window.show();
    QApplication::processEvents();
    const QSize own = window.size();
    window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window.setMinimumSize(0, 0);
    window.resize(size.isValid() ? size : own);
    QApplication::processEvents();
    return own;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void catalogsHoldEveryText()
    {
#ifndef VEYRITH_LUPDATE
        QSKIP("lupdate runs on the build machine");
#else
        // lupdate brings scratch copies up to the code, as `make translations` would the catalogs.
        QTemporaryDir scratch;
        QStringList arguments = QString(VEYRITH_LUPDATE_OPTIONS).split('|')
            << "@" VEYRITH_TEXT_SOURCES << "-ts";
        for (const QFileInfo& catalog : QDir(VEYRITH_CATALOGS).entryInfoList({"veyrith_*.ts"})) {
            arguments << scratch.filePath(catalog.fileName());
            QVERIFY(QFile::copy(catalog.filePath(), arguments.back()));
        }
        QVERIFY(QProcess::execute(VEYRITH_LUPDATE, arguments) == 0);
        QStringList missing;
        for (const QStringList& message : messagesIn(scratch.path()))
            if (!message[1].isEmpty() || message[2].isEmpty())
                missing << "  " + message[0] + " (" + message[1] + ')';
        QVERIFY2(missing.isEmpty(),
            qPrintable(
                "Run `make translations`, then translate what it marks unfinished:\n" + missing.join('\n')));
#endif
    }

    void translationsKeepPlaceholdersAndAccelerators()
    {
        const QList<QStringList> messages = messagesIn(VEYRITH_CATALOGS);
        QVERIFY(messages.size() > 4 * 90);
        for (const QStringList& message : messages)
            QVERIFY2(
                marksOf(message[2]) == marksOf(message[0]), qPrintable(message[0] + " -> " + message[2]));
    }

    void everyLanguageFits_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        for (const QString& language : editor_language::catalogs())
            QTest::newRow(qPrintable(language)) << language;
        QCOMPARE(editor_language::catalogs(), QStringList({"de", "es", "fr", "it"}));
    }
    void everyLanguageFits()
    {
        QFETCH(QString, language);
        editor_language::use(*qApp, {});
        EditorDialog englishWindow;
        AboutDialog englishAbout;
        const QSize window = shownAt(englishWindow, {}), about = shownAt(englishAbout, {});

        QCOMPARE(
            editor_language::use(*qApp, {language.isEmpty() ? "en-US" : language + "-CH", "de"}), language);
        EditorDialog dialog;
        AboutDialog box;
        shownAt(dialog, window);
        shownAt(box, about);
        QStringList faults = faultsOf(&box);
        for (int page = 0; page < 2; ++page) {
            dialog.findChild<QTabWidget*>()->setCurrentIndex(page);
            QApplication::processEvents();
            faults += faultsOf(&dialog);
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    // Each language's guide lies beside the English one and keeps its sections,
    // links, table rows and command lines; a language without one gets English.
    void guideInTheLanguageInUse_data() { everyLanguageFits_data(); }
    void guideInTheLanguageInUse()
    {
        QFETCH(QString, language);
        editor_language::use(*qApp, {});
        const QString guide = EditorDialog::guideUrl().toLocalFile();
        const QString translated = editor_language::fileInLanguage(guide, language);
        QCOMPARE(translated == guide, language.isEmpty());
        QCOMPARE(editor_language::fileInLanguage(guide, "la"), guide);
        QCOMPARE(outlineOf(translated), outlineOf(guide));
    }

    // Only the row of the system's language runs; a C locale is English.
    void systemLanguage_data()
    {
        QTest::addColumn<QStringList>("texts"); // the Stats tab, Qt's Cancel, the help's first word
        QTest::newRow("en") << QStringList{"Stats", "Cancel", "Usage:"};
        QTest::newRow("de") << QStringList{"Werte", "Abbrechen", "Aufruf:"};
        QTest::newRow("es") << QStringList{"Estadísticas", "Cancelar", "Uso:"};
        QTest::newRow("fr") << QStringList{"Statistiques", "Annuler", "Utilisation"};
        QTest::newRow("it") << QStringList{"Statistiche", "Annulla", "Utilizzo:"};
    }
    void systemLanguage()
    {
        QFETCH(QStringList, texts);
        const QString row = QTest::currentDataTag();
        const QLocale::Language system = QLocale::system().language();
        if (QLocale::languageToCode(system == QLocale::C ? QLocale::English : system) != row)
            QSKIP("not the system's language");
        QCOMPARE(editor_language::useSystemLanguage(*qApp), row == "en" ? "" : row);
        const QStringList shown{EditorDialog().findChild<QTabWidget*>()->tabText(1),
            QDialogButtonBox(QDialogButtonBox::Cancel).buttons().front()->text(),
            readEditorCommandLine({"veyrith", "--help"}).text.section(' ', 0, 0)};
        QCOMPARE(shown, texts);
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
