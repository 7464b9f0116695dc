// The editor window before any character is loaded: its start state, page
// switching and the keys that must not close it, the text limits, help and about.
#include "window_test_support.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithNothingToEdit();
    void switchingPages_data();
    void switchingPages();
    void textEditsRefuseWhatTheFileCannotHold_data();
    void textEditsRefuseWhatTheFileCannotHold();
    void helpF1AndTheAboutPictureOpenTheGuide();
};

void WindowTest::startsWithNothingToEdit()
{
    Editor e;
    e.dialog.show();

    QVERIFY(e.dialog.windowTitle().startsWith(QStringLiteral("Veyrith 2 by ")));
    QVERIFY(!e.dialog.saveAction()->isEnabled());
    QCOMPARE(e.editingControls().size(), 28);
    for (QWidget* control : e.editingControls())
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    for (QLabel* label : e.dialog.findChildren<QLabel*>())
        QVERIFY2(label->isEnabled(), qPrintable(label->objectName()));
    QVERIFY(e.mainPage()->isVisible());
}

void WindowTest::switchingPages_data()
{
    // 0 and 1 click a tab, o clicks the tab bar beside the tabs, < and > are
    // the arrow keys, k is Enter, Return and Escape on the shown page.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<int>("shown");

    QTest::newRow("click on Stats") << "1" << 1;
    QTest::newRow("second click on Stats") << "11" << 1;
    QTest::newRow("click beside the tabs") << "1o" << 1;
    QTest::newRow("right arrow") << ">" << 1;
    QTest::newRow("right and left arrows") << "><" << 0;
    QTest::newRow("Enter and Escape on Stats") << "1k" << 1;
}

void WindowTest::switchingPages()
{
    QFETCH(QString, actions);
    QFETCH(int, shown);

    Editor e;
    e.dialog.enableEditing(true);
    e.dialog.show();
    PageTabCtrl* tabs = e.dialog.pageTabs();
    QTabBar* bar = tabs->tabBar();
    QTest::keyClicks(e.edit(QStringLiteral("nameEdit")), QStringLiteral("Anna 12.5x"));

    for (const QChar action : actions) {
        if (action.isDigit())
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(action.digitValue()).center());
        else if (action == QLatin1Char('o'))
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).topRight() + QPoint(30, 5));
        else if (action != QLatin1Char('k'))
            QTest::keyClick(bar, action == QLatin1Char('>') ? Qt::Key_Right : Qt::Key_Left);
        else {
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
                QTest::keyClick(tabs->currentWidget()->findChild<QLineEdit*>(), key);
        }
    }
    QCOMPARE(tabs->currentIndex(), shown);
    QVERIFY(tabs->widget(shown)->isVisible());
    QVERIFY(!tabs->widget(1 - shown)->isVisible());
    QCOMPARE(e.edit(QStringLiteral("nameEdit"))->text(), QStringLiteral("Anna 12.5x"));
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
    e.dialog.enableEditing(true);
    // One key press a character, a surrogate pair being one character.
    for (qsizetype at = 0, length = 1; at < typed.size(); at += length) {
        length = typed.at(at).isHighSurrogate() ? 2 : 1;
        QTest::sendKeyEvent(
            QTest::Click, e.edit(edit), Qt::Key_unknown, typed.mid(at, length), Qt::NoModifier);
    }
    QCOMPARE(e.edit(edit)->text(), kept);
}

void WindowTest::helpF1AndTheAboutPictureOpenTheGuide()
{
    Editor e;
    e.dialog.show();
    const QList<QAction*> help = e.dialog.menuBar()->actions().at(1)->menu()->actions();
    help.first()->trigger();
    QTest::keyClick(e.edit(QStringLiteral("nameEdit")), Qt::Key_F1);
    help.last()->trigger();

    const QUrl guide = EditorDialog::guideUrl();
    QVERIFY2(QFileInfo::exists(guide.toLocalFile()), qPrintable(guide.toString()));
    const QString open = QStringLiteral("open ") + guide.toString();
    QCOMPARE(e.takeLog(), QStringList({open, open, QStringLiteral("dialog About Veyrith"), open}).join('\n'));
}

QTEST_MAIN(WindowTest)
#include "test_window.moc"
