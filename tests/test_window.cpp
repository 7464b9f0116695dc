// The editor window driven as a user drives it, on synthetic character files
// in a folder whose name no single-byte code page holds. Saves are judged by
// the whole file: every byte must be what the builder makes of the expected
// record, so a value that lands at a wrong offset, or a byte that should not
// have moved, shows up.
#include "desktop_prompts.h"
#include "editor_dialog.h"
#include "file_paths.h"
#include "page_tab_ctrl.h"
#include "test_fixtures.h"

#include "editing/page_values.h"
#include "editing/text_conversions.h"
#include "tools/npf_builder.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>
#include <limits>
#include <optional>

using npf::CharacterRecord;
using npf::FloatBits;

namespace {

// Stands in for every modal prompt: notes, one a line, what the editor showed
// or opened through it, and answers the Open dialog with a scripted path, so
// no test waits on a modal loop. A dialog it is asked to run goes to the
// test's meetDialog, which acts on it as a user would.
struct RecordingPrompts : UserPrompts {
    void showMessage(Icon icon, const QString& caption, const QString& text) override
    {
        static const char* const icons[] = {"stop", "information", "exclamation"};
        log << QString("%1 | %2 | %3").arg(icons[int(icon)], caption, text);
    }
    QString chooseFileToOpen() override { return fileToOpen; }
    void openUrl(const QUrl& url) override { log << "open " + url.toString(); }
    void runDialog(QDialog& dialog) override
    {
        log << "dialog " + dialog.windowTitle();
        if (meetDialog)
            meetDialog(dialog);
    }

    QStringList log;
    QString fileToOpen;
    std::function<void(QDialog&)> meetDialog;
};

QByteArray bytesOf(const CharacterRecord& record)
{
    const std::vector<char> bytes = npftools::buildNpfBytes(record, 1024, 41);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

// The offset where a file first differs from the expected bytes, or -1.
qsizetype firstDifference(const QString& path, const QByteArray& expected)
{
    QFile file(path);
    const QByteArray actual = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const auto at = std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end());
    return actual == expected ? -1 : at.first - actual.begin();
}

// The editor window with the recorder in place of its prompts, and the path
// of its character file.
struct Editor {
    Editor() { dialog.setUserPrompts(std::unique_ptr<UserPrompts>(prompts)); }

    template <class Control = QLineEdit> Control* find(const QString& name) const
    {
        return dialog.findChild<Control*>(name);
    }
    PageTabCtrl* tabs() const { return dialog.findChild<PageTabCtrl*>(); }
    // A menu item, found by its text as the user finds it.
    QAction* item(const QString& text) const
    {
        const QList<QAction*> all = dialog.findChildren<QAction*>();
        return *std::find_if(
            all.begin(), all.end(), [&](QAction* a) { return !a->menu() && a->text() == text; });
    }
    void pick(const QString& text, const QString& fileToOpen = {})
    {
        prompts->fileToOpen = fileToOpen;
        item(text)->trigger();
    }
    QWidgetList editingControls() const
    {
        return tabs()->findChildren<QWidget*>(QRegularExpression("(Edit|Combo|List)$"));
    }
    QString takeLog() { return std::exchange(prompts->log, {}).join('\n'); }

    QString write(const QByteArray& bytes, const QString& name = {})
    {
        QFile file(name.isEmpty() ? path : directory.filePath(name));
        if (!QDir().mkpath(QFileInfo(file).path()) || !file.open(QIODevice::WriteOnly)
            || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
    }

    QTemporaryDir directory;
    const QString path = directory.filePath(
        QStringLiteral("Zo\u00EB \u041F\u0451\u0442\u0440 \u4E16\u754C \U0001F987/hero.npf"));
    RecordingPrompts* prompts = new RecordingPrompts; // owned by the dialog
    EditorDialog dialog;
    std::optional<fixtures::ImmutableFile> lock;
};

// One thing the user, or the world around the file, does during a session.
using Step = std::function<void(Editor&)>;

// Clears an edit and types the text, one key press a character (a surrogate pair being one).
Step type(const QString& edit, const QString& text)
{
    return [=](Editor& e) {
        e.find(edit)->clear();
        for (qsizetype at = 0, length = 1; at < text.size(); at += length) {
            length = text.at(at).isHighSurrogate() ? 2 : 1;
            QTest::sendKeyEvent(
                QTest::Click, e.find(edit), Qt::Key_unknown, text.mid(at, length), Qt::NoModifier);
        }
    };
}
Step choose(const QString& combo, int entry)
{
    return [=](Editor& e) { e.find<QComboBox>(combo)->setCurrentIndex(entry); };
}
Step clickFlag(int row)
{
    return [=](Editor& e) {
        QListWidget* list = e.find<QListWidget>("flagList");
        list->scrollToItem(list->item(row));
        const QRect box = list->visualItemRect(list->item(row));
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, box.topLeft() + QPoint(1, 1) * box.height() / 2);
    };
}
// A click on a tab, or that far beside the tab.
Step clickTab(int index, QPoint beside = {})
{
    return [=](Editor& e) {
        const QRect tab = e.tabs()->tabBar()->tabRect(index);
        const QPoint at = beside.isNull() ? tab.center() : tab.topRight() + beside;
        QTest::mouseClick(e.tabs()->tabBar(), Qt::LeftButton, {}, at);
    };
}
// A key pressed on the tab bar, or on the first edit of the page shown.
Step press(Qt::Key key, bool onPage = false)
{
    return [=](Editor& e) {
        QWidget* page = e.tabs()->currentWidget()->findChild<QLineEdit*>();
        QTest::keyClick(onPage ? page : e.tabs()->tabBar(), key);
    };
}
Step pick(const QString& item)
{
    return [=](Editor& e) { e.pick(item); };
}
// File > Open on a file with these bytes: the character file, or one of that name.
Step open(const QByteArray& bytes, const QString& name = {})
{
    return [=](Editor& e) { e.pick("&Open", e.write(bytes, name)); };
}
// The character file replaced by these bytes, removed where there are none,
// or made a directory.
Step replaceFile(const QByteArray& bytes, bool directory = false)
{
    return [=](Editor& e) {
        std::filesystem::remove(filePathOf(e.path));
        if (directory)
            QDir().mkdir(e.path);
        else if (!bytes.isEmpty())
            e.write(bytes);
    };
}
Step lockFile(bool locked)
{
    return [=](Editor& e) { locked ? void(e.lock.emplace(filePathOf(e.path))) : e.lock.reset(); };
}

// A character as a save leaves it: every pair equal, its clan key and model
// strings its own, and values that the pages cannot show exactly.
CharacterRecord tidyCharacter()
{
    CharacterRecord record = npftools::sampleCharacter();
    record.characterName = record.characterNameCopy = "Mireille \x80\x9F\x81"; // the code page's own letters
    record.generation = FloatBits{0x7FC01234}; // a NaN with a payload
    record.blood = record.bloodCopy = FloatBits::fromValue(1234.5678F);
    record.faith = FloatBits::fromValue(1.0F / 3.0F);
    record.soakSun = FloatBits{0x7F800000}; // infinity
    return record;
}

// The same character in a file that disagrees with itself: every copy differs,
// the clan key is stale and the model strings are not its row's.
CharacterRecord untidy(CharacterRecord r)
{
    std::uint32_t bits = 0x40400000;
    for (const auto& real : editing::shownReals) {
        if (real.copy)
            r.*real.copy = FloatBits{bits++};
    }
    std::tie(r.characterNameCopy, r.totalXpCopy, r.clanKey) = std::tuple("Someone Else", 5, "stale");
    r.bodyFile = r.headFile = r.shortCode = r.soundSet = "old";
    return r;
}

// A session: a character dropped onto the window (or none), the steps, then
// File > Save. Afterwards: the messages, the page shown, what the file and the
// record hold (when there is a file), the edit a failed check leaves the
// focus in, and the entry each list shows.
struct Session {
    std::optional<CharacterRecord> loaded;
    QList<Step> steps;
    std::optional<CharacterRecord> saved;
    QString log;
    int shown = 0;
    QString focus = {};
    QString lists = {};
};

} // namespace

Q_DECLARE_METATYPE(Session)

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void helpF1AndTheAboutPictureOpenTheGuide()
    {
        Editor e;
        e.dialog.show();
        e.prompts->meetDialog = [](QDialog& about) {
            about.show();
            QTest::mouseClick(about.findChild<QLabel*>("picture"), Qt::LeftButton, {}, QPoint(10, 10));
        };
        e.pick("&Help");
        QTest::keyClick(e.find("nameEdit"), Qt::Key_F1);
        e.pick("&About");

        const QUrl guide = EditorDialog::guideUrl();
        QVERIFY2(QFileInfo::exists(guide.toLocalFile()), qPrintable(guide.toString()));
        const QString open = "open " + guide.toString();
        QCOMPARE(e.takeLog(), QStringList({open, open, "dialog About Veyrith", open}).join('\n'));
    }

    void openDialogTakesABareNameAsACharacterFile()
    {
        Editor e;
        for (const char* name : {"hero.npf", "plain", "both", "both.npf"})
            e.write("npf", name);
        for (const auto& [typed, opened] :
            {std::pair("hero", "hero.npf"), {"plain", "plain"}, {"both", "both.npf"}}) {
            const std::unique_ptr<QFileDialog> dialog = DesktopPrompts::createOpenDialog(&e.dialog);
            QCOMPARE(dialog->defaultSuffix(), "npf");
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
    }

    void sessions_data()
    {
        QTest::addColumn<Session>("s");
        const auto add = [](const char* row, const Session& session) { QTest::newRow(row) << session; };
        const QString saved = "information | Veyrith | File saved successfully.";
        const CharacterRecord good = npftools::sampleCharacter();
        const auto named = [&](const std::string& name) {
            CharacterRecord r = good;
            r.characterName = r.characterNameCopy = name;
            return r;
        };

        // Switching pages keeps what was typed, and Enter and Escape close nothing.
        const Step anna = type("nameEdit", "Anna 12.5x");
        const CharacterRecord annas = named("Anna 12.5x");
        add("click on Stats", {good, {anna, clickTab(1)}, annas, saved, 1});
        add("second click on Stats", {good, {anna, clickTab(1), clickTab(1)}, annas, saved, 1});
        add("click beside the tabs", {good, {anna, clickTab(1), clickTab(1, {30, 5})}, annas, saved, 1});
        add("right arrow", {good, {anna, press(Qt::Key_Right)}, annas, saved, 1});
        add("right and left arrows", {good, {anna, press(Qt::Key_Right), press(Qt::Key_Left)}, annas, saved});
        const QList<Step> enterAndEscape{
            press(Qt::Key_Return, true), press(Qt::Key_Enter, true), press(Qt::Key_Escape, true)};
        add("Enter and Escape on Stats", {good, QList{anna, clickTab(1)} + enterAndEscape, annas, saved, 1});
        // The edits take no more, and no other characters, than the file can hold.
        const QString full(32, 'x');
        add("33rd character", {good, {type("nameEdit", full + 'y')}, named(full.toStdString()), saved});
        add("outside the code page",
            {good, {type("nameEdit", QStringLiteral("A\u0100\u20AC\u4E2D\u0160\U0001F987\u00FF"))},
                named("A\x80\x8A\xFF"), saved});

        // Each load follows one of a character with an unknown race and model
        // and other flags: its extra entries and flags must not outlive it.
        CharacterRecord earlier = good;
        std::tie(earlier.modelId, earlier.race, earlier.actorFlags)
            = std::tuple("mp_earlier", 9, ~good.actorFlags);
        const auto loadRow = [&](const char* row, const char* modelId, int race, const char* lists) {
            CharacterRecord r = good;
            fixtures::putSamuelModel(r);
            std::tie(r.modelId, r.race) = std::tuple(modelId, race);
            add(row, {earlier, {open(bytesOf(r))}, r, saved, 0, {}, lists});
        };
        loadRow("known model, race below", "mp_samuel_da", -1, "13 Samuel MD of 19, 5 Unknown of 6");
        loadRow("unknown model", "mp_nosferatu", 0, "19 mp_nosferatu of 20, 0 0 - Vampire of 5");
        loadRow("trailing space", "mp_samuel_da ", 1, "19 mp_samuel_da  of 20, 1 1 - Ghoul of 5");
        loadRow("empty", "", 2, "19  of 20, 2 2 - Human of 5");
        loadRow("capitalised", "MP_SAMUEL_DA", 3, "19 MP_SAMUEL_DA of 20, 3 3 - Monster of 5");
        loadRow("race above", "mp_samuel_da", 5, "13 Samuel MD of 19, 5 Unknown of 6");

        // Saves without edits tidy the file and keep what the lists cannot map.
        const CharacterRecord tidy = tidyCharacter();
        const CharacterRecord messy = untidy(tidy);
        add("no edits", {messy, {}, tidy, saved});
        CharacterRecord custom = tidy;
        std::tie(custom.race, custom.modelId) = std::tuple(7, "mp_custom");
        add("race and model outside the lists", {custom, {}, custom, saved});
        for (const quint32 flags : {0u, 0xFFFFFFFFu, 0x80000000u}) {
            CharacterRecord flagged = tidy;
            flagged.actorFlags = static_cast<std::int32_t>(flags);
            QTest::addRow("flags %x", flags) << Session{flagged, {}, flagged, saved};
        }

        CharacterRecord edited = tidy;
        edited.characterName = edited.characterNameCopy = "\xC9lodie \x86";
        std::tie(edited.clanName, edited.clanKey, edited.race) = std::tuple(" a B\xC9 c ", "ab\xE9\x63", 3);
        fixtures::putSamuelModel(edited);
        edited.actorFlags = static_cast<std::int32_t>(0x80008080u);
        edited.cash = std::numeric_limits<std::int32_t>::min();
        edited.totalXp = edited.totalXpCopy = 7;
        edited.generation = FloatBits::fromValue(1000);
        edited.health = edited.healthCopy = FloatBits::fromValue(0.1F);
        edited.soakElec = FloatBits::fromValue(22.5F);
        add("every kind of control edited",
            {messy,
                {type("nameEdit", QStringLiteral("\u00C9lodie \u2020")),
                    type("clanEdit", QStringLiteral(" a B\u00C9 c ")), choose("raceCombo", 3),
                    choose("modelCombo", 13), clickFlag(31), clickFlag(3), type("cashEdit", "-99999999999"),
                    type("totalXpEdit", " 007 "), type("generationEdit", "1d3"), type("healthEdit", ".1"),
                    type("soakElecEdit", "+2.25E1")},
                edited, saved});

        // A failing field is brought into view, whichever page shows.
        const QString check = "exclamation | test_window | Please enter ";
        add("cash and generation bad, Stats showing",
            {messy,
                {type("nameEdit", "Changed"), choose("raceCombo", 4), type("cashEdit", "12abc"),
                    type("generationEdit", "x"), clickTab(1)},
                messy, check + "an integer.", 0, "cashEdit"});
        add("a stats field bad, Main showing",
            {messy, {type("healthEdit", "1,5"), type("soakElecEdit", "x")}, messy, check + "a number.", 1,
                "healthEdit"});

        // The edited character meets a bad file; the next Save still goes to
        // the character's file, and only there.
        CharacterRecord edit = good;
        edit.cash = 31337;
        const Step cash = type("cashEdit", "31337"), mend = replaceFile(bytesOf(good));
        const QByteArray junk(1024, 'x'), cut = bytesOf(good).left(200);
        const QString invalid = "stop | Invalid file | File is not a valid NPF file.";
        const QString unreadable = "stop | Error | Could not read NPF file.";
        const QString notSaved = "stop | Veyrith | File could not be saved.\n" + saved, other = "other.npf";
        add("invalid header opened before any load", {{}, {open(junk, other)}, {}, invalid});
        add("too short opened before any load", {{}, {open(cut, other)}, {}, unreadable});
        add("invalid header opened", {good, {cash, open(junk, other)}, edit, invalid + '\n' + saved});
        add("too short opened", {good, {cash, open(cut, other)}, edit, unreadable + '\n' + saved});
        add("Open cancelled", {good, {cash, pick("&Open")}, edit, saved});
        add("deleted at save", {good, {cash, replaceFile({}), pick("&Save"), mend}, edit, notSaved});
        add("truncated at save",
            {good, {cash, replaceFile(bytesOf(good).left(795)), pick("&Save"), mend}, edit, notSaved});
        add("not an NPF file at save",
            {good, {cash, replaceFile(junk), pick("&Save"), mend}, edit, notSaved});
        add("a directory at save",
            {good, {cash, replaceFile({}, true), pick("&Save"), mend}, edit, notSaved});
        add("unwritable at save",
            {good, {cash, lockFile(true), pick("&Save"), lockFile(false)}, edit, notSaved});
    }
    void sessions()
    {
        QFETCH(Session, s);
        Editor e;
        e.dialog.show();
        QVERIFY(e.dialog.windowTitle().startsWith("Veyrith 2 by "));
        QCOMPARE(e.editingControls().size(), 28);
        if (s.loaded) {
            QMimeData drag;
            drag.setUrls({QUrl::fromLocalFile(e.write(bytesOf(*s.loaded)))});
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
            enter.setAccepted(false);
            QApplication::sendEvent(&e.dialog, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&e.dialog, &drop);
            for (const auto& number : editing::shownReals)
                QCOMPARE(e.find(number.name.data() + QString("Edit"))->text(),
                    QString::fromStdString(editing::formatReal((*s.loaded.*number.field).value())));
            for (const auto& number : editing::shownIntegers)
                QCOMPARE(e.find(number.name.data() + QString("Edit"))->text(),
                    QString::fromStdString(editing::formatInteger(*s.loaded.*number.field)));
        }
        const QString caption = e.dialog.windowTitle();
        QCOMPARE(caption.endsWith(" - " + e.path), s.loaded.has_value());
        for (const Step& step : s.steps)
            step(e);
        if (e.lock && !e.lock->locked())
            QSKIP("chattr +i failed, and without the immutable attribute root can write any file");
        e.pick("&Save");

        QCOMPARE(e.takeLog(), s.log);
        QCOMPARE(e.dialog.windowTitle(), caption);
        QCOMPARE(e.item("&Save")->isEnabled(), s.loaded.has_value());
        for (QWidget* control : e.editingControls())
            QCOMPARE(control->isEnabled(), s.loaded.has_value());
        for (QLabel* label : e.dialog.findChildren<QLabel*>())
            QVERIFY(label->isEnabled());
        QCOMPARE(e.tabs()->currentIndex(), s.shown);
        QVERIFY(e.tabs()->widget(s.shown)->isVisible() && !e.tabs()->widget(1 - s.shown)->isVisible());
        if (s.saved) {
            QCOMPARE(firstDifference(e.path, bytesOf(*s.saved)), -1);
            QVERIFY(e.dialog.record() == *s.saved);
        }
        if (!s.focus.isEmpty()) {
            QCOMPARE(e.dialog.focusWidget(), e.find(s.focus));
            QCOMPARE(e.find(s.focus)->selectedText(), e.find(s.focus)->text());
        }
        const auto shownBy = [&](const QString& name) {
            const auto* c = e.find<QComboBox>(name);
            return QString("%1 %2 of %3").arg(c->currentIndex()).arg(c->currentText()).arg(c->count());
        };
        if (!s.lists.isEmpty())
            QCOMPARE(shownBy("modelCombo") + ", " + shownBy("raceCombo"), s.lists);
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
