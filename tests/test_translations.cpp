// The catalogs: complete, true to their source's placeholders and accelerators,
// and fitting the English window in every language; and the language the
// system asks for, run once a language by ctest with LANG set.
#include "about_dialog.h"
#include "desktop_prompts.h"
#include "editor_command_line.h"
#include "editor_dialog.h"
#include "editor_language.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Message {
    QString language, context, source, translation, mark;
};

QList<Message> messagesIn(const QString& folder)
{
    QList<Message> messages;
    for (const QFileInfo& catalog : QDir(folder).entryInfoList({"veyrith_*.ts"})) {
        QFile file(catalog.filePath());
        QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
        Message m;
        m.language = catalog.completeBaseName().mid(8);
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"name")
                m.context = xml.readElementText();
            else if (xml.name() == u"source")
                m.source = xml.readElementText();
            else if (xml.name() == u"translation") {
                m.mark = xml.attributes().value("type").toString();
                m.translation = xml.readElementText();
                messages << m;
            }
        }
    }
    return messages;
}

// The placeholders and accelerators of a text; "&&" is a plain "&".
QStringList marksOf(const QString& text)
{
    QStringList marks;
    for (const auto& match : QRegularExpression("%\\d+|&&|&").globalMatch(text))
        if (match.captured() != "&&")
            marks << match.captured();
    marks.sort();
    return marks;
}

// What of a window a user could not read in full: a text wider than its place,
// a control outside its parent, or two accelerators alike in one menu or page.
QStringList faultsOf(QWidget* window)
{
    QStringList faults;
    QMap<QWidget*, QMap<QString, QString>> accelerators;
    const auto accelerator = [&](QWidget* scope, const QString& text) {
        const QString key = QKeySequence::mnemonic(text).toString().remove("Alt+");
        if (key.isEmpty())
            return;
        if (accelerators[scope].contains(key))
            faults << QString("%1 and %2 share &%3").arg(accelerators[scope][key], text, key);
        accelerators[scope][key] = text;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QWidget* scope = w->parentWidget();
        if (!w->isVisibleTo(window) || w->inherits("QMenu"))
            continue;
        if (!scope->rect().contains(w->geometry()))
            faults << w->objectName() + " lies outside " + scope->objectName();
        if ((qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w))
            && w->width() < w->minimumSizeHint().width())
            faults << QString("%1 is %2 px wide for %3 px of text").arg(w->objectName()).arg(w->width()).arg(w->minimumSizeHint().width());
        while (scope != window && !qobject_cast<QStackedWidget*>(scope->parentWidget()))
            scope = scope->parentWidget();
        if (auto* label = qobject_cast<QLabel*>(w))
            accelerator(scope, label->text());
        if (auto* bar = qobject_cast<QTabBar*>(w); bar && bar->width() < bar->sizeHint().width())
            faults << "the tabs are cut";
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        accelerator(menu->parentWidget(), menu->title());
        for (QAction* item : menu->actions())
            accelerator(menu, item->text());
    }
    return faults;
}

// A window at its own size, then squeezed into the English one.
QSize squeezed(QWidget& window, QSize english)
{
    window.show();
    QApplication::processEvents();
    const QSize own = window.size();
    window.layout()->setSizeConstraint(QLayout::SetNoConstraint);
    window.setMinimumSize(0, 0);
    window.resize(english.isValid() ? english : own);
    QApplication::processEvents();
    return own;
}

struct Prompts : UserPrompts {
    void showMessage(Icon, const QString&, const QString&) override { }
    QString chooseFileToOpen() override { return {}; }
    void openUrl(const QUrl&) override { }
    void runDialog(QDialog&) override { }
};

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
        QStringList arguments = QString(VEYRITH_LUPDATE_OPTIONS).split('|') << "@" VEYRITH_TEXT_SOURCES << "-ts";
        for (const QFileInfo& catalog : QDir(VEYRITH_CATALOGS).entryInfoList({"veyrith_*.ts"})) {
            arguments << scratch.filePath(catalog.fileName());
            QVERIFY(QFile::copy(catalog.filePath(), arguments.back()));
        }
        QProcess lupdate;
        lupdate.start(VEYRITH_LUPDATE, arguments);
        QVERIFY(lupdate.waitForFinished() && lupdate.exitCode() == 0);
        const QList<Message> messages = messagesIn(scratch.path());
        QVERIFY(!messages.isEmpty());
        QStringList missing;
        for (const Message& m : messages) {
            if (!m.mark.isEmpty() || m.translation.isEmpty())
                missing << QString("  %1, %2: \"%3\" %4").arg(m.language, m.context, m.source, m.mark);
        }
        QVERIFY2(missing.isEmpty(),
            qPrintable("Texts without a finished translation:\n" + missing.join('\n')
                + "\nRun `make translations`, then translate every message marked unfinished in "
                  "translations/veyrith_*.ts (in Qt Linguist, or by hand, dropping type=\"unfinished\")."));
#endif
    }

    void translationsKeepPlaceholdersAndAccelerators()
    {
        for (const Message& m : messagesIn(VEYRITH_CATALOGS)) {
            QVERIFY2(marksOf(m.translation) == marksOf(m.source),
                qPrintable(QString("%1, %2: \"%3\" for \"%4\"").arg(m.language, m.context, m.translation, m.source)));
        }
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
        Prompts prompts;
        editor_language::use(*qApp, {});
        EditorDialog englishWindow;
        AboutDialog englishAbout(prompts, {});
        const QSize window = squeezed(englishWindow, {}), about = squeezed(englishAbout, {});

        QCOMPARE(editor_language::use(*qApp, {language + "-XX", "en"}), language);
        EditorDialog dialog;
        AboutDialog box(prompts, {});
        squeezed(dialog, window);
        squeezed(box, about);
        QStringList faults = faultsOf(&box);
        for (int page = 0; page < 2; ++page) {
            dialog.findChild<QTabWidget*>()->setCurrentIndex(page);
            QApplication::processEvents();
            faults += faultsOf(&dialog);
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void guideInTheLanguageInUse()
    {
        QTemporaryDir folder;
        for (const char* name : {"guide.html", "guide.fr.html"})
            QFile(folder.filePath(name)).open(QIODevice::WriteOnly);
        const QString guide = folder.filePath("guide.html");
        QCOMPARE(editor_language::fileInLanguage(guide, "fr"), folder.filePath("guide.fr.html"));
        QCOMPARE(editor_language::fileInLanguage(guide, "de"), guide);
        QCOMPARE(editor_language::fileInLanguage(guide, ""), guide);
    }

    // The row of the system's language runs; a C locale is English.
    void systemLanguage_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("cancel");
        QTest::addColumn<QString>("usage");
        QTest::newRow("en") << "Stats" << "Cancel" << "Usage:";
        QTest::newRow("de") << "Werte" << "Abbrechen" << "Aufruf:";
        QTest::newRow("es") << "Estadísticas" << "Cancelar" << "Uso:";
        QTest::newRow("fr") << "Statistiques" << "Annuler" << "Utilisation :";
        QTest::newRow("it") << "Statistiche" << "Annulla" << "Utilizzo:";
    }
    void systemLanguage()
    {
        QFETCH(QString, tab);
        QFETCH(QString, cancel);
        QFETCH(QString, usage);
        const QString row = QTest::currentDataTag();
        const QLocale::Language system = QLocale::system().language();
        if (QLocale::languageToCode(system == QLocale::C ? QLocale::English : system) != row)
            QSKIP("not the system's language");
        QCOMPARE(editor_language::useSystemLanguage(*qApp), row == "en" ? "" : row);
        EditorDialog dialog;
        QCOMPARE(dialog.findChild<QTabWidget*>()->tabText(1), tab);
        QCOMPARE(QDialogButtonBox(QDialogButtonBox::Cancel).buttons().front()->text(), cancel);
        QVERIFY(readEditorCommandLine({"veyrith", "--help"}).text.startsWith(usage));
    }
};

QTEST_MAIN(TranslationsTest)
#include "test_translations.moc"
