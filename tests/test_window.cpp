// The editor window driven as a user drives it, in a folder whose name no
// code page holds. A save is judged by every byte of the file.
#include "desktop_prompts.h"
#include "editor_command_line.h"
#include "editor_dialog.h"
#include "file_paths.h"
#include "page_tab_ctrl.h"
#include "test_fixtures.h"

#include "editing/page_values.h"
#include "tools/npf_builder.h"
#include "veyrith_version.h"

#include <QtTest>
#include <QtWidgets>

#include <clocale>
#include <functional>
#include <optional>

using npf::CharacterRecord;
using npf::FloatBits;

namespace {

// Stands in for every modal prompt, so no test waits on a modal loop: notes
// what was shown or opened, answers Open with a scripted path, and hands a
// dialog to meetDialog for a step to act on.
struct RecordingPrompts : UserPrompts {
    void showMessage(
        Icon icon, const QString& caption, const QString& text, const QString& informative) override
    {
        static const char* const icons[] = {"stop", "information", "exclamation"};
        log << QString("%1 | %2 | %3").arg(icons[int(icon)], caption, text)
                + (informative.isEmpty() ? QString() : " | " + informative);
    }
    QString chooseFileToOpen() override { return fileToOpen; }
    bool openUrl(const QUrl& url) override
    {
        log << "open " + url.toString();
        return urlOpens;
    }
    void runDialog(QDialog& dialog) override
    {
        log << "dialog " + dialog.windowTitle();
        meetDialog(dialog);
    }

    QStringList log;
    QString fileToOpen;
    bool urlOpens = true;
    std::function<void(QDialog&)> meetDialog = [](QDialog&) {};
};

QByteArray bytesOf(const CharacterRecord& record)
{
    const std::vector<char> bytes = npftools::buildNpfBytes(record, 1024, 41);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

struct Editor {
    Editor() { dialog.setUserPrompts(std::unique_ptr<UserPrompts>(prompts)); }

    template <class C = QLineEdit> C* find(const QString& name) const { return dialog.findChild<C*>(name); }
    PageTabCtrl* tabs() const { return dialog.findChild<PageTabCtrl*>(); }
    // A menu item, found by its text as the user finds it.
    QAction* item(const QString& text) const
    {
        const QList<QAction*> all = dialog.findChildren<QAction*>();
        return *std::find_if(
            all.begin(), all.end(), [&](QAction* a) { return !a->menu() && a->text() == text; });
    }

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

// On the pages' controls, then on the menus, the dialogs and the file. Key: on
// the tab bar; Keys: where the focus is, Open answering the character's own file.
// clang-format off
enum class Do { Type, Paste, Wheel, Choose, ClickFlag, ClickTab, Key, KeyOnPage,
    Keys, Pick, NoHandler, ClickPicture, Open, Replace, Lock };
// clang-format on

// On the control, menu item or file name gives. Replace with no bytes removes
// the file; Lock makes it unwritable even for root, or the row is skipped, and
// then writable again.
struct Step {
    Do what;
    QString name = {};
    QVariant value = {};
};

void perform(Editor& e, const Step& step)
{
    QTabBar* bar = e.tabs()->tabBar();
    const int number = step.value.toInt();
    using enum Do;
    switch (step.what) {
    case Type: // cleared, then one key press a character (a surrogate pair being one)
        e.find(step.name)->clear();
        for (const QString& key : step.value.toString().split(QRegularExpression("(?!^)(?=.)")))
            QTest::sendKeyEvent(QTest::Click, e.find(step.name), Qt::Key_unknown, key, {});
        return;
    case Paste: // at the cursor, where a load leaves it; then what the tooltip says
        QApplication::clipboard()->setText(step.value.toString());
        QTest::keySequence(e.find(step.name), QKeySequence::Paste);
        e.prompts->log << "tip " + (QToolTip::isVisible() ? QToolTip::text() : QString());
        return;
    case Wheel: { // one notch down over a control, after focusing it if asked: only a focused list takes it
        QWidget* control = e.find<QWidget>(step.name);
        if (step.value.toBool())
            control->setFocus();
        QWheelEvent down({5, 5}, control->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, {}, {}, {}, false);
        QApplication::sendEvent(control, &down);
        return;
    }
    case Choose:
        return e.find<QComboBox>(step.name)->setCurrentIndex(number);
    case ClickFlag: {
        QListWidget* list = e.find<QListWidget>("flagList");
        list->scrollToItem(list->item(number));
        const QRect box = list->visualItemRect(list->item(number));
        return QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, box.topLeft() + QPoint(1, 1) * box.height() / 2);
    }
    case ClickTab: // a tab, or beside the last one
        return QTest::mouseClick(bar, Qt::LeftButton, {},
            number < bar->count() ? bar->tabRect(number).center()
                                  : bar->tabRect(1).topRight() + QPoint(30, 5));
    case Key:
        return QTest::keyClick(bar, Qt::Key(number));
    case KeyOnPage:
        return QTest::keyClick(e.tabs()->currentWidget()->findChild<QLineEdit*>(), Qt::Key(number));
    case Keys:
        e.prompts->fileToOpen = e.path;
        return QTest::keySequence(QApplication::focusWidget(), step.value.value<QKeySequence>());
    case Pick:
        return e.item(step.name)->trigger();
    case NoHandler:
        e.prompts->urlOpens = false;
        return;
    case ClickPicture: // in each dialog shown from now on, after reading what lies under the picture
        e.prompts->meetDialog = [&e](QDialog& dialog) {
            dialog.show();
            auto* picture = dialog.findChild<QLabel*>("picture");
            for (const QLabel* label : dialog.findChildren<QLabel*>())
                if (label->geometry().top() >= picture->geometry().bottom())
                    e.prompts->log << "under the picture: " + label->text();
            QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
        };
        return;
    case Open:
        e.prompts->fileToOpen = e.write(step.value.toByteArray(), step.name);
        return e.item("&Open")->trigger();
    case Replace:
        std::filesystem::remove(filePathOf(e.path));
        if (!step.value.toByteArray().isEmpty())
            e.write(step.value.toByteArray());
        return;
    case Lock: // unwritable, or writable again
        return e.lock ? e.lock.reset() : void(e.lock.emplace(filePathOf(e.path)));
    }
}

// A character dropped on the window (or none), the steps, then File > Save;
// then the messages, the page shown, the file and record, the focused edit
// and what the lists show.
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
    void openDialogTakesABareNameAsACharacterFile()
    {
        Editor e;
        for (const char* name : {"hero.npf", "plain", "both", "both.npf"})
            e.write("npf", name);
        for (const auto& [typed, opened] :
            {std::pair("hero", "hero.npf"), {"plain", "plain"}, {"both", "both.npf"}}) {
            const std::unique_ptr<QFileDialog> dialog = DesktopPrompts::createOpenDialog(&e.dialog);
            QCOMPARE(dialog->defaultSuffix(), "npf");
#ifdef _WIN32
            QCOMPARE(dialog->nameFilters(), QStringList({"NPF files (*.npf)", "All Files (*.*)"}));
#else
            QCOMPARE(dialog->nameFilters(), QStringList({"NPF files (*.npf)", "All Files (*)"}));
#endif
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            // Accepted as the user's OK would, without the dialog's modal loop.
            dialog->show();
            dialog->selectFile(e.directory.filePath(typed));
            QMetaObject::invokeMethod(dialog.get(), "accept");
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(dialog->selectedFiles(), QStringList(e.directory.filePath(opened)));
        }
    }

    void sessions_data()
    {
        QTest::addColumn<Session>("s");
        using enum Do;
        const auto add = [](const char* row, const Session& session) { QTest::newRow(row) << session; };
        const QString saved = "information | Veyrith | File saved successfully.";
        // A character as a save leaves it, with values the pages cannot show exactly.
        CharacterRecord good = npftools::sampleCharacter();
        good.characterName = good.characterNameCopy = "Mireille \x80\x9F\x81"; // the code page's own letters
        good.generation = FloatBits{0x7FC01234}; // a NaN with a payload
        good.blood = good.bloodCopy = FloatBits::fromValue(1234.5678F);
        CharacterRecord annas = good, pasted = good;
        annas.characterName = annas.characterNameCopy = "Anna 12.5x";
        pasted.characterName = pasted.characterNameCopy = std::string(20, 'x') + good.characterName;
        pasted.clanName = "A\x80\x8A\xFF" + good.clanName;
        pasted.clanKey = "a\x80\x9A\xFF" + good.clanKey;

        // Switching pages keeps what was typed, and Enter and Escape close nothing.
        const Step anna{Type, "nameEdit", "Anna 12.5x"}, stats{ClickTab, {}, 1};
        add("clicks on Stats, again, beside the tabs, Enter and Escape",
            {good,
                {anna, stats, stats, {ClickTab, {}, 2}, {KeyOnPage, {}, Qt::Key_Return},
                    {KeyOnPage, {}, Qt::Key_Enter}, {KeyOnPage, {}, Qt::Key_Escape}},
                annas, saved, 1});
        // Ctrl+S saves 31337; Ctrl+O reopens the file, dropping the typed 5.
        CharacterRecord edit = good;
        edit.cash = 31337;
        const Step cash{Type, "cashEdit", "31337"};
        add("Ctrl+S, Ctrl+O, Enter, Escape, right and left arrows",
            {good,
                {cash, {Keys, {}, QKeySequence(QKeySequence::Save)}, {Type, "cashEdit", "5"},
                    {Keys, {}, QKeySequence(QKeySequence::Open)}, {KeyOnPage, {}, Qt::Key_Return},
                    {KeyOnPage, {}, Qt::Key_Escape}, {Key, {}, Qt::Key_Right}, {Key, {}, Qt::Key_Left}},
                edit, saved + '\n' + saved});
        add("right arrow", {good, {anna, {Key, {}, Qt::Key_Right}}, annas, saved, 1});
        // A paste keeps what the file can hold, and says what it left out.
        add("pasted: 44 characters, characters outside the code page",
            {good,
                {{Paste, "nameEdit", QString(44, 'x')},
                    {Paste, "clanEdit", QStringLiteral("A\u0100\u20AC\u4E2D\u0160\U0001F987\u00FF")}},
                pasted,
                "tip Left out, past the 32 characters that fit: xxxxxxxxxxxxxxxx\u2026\n"
                "tip Left out, as Windows-1252 cannot hold them: \u0100\u4E2D\U0001F987\n"
                    + saved});
        const QString guide = "open " + EditorDialog::guideUrl().toString() + '\n',
                      guidePath = QDir::toNativeSeparators(EditorDialog::guideUrl().toLocalFile());
        QVERIFY(QFileInfo::exists(guidePath));
        add("Help, F1, the about picture, Help with no handler",
            {good,
                {{Pick, "&Help"}, {KeyOnPage, {}, Qt::Key_F1}, {ClickPicture}, {Pick, "&About"}, {NoHandler},
                    {Pick, "&Help"}},
                good,
                guide + guide + "dialog About Veyrith\nunder the picture: Version " VEYRITH_VERSION "\n"
                    + guide + guide
                    + "stop | Veyrith | The user guide could not be opened. | Open this file in a web "
                    + "browser:\n" + guidePath + '\n' + saved});

        // After a character with an unknown race, model and other flags, whose
        // extra entries must not outlive it; one outside the lists saves untouched.
        CharacterRecord earlier = good, known = good, unknown = good;
        std::tie(earlier.modelId, earlier.race, earlier.actorFlags)
            = std::tuple("mp_earlier", 9, ~good.actorFlags);
        fixtures::putSamuelModel(known);
        std::tie(known.race, known.actorFlags, unknown.modelId) = std::tuple(-1, -1, "mp_nosferatu");
        for (const auto& [row, r, lists] :
            {std::tuple("known model, race outside, every flag", known, "13 Samuel MD of 19, 5 Unknown of 6"),
                {"model outside, known race", unknown, "19 mp_nosferatu of 20, 0 0 - Vampire of 5"}})
            add(row, {earlier, {{Open, {}, bytesOf(r)}}, r, saved, 0, {}, lists});

        CharacterRecord edited = good;
        fixtures::putSamuelModel(edited);
        edited.characterName = edited.characterNameCopy = "\xC9lodie \x86";
        std::tie(edited.clanName, edited.clanKey, edited.race, edited.actorFlags, edited.cash)
            = std::tuple(" a B\xC9 c ", "ab\xE9\x63", 4, std::int32_t(0x80008080u), INT32_MIN);
        edited.totalXp = edited.totalXpCopy = 7;
        std::tie(edited.generation, edited.health, edited.healthCopy, edited.soakElec)
            = std::tuple(FloatBits::fromValue(1000), FloatBits::fromValue(0.1F), FloatBits::fromValue(0.1F),
                FloatBits::fromValue(22.5F));
        add("every kind of control edited",
            {good,
                {{Type, "nameEdit", QStringLiteral("\u00C9lodie \u2020")},
                    {Type, "clanEdit", QStringLiteral(" a B\u00C9 c ")}, {Choose, "raceCombo", 3},
                    {Choose, "modelCombo", 13}, {Wheel, "modelCombo"}, {Wheel, "raceCombo"},
                    {Wheel, "raceCombo", true}, {ClickFlag, {}, 31}, {ClickFlag, {}, 3},
                    {Type, "cashEdit", "-99999999999"}, {Type, "totalXpEdit", " 007 "},
                    {Type, "generationEdit", "1d3"}, {Type, "healthEdit", ".1"},
                    {Type, "soakElecEdit", "+2.25E1"}},
                edited,
                saved + " | Cash: -99999999999 is stored as -2147483648, the smallest the file holds"});

        // A failing field is brought into view, whichever page shows.
        const QString check = "exclamation | test_window | Please enter ";
        add("cash and generation bad, Stats showing",
            {good, {anna, {Type, "cashEdit", "-0"}, {Type, "generationEdit", "x"}, stats}, good,
                check + "an integer. | Zero is taken only from a text that begins with 0.", 0, "cashEdit"});
        add("a stats field bad, Main showing",
            {good, {anna, {Type, "healthEdit", "1e39"}, {Type, "soakElecEdit", "x"}}, good,
                check + "a number. | It lies beyond the largest float, 3.4028235e+38.", 1, "healthEdit"});

        // After a bad file, Save still goes to the character's file only.
        const QByteArray cut = bytesOf(good).left(200);
        const QString unreadable = "stop | Error | Could not read NPF file. | It is shorter than 796 bytes, "
                                   "the least that holds every field.";
        add("too short opened before any load", {{}, {{Open, "other.npf", cut}}, {}, unreadable});
        add("invalid header opened",
            {good, {cash, {Open, "other.npf", QByteArray(1024, 'x')}}, edit,
                "stop | Invalid file | File is not a valid NPF file.\n" + saved});
        add("Open cancelled, then a too short file opened",
            {good, {cash, {Pick, "&Open"}, {Open, "other.npf", cut}}, edit, unreadable + '\n' + saved});
        const QString unsaved = "stop | Veyrith | File could not be saved. | ";
        add("deleted, then cut short at save",
            {good,
                {cash, {Replace}, {Pick, "&Save"}, {Replace, {}, bytesOf(good).left(795)}, {Pick, "&Save"},
                    {Replace, {}, bytesOf(good)}},
                edit,
                unsaved + "No such file.\n" + unsaved
                    + "The file changed since it was read and no longer holds every field of an NPF file; "
                      "nothing was written.\n"
                    + saved});
        add("locked at save",
            {good, {cash, {Lock}, {Pick, "&Save"}, {Lock}}, edit,
                unsaved + "Permission denied; the file may be read-only.\n" + saved});
    }
    void sessions()
    {
        QFETCH(Session, s);
        // Run again by ctest under a comma-decimal locale (LOCPATH), which Qt hands to the C library.
        QCOMPARE(std::localeconv()->decimal_point, qEnvironmentVariableIsSet("LOCPATH") ? "," : ".");
        Editor e;
        e.dialog.show();
        // Active, as the user's window is, so that its shortcuts take keys.
        e.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&e.dialog));
        const auto controls = e.dialog.findChildren<QWidget*>(QRegularExpression("(Edit|Combo|List)$"));
        QCOMPARE(controls.size(), 28);
        if (s.loaded) {
            QMimeData drag;
            drag.setUrls({QUrl::fromLocalFile(e.write(bytesOf(*s.loaded)))});
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&e.dialog, &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&e.dialog, &drop);
            QVERIFY(drop.isAccepted());
            // Each number in its own edit, from its first character, as "%.6g" shows it in the C locale.
            const auto edit = [&](auto number) {
                const QLineEdit* field = e.find(QString::fromUtf8(number.name) + "Edit");
                return field->cursorPosition() == 0 ? field->text() : "shown from its end: " + field->text();
            };
            for (const auto& real : editing::shownReals)
                QCOMPARE(edit(real), QString::number((*s.loaded.*real.field).value(), 'g', 6));
            for (const auto& integer : editing::shownIntegers)
                QCOMPARE(edit(integer), QString::number(*s.loaded.*integer.field));
        }
        const QString caption = "Veyrith 2 by the Veyrith team"
            + (s.loaded ? " - " + QDir::toNativeSeparators(e.path) : QString());
        QCOMPARE(e.dialog.windowTitle(), caption);
        for (const Step& step : s.steps) {
            perform(e, step);
            if (e.lock && !e.lock->locked())
                QSKIP("chattr +i is not available here, so no file can refuse root a save");
        }
        e.item("&Save")->trigger();

        QCOMPARE(e.prompts->log.join('\n'), s.log);
        QCOMPARE(e.dialog.windowTitle(), caption);
        QCOMPARE(e.item("&Save")->isEnabled(), s.loaded.has_value());
        for (QWidget* control : controls)
            QCOMPARE(control->isEnabled(), s.loaded.has_value());
        for (QLabel* label : e.dialog.findChildren<QLabel*>())
            QVERIFY(label->isEnabled());
        QCOMPARE(e.tabs()->currentIndex(), s.shown);
        QVERIFY(e.tabs()->widget(s.shown)->isVisible() && !e.tabs()->widget(1 - s.shown)->isVisible());
        QFile file(e.path);
        QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
            s.saved ? bytesOf(*s.saved) : QByteArray());
        QVERIFY(e.dialog.record() == s.saved.value_or(CharacterRecord{}));
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

    // A file named on the command line, relative to where the program starts,
    // opens as File > Open opens the whole path; a missing one or a folder as a
    // bad file, saying why.
    void fileOnTheCommandLine()
    {
        Editor e;
        e.write(bytesOf(npftools::sampleCharacter()));
        const QString started = QDir::currentPath();
        QDir::setCurrent(QFileInfo(e.path).path());
        QDir().mkdir("folder.npf");
        for (const char* name : {"-hero.npf", "folder.npf", "./sub/../hero.npf"})
            e.dialog.loadCharacter(readEditorCommandLine({"veyrith", "--", name}).file);
        QDir::setCurrent(started);
        const QString invalid = "stop | Invalid file | File is not a valid NPF file. | ";
        QCOMPARE(e.prompts->log, QStringList({invalid + "No such file.", invalid + "It is a folder."}));
        QCOMPARE(
            e.dialog.windowTitle(), "Veyrith 2 by the Veyrith team - " + QDir::toNativeSeparators(e.path));
        QVERIFY(e.dialog.record() == npftools::sampleCharacter());
    }

    // The built program with no display (a window would fail): its status, and
    // what it says on standard output when it succeeds, else on standard error.
    void programCommandLine()
    {
        const QString usage = QRegularExpression::escape(
            QString("Usage: %1 [options] [FILE]\n").arg(QDir::toNativeSeparators(VEYRITH_EDITOR)));
        const auto refused = [&](const QString& reason) {
            return QRegularExpression::escape(reason + '\n') + usage + "Try --help for more.\n";
        };
        // The arguments, the status, and a pattern of what is said; -platform is Qt's own option.
        const std::tuple<QStringList, int, QString> rows[]
            = {{{"--version", "hero.npf"}, 0, QRegularExpression::escape("veyrith " VEYRITH_VERSION "\n")},
                {{"--help"}, 0, usage + "(.*\n)*  -v, --version .*\n(.*\n)*  FILE .*\n"},
                {{"--bogus", "hero.npf"}, 2, refused("Unknown option 'bogus'.")},
                {{"-platform", "offscreen"}, 2, refused("Unknown option 'platform'.")},
                {{"a.npf", "b.npf"}, 2, refused("Only one file can be opened at a time.")},
                {{""}, 2, refused("The file name is empty.")}};
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.insert("QT_QPA_PLATFORM", "xcb");
        for (const auto& [arguments, status, said] : rows) {
            QProcess program;
            program.setProcessEnvironment(environment);
            // A process the system could not create says nothing of the editor,
            // and Wine on a loaded machine may fail one: that start is made again.
            for (int attempt = 0; attempt < 3; ++attempt) {
                program.start(VEYRITH_EDITOR, arguments);
                if (program.waitForStarted() || program.error() != QProcess::FailedToStart)
                    break;
            }
            QVERIFY2(program.waitForFinished() && program.exitStatus() == QProcess::NormalExit,
                qPrintable(arguments.join(' ') + ": " + program.errorString()));
            QCOMPARE(program.exitCode(), status);
            // Text written on Windows ends its lines in CR LF.
            const auto text = [](const QByteArray& bytes) { return QString(bytes).replace("\r\n", "\n"); };
            const QString output = text(program.readAllStandardOutput()),
                          errors = text(program.readAllStandardError());
            QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(said))
                         .match(status ? errors : output)
                         .hasMatch(),
                qPrintable(arguments.join(' ') + ": " + output + errors));
            QVERIFY((status ? output : errors).isEmpty());
        }
    }
};

QTEST_MAIN(WindowTest)
#include "test_window.moc"
