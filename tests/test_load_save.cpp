// Loading a character into the real window and saving it back, with synthetic
// files in a temporary directory. Saves are judged by the whole file: every
// byte must be what the builder makes of the expected record, so a value that
// lands at a wrong offset, or a byte that should not have moved, shows up.
#include "window_test_support.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QScopeGuard>

#include <limits>

using npf::CharacterRecord;
using npf::FloatBits;

Q_DECLARE_METATYPE(npf::CharacterRecord)

namespace {

const QString saved = QStringLiteral("information | Veyrith | File saved successfully.");

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

    const CharacterRecord sample = npftools::sampleCharacter();
    CharacterRecord earlier = sample;
    earlier.modelId = "mp_earlier";
    earlier.race = 9;
    earlier.actorFlags = ~sample.actorFlags;
    Editor e;
    e.load(earlier, QStringLiteral("earlier.npf"));
    CharacterRecord record = sample;
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
    const auto shownBy = [](const QComboBox* c) {
        return QStringLiteral("%1 %2 of %3").arg(c->currentIndex()).arg(c->currentText()).arg(c->count());
    };
    QCOMPARE(shownBy(e.mainPage()->modelCombo()) + QStringLiteral(", ") + shownBy(e.mainPage()->raceCombo()),
        shown);
    QCOMPARE(e.dialog.collectActorFlags(), static_cast<quint32>(sample.actorFlags));
    const QStringList numbers{"generationEdit 13", "healthEdit 0.5", "manaEdit 0.333333", "bloodEdit 1234.57",
        "faithEdit 1e+06", "cashEdit -5"};
    for (const QString& number : numbers)
        QCOMPARE(e.edit(number.section(QLatin1Char(' '), 0, 0))->text(), number.section(QLatin1Char(' '), 1));
}

void LoadSaveTest::saveWritesThePagesIntoTheFile_data()
{
    // An edit is "control=text"; a combo takes the text as its row, and the
    // flag list has that row's box clicked.
    QTest::addColumn<CharacterRecord>("loaded");
    QTest::addColumn<QStringList>("edits");
    QTest::addColumn<CharacterRecord>("expected");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");

    const CharacterRecord tidy = tidyCharacter();
    const CharacterRecord messy = untidy(tidy);
    CharacterRecord custom = tidy;
    custom.race = 7;
    custom.modelId = "mp_custom";
    QTest::newRow("no edits") << messy << QStringList() << tidy << saved << "";
    QTest::newRow("race and model outside the lists") << custom << QStringList() << custom << saved << "";
    for (const quint32 flags : {0u, 0xFFFFFFFFu, 0x80000000u}) {
        CharacterRecord flagged = tidy;
        flagged.actorFlags = static_cast<std::int32_t>(flags);
        QTest::addRow("flags %x", flags) << flagged << QStringList() << flagged << saved << "";
    }

    CharacterRecord edited = tidy;
    edited.characterName = edited.characterNameCopy = "\xC9lodie \x86";
    edited.clanName = " a B\xC9\tc ";
    edited.clanKey = "ab\xE9\tc";
    edited.race = 3;
    edited.modelId = "mp_samuel_da";
    edited.bodyFile = "SamuelDA.nod";
    edited.headFile = "samuelDAH.nod";
    edited.shortCode = "SAMUEL";
    edited.soundSet = "mpSamuel.nag";
    edited.actorFlags = static_cast<std::int32_t>(0x80008080u);
    edited.cash = std::numeric_limits<std::int32_t>::min();
    edited.totalXp = edited.totalXpCopy = 7;
    edited.generation = FloatBits::fromValue(1000);
    edited.health = edited.healthCopy = FloatBits::fromValue(0.1F);
    edited.soakElec = FloatBits::fromValue(22.5F);
    QTest::newRow("every kind of control edited")
        << messy
        << QStringList{"nameEdit=\u00C9lodie \u2020", "clanEdit= a B\u00C9\tc ", "raceCombo=3",
               "modelCombo=13", "flagList=31", "flagList=3", "cashEdit=-99999999999", "totalXpEdit= \t007 ",
               "generationEdit=1d3", "healthEdit=.1", "soakElecEdit=+2.25E1"}
        << edited << saved << "";

    const QString check = QStringLiteral("exclamation | test_load_save | Please enter ");
    QTest::newRow("cash and generation bad")
        << messy << QStringList{"nameEdit=Changed", "raceCombo=4", "cashEdit=12abc", "generationEdit=x"}
        << messy << check + "an integer."
        << "cashEdit";
    QTest::newRow("a stats field bad")
        << messy << QStringList{"healthEdit=1,5", "soakElecEdit=x"} << messy << check + "a number."
        << "healthEdit";
}

void LoadSaveTest::saveWritesThePagesIntoTheFile()
{
    QFETCH(CharacterRecord, loaded);
    QFETCH(QStringList, edits);
    QFETCH(CharacterRecord, expected);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    Editor e;
    e.dialog.show();
    const QString path = e.load(loaded);
    QListWidget* flags = e.mainPage()->flagList();
    for (const QString& edit : edits) {
        const QString control = edit.section(QLatin1Char('='), 0, 0);
        const QString text = edit.section(QLatin1Char('='), 1);
        if (QLineEdit* line = e.edit(control))
            line->setText(text);
        else if (auto* combo = e.dialog.findChild<QComboBox*>(control))
            combo->setCurrentIndex(text.toInt());
        else if (QListWidgetItem* flag = flags->item(text.toInt())) {
            flags->scrollToItem(flag);
            const QRect box = flags->visualItemRect(flag);
            QTest::mouseClick(flags->viewport(), Qt::LeftButton, {},
                box.topLeft() + QPoint(box.height(), box.height()) / 2);
        }
    }
    // Nothing reaches the record before the save.
    QVERIFY(e.dialog.document.record == loaded);
    e.dialog.onFileSave();

    QCOMPARE(e.takeLog(), message);
    QCOMPARE(firstDifference(path, Editor::bytesOf(expected)), -1);
    QVERIFY(e.dialog.document.record == expected);
    if (!focus.isEmpty()) {
        QCOMPARE(e.dialog.focusWidget(), e.edit(focus));
        QCOMPARE(e.edit(focus)->selectedText(), e.edit(focus)->text());
    }
}

void LoadSaveTest::failuresNeverLoseTheLastGoodFile_data()
{
    // After a good file is (or is not) dropped onto the window and its cash
    // edited, another file with these bytes is opened, or the good file is
    // replaced by them (removed where there are none), made immutable or
    // turned into a directory before a save.
    QTest::addColumn<bool>("loadFirst");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray good = Editor::bytesOf(npftools::sampleCharacter());
    const QString notSaved = QStringLiteral("stop | Veyrith | File could not be saved.");
    for (const bool loadFirst : {false, true}) {
        const char* when = loadFirst ? "after a load" : "before any load";
        QTest::addRow("invalid header opened %s", when)
            << loadFirst << "open" << QByteArray(1024, 'x')
            << "stop | Invalid file | File is not a valid NPF file.";
        QTest::addRow("too short opened %s", when)
            << loadFirst << "open" << good.left(200) << "stop | Error | Could not read NPF file.";
    }
    QTest::newRow("deleted at save") << true << "replace" << QByteArray() << notSaved;
    QTest::newRow("truncated at save") << true << "replace" << good.left(795) << notSaved;
    QTest::newRow("not an NPF file at save") << true << "replace" << QByteArray(1024, 'x') << notSaved;
    QTest::newRow("unwritable at save") << true << "lock" << good << notSaved;
    QTest::newRow("a directory at save") << true << "mkdir" << QByteArray() << notSaved;
}

void LoadSaveTest::failuresNeverLoseTheLastGoodFile()
{
    QFETCH(bool, loadFirst);
    QFETCH(QString, step);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);

    Editor e;
    CharacterRecord good = npftools::sampleCharacter();
    const QString goodPath = e.write(Editor::bytesOf(good), QStringLiteral("good.NPF"));
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
    e.edit(QStringLiteral("cashEdit"))->setText(QStringLiteral("31337"));

    const bool open = step == QLatin1String("open");
    const QString target = open ? e.directory.filePath(QStringLiteral("rejected.npf")) : goodPath;
    QFile::remove(target);
    if (step == QLatin1String("mkdir"))
        QVERIFY(QDir().mkdir(target));
    else if (!bytes.isEmpty())
        e.write(bytes, QFileInfo(target).fileName());
    // Root writes through permission bits, but not through the immutable attribute.
    const auto chattr = [&](const char* change) {
        return QProcess::execute(QStringLiteral("chattr"), {QLatin1String(change), target}) == 0;
    };
    const bool locked = step == QLatin1String("lock") && chattr("+i");
    const auto unlockAtTheEnd = qScopeGuard([&] { return locked && chattr("-i"); });
    if (step == QLatin1String("lock") && !locked)
        QSKIP("chattr +i failed, and without the immutable attribute root can write any file");
    open ? e.dialog.loadCharacter(target) : e.dialog.onFileSave();

    QCOMPARE(e.takeLog(), message);
    QCOMPARE(e.dialog.windowTitle(), caption);
    QCOMPARE(e.dialog.saveAction()->isEnabled(), loadFirst);
    for (QWidget* control : e.editingControls())
        QCOMPARE(control->isEnabled(), loadFirst);
    QCOMPARE(QFileInfo(target).isFile(), !bytes.isEmpty());
    QCOMPARE(firstDifference(target, bytes), -1);
    if (!loadFirst)
        return;

    // Mend the fault; the next save goes to the good file, and only there.
    if (locked)
        chattr("-i");
    if (step == QLatin1String("mkdir"))
        QVERIFY(QDir().rmdir(target));
    if (!open)
        e.write(Editor::bytesOf(good), QStringLiteral("good.NPF"));
    e.dialog.onFileSave();
    QCOMPARE(e.takeLog(), saved);
    good.cash = 31337;
    QCOMPARE(firstDifference(goodPath, Editor::bytesOf(good)), -1);
    QCOMPARE(firstDifference(target, open ? bytes : Editor::bytesOf(good)), -1);
}

QTEST_MAIN(LoadSaveTest)
#include "test_load_save.moc"
