// Loading a character into the real window and saving it back, with synthetic
// files in a temporary directory. Saves are judged by the whole file: every
// byte must be what the builder makes of the expected record, so a value that
// lands at a wrong offset, or a byte that should not have moved, shows up.
#include "window_test_support.h"

#include "file_paths.h"
#include "test_fixtures.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include <limits>
#include <optional>

using npf::CharacterRecord;
using npf::FloatBits;

Q_DECLARE_METATYPE(npf::CharacterRecord)
Q_DECLARE_METATYPE(QList<Step>)

namespace {

const QString saved = QStringLiteral("information | Veyrith | File saved successfully.");
// A folder whose name no single-byte code page holds.
const QString farAway = QStringLiteral("Zo\u00EB \u041F\u0451\u0442\u0440 \u4E16\u754C \U0001F987/");

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
CharacterRecord untidy(CharacterRecord record)
{
    record.characterNameCopy = "Someone Else";
    record.totalXpCopy = 5;
    std::uint32_t bits = 0x40400000;
    for (FloatBits CharacterRecord::*copy : {&CharacterRecord::healthCopy, &CharacterRecord::manaCopy,
             &CharacterRecord::bloodCopy, &CharacterRecord::strengthCopy, &CharacterRecord::dexterityCopy,
             &CharacterRecord::staminaCopy, &CharacterRecord::perceptionCopy,
             &CharacterRecord::intelligenceCopy, &CharacterRecord::witsCopy, &CharacterRecord::charismaCopy,
             &CharacterRecord::manipulationCopy, &CharacterRecord::appearanceCopy})
        record.*copy = FloatBits{bits++};
    record.clanKey = "stale";
    record.bodyFile = record.headFile = record.shortCode = record.soundSet = "old";
    return record;
}

} // namespace

class LoadSaveTest : public QObject {
    Q_OBJECT

private slots:
    void loadShowsTheCharacter_data();
    void loadShowsTheCharacter();
    void saveWritesThePagesIntoTheFile_data();
    void saveWritesThePagesIntoTheFile();
    void failuresNeverLoseTheLastGoodFile_data();
    void failuresNeverLoseTheLastGoodFile();
};

void LoadSaveTest::loadShowsTheCharacter_data()
{
    // Each load follows one of a character with an unknown race and model and
    // the other flags: its extra entries and flags must not outlive the load.
    QTest::addColumn<QString>("modelId");
    QTest::addColumn<int>("race");
    QTest::addColumn<QString>("shown");

    QTest::newRow("known model, race below") << "mp_lily" << -1 << "10 Lily of 19, 5 Unknown of 6";
    QTest::newRow("unknown model") << "mp_nosferatu" << 0 << "19 mp_nosferatu of 20, 0 0 - Vampire of 5";
    QTest::newRow("trailing space") << "mp_lily " << 1 << "19 mp_lily  of 20, 1 1 - Ghoul of 5";
    QTest::newRow("empty") << "" << 2 << "19  of 20, 2 2 - Human of 5";
    QTest::newRow("capitalised") << "MP_LILY" << 3 << "19 MP_LILY of 20, 3 3 - Monster of 5";
    QTest::newRow("crossed-over name") << "mp_samuel_da" << 4 << "13 Samuel MD of 19, 4 4 - Lupine of 5";
    QTest::newRow("race above") << "mp_erik" << 5 << "2 Erik DA of 19, 5 Unknown of 6";
}

void LoadSaveTest::loadShowsTheCharacter()
{
    QFETCH(QString, modelId);
    QFETCH(int, race);
    QFETCH(QString, shown);

    CharacterRecord record = npftools::sampleCharacter();
    record.modelId = "mp_earlier";
    record.race = 9;
    record.actorFlags = ~record.actorFlags;
    Editor e;
    e.load(record, QStringLiteral("earlier.npf"));
    record = npftools::sampleCharacter();
    record.modelId = modelId.toStdString();
    record.race = race;
    record.generation = FloatBits::fromValue(13);
    record.health = FloatBits::fromValue(0.5F);
    record.mana = FloatBits::fromValue(1.0F / 3.0F);
    record.blood = FloatBits::fromValue(1234.5678F);
    record.faith = FloatBits::fromValue(1e6F);
    record.cash = -5;
    e.load(record);

    // The selected row, its text and the entry count of each combo.
    const auto shownBy = [&](const char* name) {
        const auto* c = e.find<QComboBox>(QLatin1String(name));
        return QStringLiteral("%1 %2 of %3").arg(c->currentIndex()).arg(c->currentText()).arg(c->count());
    };
    QCOMPARE(shownBy("modelCombo") + QStringLiteral(", ") + shownBy("raceCombo"), shown);
    const QListWidget* flags = e.find<QListWidget>(QStringLiteral("flagList"));
    for (int bit = 0; bit < 32; ++bit)
        QCOMPARE(flags->item(bit)->checkState() == Qt::Checked, bool(record.actorFlags >> bit & 1));
    for (const QString number : {"generationEdit 13", "healthEdit 0.5", "manaEdit 0.333333",
             "bloodEdit 1234.57", "faithEdit 1e+06", "cashEdit -5"})
        QCOMPARE(e.find(number.section(' ', 0, 0))->text(), number.section(' ', 1));
}

void LoadSaveTest::saveWritesThePagesIntoTheFile_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<CharacterRecord>("loaded");
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<CharacterRecord>("expected");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const QString file = QStringLiteral("character.npf");
    const CharacterRecord tidy = tidyCharacter();
    const CharacterRecord messy = untidy(tidy);
    CharacterRecord custom = tidy;
    custom.race = 7;
    custom.modelId = "mp_custom";
    QTest::newRow("no edits") << file << messy << QList<Step>() << tidy << saved << "";
    QTest::newRow("race and model outside the lists")
        << file << custom << QList<Step>() << custom << saved << "";
    for (const quint32 flags : {0u, 0xFFFFFFFFu, 0x80000000u}) {
        CharacterRecord flagged = tidy;
        flagged.actorFlags = static_cast<std::int32_t>(flags);
        QTest::addRow("flags %x", flags) << file << flagged << QList<Step>() << flagged << saved << "";
    }

    CharacterRecord edited = tidy;
    edited.characterName = edited.characterNameCopy = "\xC9lodie \x86";
    edited.clanName = " a B\xC9\tc ";
    edited.clanKey = "ab\xE9\tc";
    edited.race = 3;
    fixtures::putSamuelModel(edited);
    edited.actorFlags = static_cast<std::int32_t>(0x80008080u);
    edited.cash = std::numeric_limits<std::int32_t>::min();
    edited.totalXp = edited.totalXpCopy = 7;
    edited.generation = FloatBits::fromValue(1000);
    edited.health = edited.healthCopy = FloatBits::fromValue(0.1F);
    edited.soakElec = FloatBits::fromValue(22.5F);
    QTest::newRow("every kind of control edited, in a far-away folder")
        << farAway + file << messy
        << QList{typeInto("nameEdit", QStringLiteral("\u00C9lodie \u2020")),
               typeInto("clanEdit", QStringLiteral(" a B\u00C9\tc ")), choose("raceCombo", 3),
               choose("modelCombo", 13), clickFlag(31), clickFlag(3), typeInto("cashEdit", "-99999999999"),
               typeInto("totalXpEdit", " \t007 "), typeInto("generationEdit", "1d3"),
               typeInto("healthEdit", ".1"), typeInto("soakElecEdit", "+2.25E1")}
        << edited << saved << "";

    // A failing field is brought into view, whichever page shows.
    const QString check = QStringLiteral("exclamation | test_load_save | Please enter ");
    QTest::newRow("cash and generation bad, Stats showing")
        << file << messy
        << QList{typeInto("nameEdit", "Changed"), choose("raceCombo", 4), typeInto("cashEdit", "12abc"),
               typeInto("generationEdit", "x"), clickTab(1)}
        << messy << check + "an integer."
        << "cashEdit";
    QTest::newRow("a stats field bad, Main showing")
        << file << messy << QList{typeInto("healthEdit", "1,5"), typeInto("soakElecEdit", "x"), clickTab(0)}
        << messy << check + "a number."
        << "healthEdit";
}

void LoadSaveTest::saveWritesThePagesIntoTheFile()
{
    QFETCH(QString, file);
    QFETCH(CharacterRecord, loaded);
    QFETCH(QList<Step>, steps);
    QFETCH(CharacterRecord, expected);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    Editor e;
    e.dialog.show();
    const QString path = e.load(loaded, file);
    QVERIFY(e.dialog.windowTitle().endsWith(QStringLiteral(" - ") + path));
    for (const Step& step : steps)
        step(e);
    // Nothing reaches the record before the save.
    QVERIFY(e.dialog.record() == loaded);
    e.item(QStringLiteral("&Save"))->trigger();

    QCOMPARE(e.takeLog(), message);
    QCOMPARE(firstDifference(path, Editor::bytesOf(expected)), -1);
    QVERIFY(e.dialog.record() == expected);
    if (!focus.isEmpty()) {
        QVERIFY(e.tabs()->currentWidget()->isAncestorOf(e.find(focus)));
        QCOMPARE(e.dialog.focusWidget(), e.find(focus));
        QCOMPARE(e.find(focus)->selectedText(), e.find(focus)->text());
    }
}

enum class Fault { OpenInstead, ReplaceAtSave, LockAtSave, DirectoryAtSave };

void LoadSaveTest::failuresNeverLoseTheLastGoodFile_data()
{
    // After a good file is (or is not) dropped onto the window and its cash
    // edited, File > Open chooses another file with these bytes, or the good
    // file is replaced by them (removed where there are none), made immutable
    // or turned into a directory before a save.
    QTest::addColumn<bool>("loadFirst");
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray good = Editor::bytesOf(npftools::sampleCharacter());
    const QString notSaved = QStringLiteral("stop | Veyrith | File could not be saved.");
    for (const bool loadFirst : {false, true}) {
        const char* when = loadFirst ? "after a load" : "before any load";
        QTest::addRow("invalid header opened %s", when)
            << loadFirst << Fault::OpenInstead << QByteArray(1024, 'x')
            << "stop | Invalid file | File is not a valid NPF file.";
        QTest::addRow("too short opened %s", when)
            << loadFirst << Fault::OpenInstead << good.left(200) << "stop | Error | Could not read NPF file.";
    }
    QTest::newRow("deleted at save") << true << Fault::ReplaceAtSave << QByteArray() << notSaved;
    QTest::newRow("truncated at save") << true << Fault::ReplaceAtSave << good.left(795) << notSaved;
    QTest::newRow("not an NPF file at save")
        << true << Fault::ReplaceAtSave << QByteArray(1024, 'x') << notSaved;
    QTest::newRow("unwritable at save") << true << Fault::LockAtSave << good << notSaved;
    QTest::newRow("a directory at save") << true << Fault::DirectoryAtSave << QByteArray() << notSaved;
}

void LoadSaveTest::failuresNeverLoseTheLastGoodFile()
{
    QFETCH(bool, loadFirst);
    QFETCH(Fault, fault);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    Editor e;
    CharacterRecord good = npftools::sampleCharacter();
    const QString goodPath = e.write(Editor::bytesOf(good), farAway + QStringLiteral("good.NPF"));
    if (loadFirst) {
        QMimeData drag;
        drag.setUrls({QUrl::fromLocalFile(goodPath)});
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(&e.dialog, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &drag, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&e.dialog, &drop);
    }
    const QString caption = e.dialog.windowTitle();
    QCOMPARE(caption.endsWith(QStringLiteral(" - ") + goodPath), loadFirst);
    e.find(QStringLiteral("cashEdit"))->setText(QStringLiteral("31337"));

    const bool open = fault == Fault::OpenInstead;
    const QString target = open ? e.directory.filePath(QStringLiteral("rejected.npf")) : goodPath;
    QFile::remove(target);
    if (fault == Fault::DirectoryAtSave)
        QVERIFY(QDir().mkdir(target));
    else if (!bytes.isEmpty())
        e.write(bytes, QDir(e.directory.path()).relativeFilePath(target));
    std::optional<fixtures::ImmutableFile> lock;
    if (fault == Fault::LockAtSave && !lock.emplace(filePathOf(target)).locked())
        QSKIP("chattr +i failed, and without the immutable attribute root can write any file");
    e.prompts->fileToOpen = target;
    e.item(open ? QStringLiteral("&Open") : QStringLiteral("&Save"))->trigger();

    QCOMPARE(e.takeLog(), message);
    QCOMPARE(e.dialog.windowTitle(), caption);
    QCOMPARE(e.item(QStringLiteral("&Save"))->isEnabled(), loadFirst);
    for (QWidget* control : e.editingControls())
        QCOMPARE(control->isEnabled(), loadFirst);
    QCOMPARE(QFileInfo(target).isFile(), !bytes.isEmpty());
    QCOMPARE(firstDifference(target, bytes), -1);
    if (!loadFirst)
        return;

    // Mend the fault; the next save goes to the good file, and only there.
    lock.reset();
    if (fault == Fault::DirectoryAtSave)
        QVERIFY(QDir().rmdir(target));
    if (!open)
        e.write(Editor::bytesOf(good), QDir(e.directory.path()).relativeFilePath(goodPath));
    e.item(QStringLiteral("&Save"))->trigger();
    QCOMPARE(e.takeLog(), saved);
    good.cash = 31337;
    QCOMPARE(firstDifference(goodPath, Editor::bytesOf(good)), -1);
    QCOMPARE(firstDifference(target, open ? bytes : Editor::bytesOf(good)), -1);
}

QTEST_MAIN(LoadSaveTest)
#include "test_load_save.moc"
