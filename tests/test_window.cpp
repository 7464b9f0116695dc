// The editor window around its character: the start state, page switching and
// the keys that must not close it, the text limits, help and about, the Open dialog.
#include "window_test_support.h"

#include "desktop_prompts.h"

#include <QFileDialog>
#include <QLabel>

Q_DECLARE_METATYPE(QList<Step>)

namespace {

Step clickBesideTheTabs()
{
    return [](Editor& e) {
        QTabBar* bar = e.tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).topRight() + QPoint(30, 5));
    };
}
Step pressOnTheTabs(Qt::Key key)
{
    return [=](Editor& e) { QTest::keyClick(e.tabs()->tabBar(), key); };
}
Step pressEnterAndEscapeOnThePage()
{
    return [](Editor& e) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(e.tabs()->currentWidget()->findChild<QLineEdit*>(), key);
    };
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithNothingToEdit();
    void switchingPages_data();
    void switchingPages();
    void textEditsRefuseWhatTheFileCannotHold_data();
    void textEditsRefuseWhatTheFileCannotHold();
    void helpF1AndTheAboutPictureOpenTheGuide();
    void openDialogTakesABareNameAsACharacterFile_data();
    void openDialogTakesABareNameAsACharacterFile();
};

void WindowTest::startsWithNothingToEdit()
{
    Editor e;
    e.dialog.show();

    QVERIFY(e.dialog.windowTitle().startsWith(QStringLiteral("Veyrith 2 by ")));
    QVERIFY(!e.item(QStringLiteral("&Save"))->isEnabled());
    QCOMPARE(e.editingControls().size(), 28);
    for (QWidget* control : e.editingControls())
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    for (QLabel* label : e.dialog.findChildren<QLabel*>())
        QVERIFY2(label->isEnabled(), qPrintable(label->objectName()));
    QVERIFY(e.tabs()->widget(0)->isVisible());
}

void WindowTest::switchingPages_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<int>("shown");

    QTest::newRow("click on Stats") << QList{clickTab(1)} << 1;
    QTest::newRow("second click on Stats") << QList{clickTab(1), clickTab(1)} << 1;
    QTest::newRow("click beside the tabs") << QList{clickTab(1), clickBesideTheTabs()} << 1;
    QTest::newRow("right arrow") << QList{pressOnTheTabs(Qt::Key_Right)} << 1;
    QTest::newRow("right and left arrows")
        << QList{pressOnTheTabs(Qt::Key_Right), pressOnTheTabs(Qt::Key_Left)} << 0;
    QTest::newRow("Enter and Escape on Stats") << QList{clickTab(1), pressEnterAndEscapeOnThePage()} << 1;
}

void WindowTest::switchingPages()
{
    QFETCH(QList<Step>, steps);
    QFETCH(int, shown);

    Editor e;
    e.load(npftools::sampleCharacter());
    e.dialog.show();
    QLineEdit* name = e.find(QStringLiteral("nameEdit"));
    name->clear();
    QTest::keyClicks(name, QStringLiteral("Anna 12.5x"));
    for (const Step& step : steps)
        step(e);

    QCOMPARE(e.tabs()->currentIndex(), shown);
    QVERIFY(e.tabs()->widget(shown)->isVisible());
    QVERIFY(!e.tabs()->widget(1 - shown)->isVisible());
    QCOMPARE(name->text(), QStringLiteral("Anna 12.5x"));
}

void WindowTest::textEditsRefuseWhatTheFileCannotHold_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    const QString full(32, QLatin1Char('x'));
    for (const char* edit : {"nameEdit", "clanEdit"}) {
        QTest::addRow("%s: 33rd character", edit) << edit << full + QLatin1Char('y') << full;
        QTest::addRow("%s: outside the code page", edit)
            << edit << QStringLiteral("A\u0100\u20AC\u4E2D\u0160\U0001F987\u00FF")
            << QStringLiteral("A\u20AC\u0160\u00FF");
    }
}

void WindowTest::textEditsRefuseWhatTheFileCannotHold()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    Editor e;
    e.load(npftools::sampleCharacter());
    e.find(edit)->clear();
    // One key press a character, a surrogate pair being one character.
    for (qsizetype at = 0, length = 1; at < typed.size(); at += length) {
        length = typed.at(at).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(
            QTest::Click, e.find(edit), Qt::Key_unknown, typed.mid(at, length), Qt::NoModifier);
    }
    QCOMPARE(e.find(edit)->text(), kept);
}

void WindowTest::helpF1AndTheAboutPictureOpenTheGuide()
{
    Editor e;
    e.dialog.show();
    e.prompts->meetDialog = [](QDialog& about) {
        about.show();
        QTest::mouseClick(
            about.findChild<QLabel*>(QStringLiteral("picture")), Qt::LeftButton, {}, QPoint(10, 10));
    };
    e.item(QStringLiteral("&Help"))->trigger();
    QTest::keyClick(e.find(QStringLiteral("nameEdit")), Qt::Key_F1);
    e.item(QStringLiteral("&About"))->trigger();

    const QUrl guide = EditorDialog::guideUrl();
    QVERIFY2(QFileInfo::exists(guide.toLocalFile()), qPrintable(guide.toString()));
    const QString open = QStringLiteral("open ") + guide.toString();
    QCOMPARE(e.takeLog(), QStringList({open, open, QStringLiteral("dialog About Veyrith"), open}).join('\n'));
}

void WindowTest::openDialogTakesABareNameAsACharacterFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("opened");

    QTest::newRow("a character file") << "hero"
                                      << "hero.npf";
    QTest::newRow("a file without a dot") << "plain"
                                          << "plain";
    QTest::newRow("both") << "both"
                          << "both.npf";
}

void WindowTest::openDialogTakesABareNameAsACharacterFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, opened);

    Editor e;
    for (const char* name : {"hero.npf", "plain", "both", "both.npf"})
        e.write("npf", QLatin1String(name));
    const std::unique_ptr<QFileDialog> dialog = DesktopPrompts::createOpenDialog(&e.dialog);
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("npf"));
    QCOMPARE(dialog->nameFilters(), QStringList({"NPF files (*.npf)", "All Files (*)"}));
    QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
    // Accepted as the user's OK would, without the dialog's modal loop.
    dialog->setDirectory(e.directory.path());
    dialog->show();
    dialog->selectFile(typed);
    QMetaObject::invokeMethod(dialog.get(), "accept");
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(dialog->selectedFiles(), QStringList(e.directory.filePath(opened)));
}

QTEST_MAIN(WindowTest)
#include "test_window.moc"
