// The editor window before any character is loaded: its start state, the
// pages and their switching, the text limits, the reading direction of the
// data exchange, the flag list, help, about and the keys that must not close it.
#include "window_test_support.h"

#include "about_dialog.h"

#include "editing/actor_flags.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

namespace {

QList<QWidget*> editingControlsOf(QWidget* page)
{
    QList<QWidget*> controls;
    for (QWidget* child : page->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child) || qobject_cast<QListWidget*>(child))
            controls << child;
    }
    return controls;
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAction* menuItem(const EditorDialog& dialog, const QString& menu, const QString& item)
{
    for (QAction* top : dialog.menuBar()->actions()) {
        if (top->text() != menu || !top->menu())
            continue;
        for (QAction* action : top->menu()->actions()) {
            if (action->text() == item)
                return action;
        }
    }
    return nullptr;
}

void clickTab(EditorDialog& dialog, int index)
{
    QTabBar* bar = dialog.pageTabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

} // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithNothingToEdit();
    void menusHoldTheirCommands();
    void everyControlIsNamedByItsLabel();

    void clickingATabShowsItsPage();
    void clickOnTheShownTabOrBesideTheTabsChangesNothing();
    void arrowKeysSwitchPages();
    void typedTextSurvivesASwitch();

    void textEditsRefuseWhatTheFileCannotHold_data();
    void textEditsRefuseWhatTheFileCannotHold();
    void pasteOfAForeignCharacterIsRefused();

    void combosListTheirEntries();

    void readingTheMainPageStopsAtTheFirstBadField_data();
    void readingTheMainPageStopsAtTheFirstBadField();
    void readingTheStatsPageStopsAtTheFirstBadField_data();
    void readingTheStatsPageStopsAtTheFirstBadField();
    void overlongTextIsRefusedOnReading();

    void flagListShowsEveryBit_data();
    void flagListShowsEveryBit();
    void showingFlagsReplacesEarlierOnes();
    void togglingFlagsChangesNothingUntilCollected();

    void helpAndF1OpenTheGuide();
    void aboutBoxShowsThePictureAndOpensTheGuide();

    void enterAndEscapeNeverHideAPageOrClose();
    void exitAndCloseEndWithoutAQuestion();
};

void WindowTest::startsWithNothingToEdit()
{
    EditorUnderTest editor;
    editor.dialog.show();

    QVERIFY(editor.dialog.windowTitle().startsWith(QStringLiteral("Veyrith 2 by ")));
    QVERIFY(!editor.dialog.saveAction()->isEnabled());
    QVERIFY(menuItem(editor.dialog, QStringLiteral("&File"), QStringLiteral("&Open"))->isEnabled());

    for (QWidget* page : {static_cast<QWidget*>(editor.mainPage()), static_cast<QWidget*>(editor.statsPage())}) {
        const QList<QWidget*> controls = editingControlsOf(page);
        QVERIFY(!controls.isEmpty());
        for (QWidget* control : controls)
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        for (QLabel* label : page->findChildren<QLabel*>())
            QVERIFY2(label->isEnabled(), qPrintable(label->objectName()));
        for (QGroupBox* group : page->findChildren<QGroupBox*>())
            QVERIFY(group->isEnabled());
    }
    QCOMPARE(editingControlsOf(editor.mainPage()).size(), 6);
    QCOMPARE(editingControlsOf(editor.statsPage()).size(), 22);

    QCOMPARE(editor.dialog.pageTabs()->currentIndex(), 0);
    QCOMPARE(editor.dialog.pageTabs()->tabText(0), QStringLiteral("Main"));
    QCOMPARE(editor.dialog.pageTabs()->tabText(1), QStringLiteral("Stats"));
    QVERIFY(editor.mainPage()->isVisible());
    QVERIFY(!editor.statsPage()->isVisible());

    QCOMPARE(editor.mainPage()->raceCombo()->currentIndex(), -1);
    QCOMPARE(editor.mainPage()->modelCombo()->currentIndex(), -1);
    QCOMPARE(editor.edit(QStringLiteral("nameEdit"))->text(), QString());
    QCOMPARE(editor.edit(QStringLiteral("cashEdit"))->text(), QStringLiteral("0"));
    for (const QString& name : statsEditNames)
        QCOMPARE(editor.edit(name)->text(), QStringLiteral("0"));
    QCOMPARE(editor.dialog.collectActorFlags(), 0u);

    // The window keeps its size.
    QCOMPARE(editor.dialog.minimumSize(), editor.dialog.maximumSize());
}

void WindowTest::menusHoldTheirCommands()
{
    EditorUnderTest editor;
    const QList<QAction*> menus = editor.dialog.menuBar()->actions();
    QCOMPARE(menus.size(), 2);
    QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
    QCOMPARE(menuTexts(menus[0]->menu()),
        QStringList({QStringLiteral("&Open"), QStringLiteral("&Save"), QStringLiteral("-"), QStringLiteral("&Exit")}));
    QCOMPARE(menus[1]->text(), QStringLiteral("&Help"));
    QCOMPARE(menuTexts(menus[1]->menu()),
        QStringList({QStringLiteral("&Help"), QStringLiteral("-"), QStringLiteral("&About")}));
}

void WindowTest::everyControlIsNamedByItsLabel()
{
    EditorUnderTest editor;
    QList<QWidget*> controls = editingControlsOf(editor.mainPage()) + editingControlsOf(editor.statsPage());
    for (QLabel* label : editor.dialog.findChildren<QLabel*>()) {
        QWidget* buddy = label->buddy();
        if (!buddy)
            continue;
        QString name = label->text();
        name.remove(QLatin1Char(':'));
        QVERIFY2(buddy->accessibleName().contains(name), qPrintable(label->text()));
        controls.removeAll(buddy);
    }
    for (QWidget* control : controls)
        QFAIL(qPrintable(control->objectName() + QStringLiteral(" has no label")));
}

void WindowTest::clickingATabShowsItsPage()
{
    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    editor.dialog.show();

    clickTab(editor.dialog, 1);
    QCOMPARE(editor.dialog.pageTabs()->currentIndex(), 1);
    QVERIFY(editor.statsPage()->isVisible());
    QVERIFY(!editor.mainPage()->isVisible());
    QCOMPARE(editor.dialog.focusWidget(), editor.edit(QStringLiteral("generationEdit")));

    clickTab(editor.dialog, 0);
    QVERIFY(editor.mainPage()->isVisible());
    QVERIFY(!editor.statsPage()->isVisible());
    QCOMPARE(editor.dialog.focusWidget(), editor.edit(QStringLiteral("nameEdit")));
}

void WindowTest::clickOnTheShownTabOrBesideTheTabsChangesNothing()
{
    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    editor.dialog.show();
    clickTab(editor.dialog, 1);
    QLineEdit* health = editor.edit(QStringLiteral("healthEdit"));
    health->setFocus();

    clickTab(editor.dialog, 1);
    QVERIFY(editor.statsPage()->isVisible());
    QCOMPARE(editor.dialog.focusWidget(), health);

    PageTabCtrl* tabs = editor.dialog.pageTabs();
    const QPoint beside(tabs->width() - 4, tabs->tabBar()->geometry().center().y());
    QVERIFY(!tabs->tabBar()->geometry().contains(beside) || tabs->tabBar()->tabAt(beside) < 0);
    QWidget* target = tabs->childAt(beside) ? tabs->childAt(beside) : tabs;
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(tabs, beside));
    QCOMPARE(tabs->currentIndex(), 1);
    QVERIFY(editor.statsPage()->isVisible());
    QVERIFY(!editor.mainPage()->isVisible());
}

void WindowTest::arrowKeysSwitchPages()
{
    EditorUnderTest editor;
    editor.dialog.show();
    QTabBar* bar = editor.dialog.pageTabs()->tabBar();

    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(editor.dialog.pageTabs()->currentIndex(), 1);
    QVERIFY(editor.statsPage()->isVisible());
    QVERIFY(!editor.mainPage()->isVisible());

    QTest::keyClick(bar, Qt::Key_Left);
    QCOMPARE(editor.dialog.pageTabs()->currentIndex(), 0);
    QVERIFY(editor.mainPage()->isVisible());
    QVERIFY(!editor.statsPage()->isVisible());
}

void WindowTest::typedTextSurvivesASwitch()
{
    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    editor.dialog.show();
    clickTab(editor.dialog, 1);
    QLineEdit* wits = editor.edit(QStringLiteral("witsEdit"));
    wits->clear();
    QTest::keyClicks(wits, QStringLiteral("12.5x"));

    clickTab(editor.dialog, 0);
    clickTab(editor.dialog, 1);
    QCOMPARE(wits->text(), QStringLiteral("12.5x"));
}

void WindowTest::textEditsRefuseWhatTheFileCannotHold_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");

    const QString full(32, QLatin1Char('x'));
    for (const QString& edit : {QStringLiteral("nameEdit"), QStringLiteral("clanEdit")}) {
        const QByteArray name = edit.toLatin1();
        QTest::newRow(name + " 32 characters") << edit << full << full;
        QTest::newRow(name + " 33rd character") << edit << full + QLatin1Char('y') << full;
        QTest::newRow(name + " Latin-1 accents") << edit << QStringLiteral("Am\u00E9lie \u00C6\u00FF") << QStringLiteral("Am\u00E9lie \u00C6\u00FF");
        QTest::newRow(name + " code page punctuation") << edit << QStringLiteral("\u20AC\u2019\u0160\u2122")
                                                       << QStringLiteral("\u20AC\u2019\u0160\u2122");
        QTest::newRow(name + " outside the code page") << edit << QStringLiteral("A\u0100B\u4E2DC\u2192")
                                                       << QStringLiteral("ABC");
        QTest::newRow(name + " outside the plane") << edit << QStringLiteral("D\U0001F987E") << QStringLiteral("DE");
    }
}

void WindowTest::textEditsRefuseWhatTheFileCannotHold()
{
    QFETCH(QString, edit);
    QFETCH(QString, typed);
    QFETCH(QString, kept);

    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    QLineEdit* field = editor.edit(edit);
    typeText(field, typed);
    QCOMPARE(field->text(), kept);
}

void WindowTest::pasteOfAForeignCharacterIsRefused()
{
    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    QLineEdit* name = editor.edit(QStringLiteral("nameEdit"));
    name->setText(QStringLiteral("Anna"));
    name->end(false);

    QApplication::clipboard()->setText(QStringLiteral("\u0141ucja"));
    name->paste();
    QCOMPARE(name->text(), QStringLiteral("Anna"));

    QApplication::clipboard()->setText(QStringLiteral(" \u00D8rsted"));
    name->paste();
    QCOMPARE(name->text(), QStringLiteral("Anna \u00D8rsted"));
}

void WindowTest::combosListTheirEntries()
{
    EditorUnderTest editor;
    QComboBox* race = editor.mainPage()->raceCombo();
    QComboBox* model = editor.mainPage()->modelCombo();
    QVERIFY(!race->isEditable());
    QVERIFY(!model->isEditable());

    QCOMPARE(race->count(), 5);
    QCOMPARE(race->itemText(0), QStringLiteral("0 - Vampire"));
    QCOMPARE(race->itemText(3), QStringLiteral("3 - Monster"));
    QCOMPARE(race->itemText(4), QStringLiteral("4 - Lupine"));

    QCOMPARE(model->count(), 19);
    QCOMPARE(model->itemText(0), QStringLiteral("Christof DA"));
    QCOMPARE(model->itemText(13), QStringLiteral("Samuel MD"));
    QCOMPARE(model->itemText(16), QStringLiteral("Wilhelm DA"));
    QCOMPARE(model->itemText(18), QStringLiteral("Zil MD"));
}

void WindowTest::readingTheMainPageStopsAtTheFirstBadField_data()
{
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("generation");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("cash and generation fine") << QStringLiteral(" 12 ") << QStringLiteral("1d3") << true;
    QTest::newRow("generation is no concern of the Main page") << QStringLiteral("007") << QString() << true;
    QTest::newRow("empty cash") << QString() << QString() << false;
    QTest::newRow("cash with letters") << QStringLiteral("12abc") << QStringLiteral("x") << false;
    QTest::newRow("negative zero cash") << QStringLiteral("-0") << QStringLiteral("1") << false;
    QTest::newRow("cash with a decimal point") << QStringLiteral("1.5") << QStringLiteral("1") << false;
}

void WindowTest::readingTheMainPageStopsAtTheFirstBadField()
{
    QFETCH(QString, cash);
    QFETCH(QString, generation);
    QFETCH(bool, accepted);

    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    editor.edit(QStringLiteral("nameEdit"))->setText(QStringLiteral("Anna"));
    editor.edit(QStringLiteral("cashEdit"))->setText(cash);
    editor.edit(QStringLiteral("generationEdit"))->setText(generation);

    editing::PageValues values;
    QCOMPARE(editor.mainPage()->readValues(values, *editor.prompts), accepted);
    if (accepted) {
        QCOMPARE(editor.messageLog(), QString());
        return;
    }
    QCOMPARE(editor.messageLog(), QStringLiteral("exclamation | test_window | Please enter an integer."));
    QLineEdit* cashEdit = editor.edit(QStringLiteral("cashEdit"));
    QCOMPARE(editor.dialog.focusWidget(), cashEdit);
    QCOMPARE(cashEdit->selectedText(), cash);
    QCOMPARE(cashEdit->text(), cash);
    // Fields before the failing one were read; reading stopped there.
    QCOMPARE(values.characterName, std::string("Anna"));
    QCOMPARE(editor.dialog.pageTabs()->currentIndex(), 0);
}

void WindowTest::readingTheStatsPageStopsAtTheFirstBadField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");

    const QString integer = QStringLiteral("Please enter an integer.");
    const QString number = QStringLiteral("Please enter a number.");
    QTest::newRow("empty generation") << QStringLiteral("generationEdit") << QString() << number;
    QTest::newRow("decimal comma") << QStringLiteral("healthEdit") << QStringLiteral("1,5") << number;
    QTest::newRow("lone decimal point zero") << QStringLiteral("manaEdit") << QStringLiteral(".0") << number;
    QTest::newRow("negative zero") << QStringLiteral("humanityEdit") << QStringLiteral("-0.0") << number;
    QTest::newRow("fraction in total xp") << QStringLiteral("totalXpEdit") << QStringLiteral("2.5") << integer;
    QTest::newRow("blank total xp") << QStringLiteral("totalXpEdit") << QStringLiteral("  ") << integer;
    QTest::newRow("bare exponent") << QStringLiteral("appearanceEdit") << QStringLiteral("1e") << number;
    QTest::newRow("last soak") << QStringLiteral("soakElecEdit") << QStringLiteral("ten") << number;
}

void WindowTest::readingTheStatsPageStopsAtTheFirstBadField()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);

    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    for (const QString& name : statsEditNames)
        editor.edit(name)->setText(QStringLiteral("7"));
    // A later bad field must not be the one reported.
    editor.edit(QStringLiteral("soakElecEdit"))->setText(QStringLiteral("later"));
    editor.edit(field)->setText(text);

    editing::PageValues values;
    QVERIFY(!editor.statsPage()->readValues(values, *editor.prompts));
    QCOMPARE(editor.messageLog(), QStringLiteral("exclamation | test_window | ") + message);
    QCOMPARE(editor.dialog.focusWidget(), editor.edit(field));
    QCOMPARE(editor.edit(field)->selectedText(), text);
    // The page with the failing field is not brought to the front.
    QCOMPARE(editor.dialog.pageTabs()->currentIndex(), 0);
}

void WindowTest::overlongTextIsRefusedOnReading()
{
    // The edits cannot take a 33rd character, but the check stays as the last guard.
    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    QLineEdit* clan = editor.edit(QStringLiteral("clanEdit"));
    clan->setMaxLength(40);
    clan->setText(QString(33, QLatin1Char('c')));

    editing::PageValues values;
    QVERIFY(!editor.mainPage()->readValues(values, *editor.prompts));
    QCOMPARE(editor.messageLog(), QStringLiteral("exclamation | test_window | Please enter no more than 32 characters."));
    QCOMPARE(editor.dialog.focusWidget(), clan);
}

void WindowTest::flagListShowsEveryBit_data()
{
    QTest::addColumn<quint32>("flags");
    QTest::newRow("none") << 0u;
    QTest::newRow("all") << 0xFFFFFFFFu;
    QTest::newRow("top bit alone") << 0x80000000u;
    QTest::newRow("named bits") << 0x0FFFFFFFu;
    QTest::newRow("scattered") << 0x10008081u;
}

void WindowTest::flagListShowsEveryBit()
{
    QFETCH(quint32, flags);

    EditorUnderTest editor;
    QListWidget* list = editor.mainPage()->flagList();
    QCOMPARE(list->count(), 32);
    editor.dialog.showActorFlags(flags);
    for (int row = 0; row < 32; ++row) {
        QCOMPARE(list->item(row)->text(), QString::fromLatin1(editing::actorFlagLabels[row]));
        const bool set = (flags >> row) & 1u;
        QCOMPARE(list->item(row)->checkState(), set ? Qt::Checked : Qt::Unchecked);
    }
    QCOMPARE(editor.dialog.collectActorFlags(), flags);
}

void WindowTest::showingFlagsReplacesEarlierOnes()
{
    EditorUnderTest editor;
    editor.dialog.showActorFlags(0x0FFFFFFFu);
    editor.dialog.showActorFlags(0x00000001u);
    QListWidget* list = editor.mainPage()->flagList();
    QCOMPARE(list->item(0)->text(), QStringLiteral("INVULNERABLE"));
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);
    for (int row = 1; row < 32; ++row)
        QCOMPARE(list->item(row)->checkState(), Qt::Unchecked);
    QCOMPARE(editor.dialog.collectActorFlags(), 1u);
}

void WindowTest::togglingFlagsChangesNothingUntilCollected()
{
    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    editor.dialog.show();
    editor.dialog.document.record.actorFlags = 1;
    editor.dialog.showActorFlags(1u);
    QLineEdit* cash = editor.edit(QStringLiteral("cashEdit"));
    const QString cashBefore = cash->text();

    // Clicking a row's box is what a user does to toggle it.
    QListWidget* list = editor.mainPage()->flagList();
    for (int row : {3, 0}) {
        list->scrollToItem(list->item(row));
        const QRect rect = list->visualItemRect(list->item(row));
        const QPoint box(rect.left() + rect.height() / 2, rect.center().y());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, box);
    }
    QCOMPARE(list->item(3)->checkState(), Qt::Checked);
    QCOMPARE(list->item(0)->checkState(), Qt::Unchecked);

    QCOMPARE(editor.dialog.document.record.actorFlags, 1);
    QCOMPARE(cash->text(), cashBefore);
    QCOMPARE(editor.mainPage()->raceCombo()->currentIndex(), -1);
    QCOMPARE(editor.dialog.collectActorFlags(), 0x8u);
    QCOMPARE(editor.dialog.collectActorFlags(), 0x8u);
}

void WindowTest::helpAndF1OpenTheGuide()
{
    EditorUnderTest editor;
    editor.dialog.show();
    menuItem(editor.dialog, QStringLiteral("&Help"), QStringLiteral("&Help"))->trigger();
    QTest::keyClick(editor.edit(QStringLiteral("nameEdit")), Qt::Key_F1);
    QTest::keyClick(editor.dialog.pageTabs()->tabBar(), Qt::Key_F1);

    QCOMPARE(editor.prompts->openedUrls.size(), 3);
    for (const QUrl& url : editor.prompts->openedUrls) {
        QVERIFY(url.isLocalFile());
        QVERIFY(url.toLocalFile().endsWith(QStringLiteral("/share/veyrith/guide.html")));
        QVERIFY2(QFileInfo::exists(url.toLocalFile()), qPrintable(url.toLocalFile()));
    }
    QCOMPARE(editor.prompts->openedUrls.count(editor.prompts->openedUrls.front()), 3);
    QCOMPARE(editor.messageLog(), QString());
}

void WindowTest::aboutBoxShowsThePictureAndOpensTheGuide()
{
    EditorUnderTest editor;
    int picturesClicked = 0;
    editor.prompts->whileDialogRuns = [&](QDialog& about) {
        about.show();
        auto* picture = about.findChild<QLabel*>(QStringLiteral("picture"));
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(320, 80));
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("okButton"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(ok->width(), about.width());
        QVERIFY(ok->geometry().top() >= picture->geometry().bottom());

        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(300, 70));
        picturesClicked = 2;
        QVERIFY(about.isVisible());
        QTest::mouseClick(ok, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    };
    menuItem(editor.dialog, QStringLiteral("&Help"), QStringLiteral("&About"))->trigger();

    QCOMPARE(editor.prompts->dialogTitles, QStringList {QStringLiteral("About Veyrith")});
    QCOMPARE(picturesClicked, 2);
    QCOMPARE(editor.prompts->openedUrls.size(), 2);
    QCOMPARE(editor.prompts->openedUrls.front(), EditorDialog::guideUrl());
}

void WindowTest::enterAndEscapeNeverHideAPageOrClose()
{
    EditorUnderTest editor;
    editor.dialog.enableEditing(true);
    editor.dialog.show();
    QSignalSpy finished(&editor.dialog, &QDialog::finished);

    const QList<QWidget*> targets {editor.edit(QStringLiteral("cashEdit")), editor.mainPage()->flagList(),
        editor.dialog.pageTabs()->tabBar(), editor.edit(QStringLiteral("soakColdEdit")), &editor.dialog};
    for (QWidget* target : targets) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(target, key);
            QVERIFY(editor.dialog.isVisible());
            QVERIFY(editor.dialog.pageTabs()->currentWidget()->isVisible());
        }
    }
    QCOMPARE(finished.count(), 0);
    QCOMPARE(editor.messageLog(), QString());
}

void WindowTest::exitAndCloseEndWithoutAQuestion()
{
    {
        EditorUnderTest editor;
        editor.dialog.enableEditing(true);
        editor.dialog.show();
        editor.edit(QStringLiteral("cashEdit"))->setText(QStringLiteral("unsaved"));
        menuItem(editor.dialog, QStringLiteral("&File"), QStringLiteral("&Exit"))->trigger();
        QVERIFY(!editor.dialog.isVisible());
        QCOMPARE(editor.dialog.result(), int(QDialog::Accepted));
        QCOMPARE(editor.messageLog(), QString());
    }
    {
        EditorUnderTest editor;
        editor.dialog.show();
        editor.edit(QStringLiteral("nameEdit"))->setText(QStringLiteral("unsaved"));
        QVERIFY(editor.dialog.close());
        QVERIFY(!editor.dialog.isVisible());
        QCOMPARE(editor.dialog.result(), int(QDialog::Rejected));
        QCOMPARE(editor.messageLog(), QString());
    }
}

QTEST_MAIN(WindowTest)
#include "test_window.moc"
