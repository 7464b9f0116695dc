// Loading a character into the real window and saving it back, with synthetic
// files in a temporary directory. Saves are judged by the file's bytes: every
// byte must be what the builder makes of the expected record, so a value that
// lands at a wrong offset, or a byte that should not have moved, shows up.
#include "window_test_support.h"

#include "editing/actor_flags.h"
#include "tools/npf_builder.h"

#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QListWidget>
#include <QMimeData>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <limits>

using npf::CharacterRecord;
using npf::FloatBits;

namespace {

constexpr std::size_t fileSize = 1024;
constexpr std::uint32_t fileSeed = 41;

const QString baseCaption = QStringLiteral("Veyrith 2 by the Veyrith team");

std::vector<char> bytesOf(const CharacterRecord& record)
{
    return npftools::buildNpfBytes(record, fileSize, fileSeed);
}

// What a save without edits makes of a record whose model is in the table as
// row 2 ("mp_erik") or outside it: every copy equals the value shown, the
// name's copy the name, the clan key the clan without spaces in lower case.
CharacterRecord withPairsEqual(CharacterRecord record)
{
    record.characterNameCopy = record.characterName;
    record.totalXpCopy = record.totalXp;
    record.healthCopy = record.health;
    record.manaCopy = record.mana;
    record.bloodCopy = record.blood;
    record.strengthCopy = record.strength;
    record.dexterityCopy = record.dexterity;
    record.staminaCopy = record.stamina;
    record.perceptionCopy = record.perception;
    record.intelligenceCopy = record.intelligence;
    record.witsCopy = record.wits;
    record.charismaCopy = record.charisma;
    record.manipulationCopy = record.manipulation;
    record.appearanceCopy = record.appearance;
    return record;
}

// A character whose file disagrees with itself wherever it can: copies that
// differ, a stale clan key, model strings that are not its row's, and reals
// that six digits cannot show exactly.
CharacterRecord untidyCharacter()
{
    CharacterRecord record = npftools::sampleCharacter();
    record.characterNameCopy = "Someone Else";
    record.clanName = "New Clan";
    record.clanKey = "stale";
    record.modelId = "mp_erik";
    record.bodyFile = "old.nod";
    record.headFile = "oldH.nod";
    record.shortCode = "OLD";
    record.soundSet = "old.nag";
    record.totalXpCopy = 5;
    record.healthCopy = FloatBits::fromValue(1);
    record.manaCopy = FloatBits::fromValue(2);
    record.strengthCopy = FloatBits::fromValue(3);
    record.appearanceCopy = FloatBits::fromValue(4);
    record.generation = FloatBits {0x7FC01234}; // a NaN with a payload
    record.blood = FloatBits::fromValue(1234.5678F);
    record.faith = FloatBits::fromValue(1.0F / 3.0F);
    record.soakSun = FloatBits {0x7F800000}; // infinity
    return record;
}

CharacterRecord untidyCharacterSaved()
{
    CharacterRecord record = withPairsEqual(untidyCharacter());
    record.clanKey = "newclan";
    record.bodyFile = "erik.nod";
    record.headFile = "erikH.nod";
    record.shortCode = "ERIK";
    record.soundSet = "mpErik.nag";
    return record;
}

QString firstDifference(const std::vector<char>& actual, const std::vector<char>& expected)
{
    if (actual.size() != expected.size())
        return QStringLiteral("size %1, expected %2").arg(actual.size()).arg(expected.size());
    for (std::size_t at = 0; at < actual.size(); ++at) {
        if (actual[at] != expected[at])
            return QStringLiteral("first difference at offset %1").arg(at);
    }
    return {};
}

#define COMPARE_FILE(path, expectedBytes)                                                                      \
    do {                                                                                                       \
        const QString difference = firstDifference(npftools::readFileBytes((path).toStdString()), expectedBytes); \
        QVERIFY2(difference.isEmpty(), qPrintable(difference));                                                \
    } while (false)

// Puts a file's immutable attribute on for as long as it lives; root ignores
// permission bits, but not this.
class ImmutableFile {
public:
    explicit ImmutableFile(QString path)
        : path(std::move(path))
    {
        set = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), this->path}) == 0;
    }
    ~ImmutableFile() { release(); }
    void release()
    {
        if (set)
            QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
        set = false;
    }
    bool isSet() const { return set; }

private:
    QString path;
    bool set = false;
};

void setRecordField(CharacterRecord& record, const QString& name, double value)
{
    for (const auto& number : editing::shownIntegers) {
        if (name == QLatin1String(number.name.data(), qsizetype(number.name.size())))
            record.*number.field = static_cast<std::int32_t>(value);
    }
    for (const auto& number : editing::shownReals) {
        if (name == QLatin1String(number.name.data(), qsizetype(number.name.size())))
            record.*number.field = FloatBits::fromValue(static_cast<float>(value));
    }
}

} // namespace

class LoadSaveTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void loadShowsEveryValue_data();
    void loadShowsEveryValue();
    void loadShowsTextsAsTheyAre();
    void loadEnablesEditingAndNamesTheFile();
    void openAsksForAFileAndCancelChangesNothing();
    void modelIdentifiers_data();
    void modelIdentifiers();
    void races_data();
    void races();
    void loadsInSequenceKeepOneExtraEntry();
    void reloadReplacesEveryFlag();

    void saveWithoutEditsChangesNoUntouchedValue();
    void saveKeepsRaceAndModelTheTableDoesNotKnow();
    void editedNumbersLandAtTheirOffsets_data();
    void editedNumbersLandAtTheirOffsets();
    void editedTextsAndChoicesLandAtTheirOffsets();
    void fieldCheckFailuresTouchNothing_data();
    void fieldCheckFailuresTouchNothing();

    void failedOpenBeforeAnyLoad_data();
    void failedOpenBeforeAnyLoad();
    void failedOpenAfterALoadKeepsSavingToTheLoadedFile_data();
    void failedOpenAfterALoadKeepsSavingToTheLoadedFile();
    void saveFailsWhenTheFileIsGoneAndWorksOnceItIsBack_data();
    void saveFailsWhenTheFileIsGoneAndWorksOnceItIsBack();
    void saveFailsOnAnUnwritableFile();

    void droppingACharacterFileOpensIt();
    void droppingAnythingElseIsRefused();

private:
    QString writeCharacter(const CharacterRecord& record, const QString& name = QStringLiteral("character.npf"));

    std::unique_ptr<QTemporaryDir> directory;
};

void LoadSaveTest::init()
{
    directory = std::make_unique<QTemporaryDir>();
    QVERIFY(directory->isValid());
}

QString LoadSaveTest::writeCharacter(const CharacterRecord& record, const QString& name)
{
    const QString path = directory->filePath(name);
    if (!npftools::writeFileBytes(path.toStdString(), bytesOf(record)))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void LoadSaveTest::loadShowsEveryValue_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("whole real") << "generation" << 13.0 << "13";
    QTest::newRow("half") << "health" << 0.5 << "0.5";
    QTest::newRow("one third") << "mana" << 1.0 / 3.0 << "0.333333";
    QTest::newRow("rounded to six digits") << "blood" << 1234.5678 << "1234.57";
    QTest::newRow("rounded small") << "bloodRating" << 12.345678 << "12.3457";
    QTest::newRow("a million") << "faith" << 1e6 << "1e+06";
    QTest::newRow("a hundred thousand") << "humanity" << 100000.0 << "100000";
    QTest::newRow("ten thousandth") << "strength" << 0.0001 << "0.0001";
    QTest::newRow("hundred thousandth") << "wits" << 0.00001 << "1e-05";
    QTest::newRow("stored tenth") << "soakElec" << 0.1 << "0.1";
    QTest::newRow("zero soak") << "soakFire" << 0.0 << "0";
    QTest::newRow("negative cash") << "cash" << -5.0 << "-5";
    QTest::newRow("zero experience") << "totalXp" << 0.0 << "0";
    QTest::newRow("large experience") << "totalXp" << 2147483647.0 << "2147483647";
}

void LoadSaveTest::loadShowsEveryValue()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(QString, shown);

    CharacterRecord record = npftools::sampleCharacter();
    setRecordField(record, field, value);
    EditorUnderTest editor;
    editor.dialog.loadCharacter(writeCharacter(record));

    QCOMPARE(editor.messageLog(), QString());
    QCOMPARE(editor.edit(field + QStringLiteral("Edit"))->text(), shown);
}

void LoadSaveTest::loadShowsTextsAsTheyAre()
{
    CharacterRecord record = npftools::sampleCharacter();
    record.characterName = "Am\xE9lie \x80\x9F\x81";
    record.clanName = std::string(32, 'K');
    EditorUnderTest editor;
    editor.dialog.loadCharacter(writeCharacter(record));

    QCOMPARE(editor.edit(QStringLiteral("nameEdit"))->text(), QStringLiteral("Am\u00E9lie \u20AC\u0178\u0081"));
    QCOMPARE(editor.edit(QStringLiteral("clanEdit"))->text(), QString(32, QLatin1Char('K')));
    QCOMPARE(editor.edit(QStringLiteral("cashEdit"))->text(), QStringLiteral("2400"));
    QCOMPARE(editor.edit(QStringLiteral("totalXpEdit"))->text(), QStringLiteral("1850"));
}

void LoadSaveTest::loadEnablesEditingAndNamesTheFile()
{
    const QString path = writeCharacter(npftools::sampleCharacter());
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);

    QCOMPARE(editor.dialog.windowTitle(), baseCaption + QStringLiteral(" - ") + path);
    QVERIFY(editor.dialog.saveAction()->isEnabled());
    for (QWidget* control : editor.mainPage()->editingControls() + editor.statsPage()->editingControls())
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(editor.dialog.document.record, npftools::sampleCharacter());
}

void LoadSaveTest::openAsksForAFileAndCancelChangesNothing()
{
    const QString path = writeCharacter(npftools::sampleCharacter());
    EditorUnderTest editor;
    editor.prompts->fileAnswers = {path, QString()};

    editor.dialog.onFileOpen();
    QCOMPARE(editor.edit(QStringLiteral("nameEdit"))->text(), QStringLiteral("Mireille Vasquez"));
    const QString caption = editor.dialog.windowTitle();

    editor.dialog.onFileOpen();
    QCOMPARE(editor.prompts->openDialogs, 2);
    QCOMPARE(editor.dialog.windowTitle(), caption);
    QCOMPARE(QString::fromStdString(editor.dialog.document.path()), path);
    QVERIFY(editor.dialog.saveAction()->isEnabled());
    QCOMPARE(editor.messageLog(), QString());
}

void LoadSaveTest::modelIdentifiers_data()
{
    QTest::addColumn<QByteArray>("modelId");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("shown");

    QTest::newRow("known") << QByteArray("mp_lily") << 19 << 10 << "Lily";
    QTest::newRow("crossed over, md") << QByteArray("mp_samuel_da") << 19 << 13 << "Samuel MD";
    QTest::newRow("crossed over, da") << QByteArray("mp_samuel") << 19 << 12 << "Samuel DA";
    QTest::newRow("prefix of another") << QByteArray("mp_erik") << 19 << 2 << "Erik DA";
    QTest::newRow("unknown") << QByteArray("mp_nosferatu") << 20 << 19 << "mp_nosferatu";
    QTest::newRow("capitalised") << QByteArray("MP_LILY") << 20 << 19 << "MP_LILY";
    QTest::newRow("trailing space") << QByteArray("mp_lily ") << 20 << 19 << "mp_lily ";
    QTest::newRow("empty") << QByteArray() << 20 << 19 << "";
    QTest::newRow("code page bytes") << QByteArray("mp_\xE9t\xE9") << 20 << 19 << "mp_\u00E9t\u00E9";
}

void LoadSaveTest::modelIdentifiers()
{
    QFETCH(QByteArray, modelId);
    QFETCH(int, count);
    QFETCH(int, selected);
    QFETCH(QString, shown);

    CharacterRecord record = npftools::sampleCharacter();
    record.modelId = modelId.toStdString();
    EditorUnderTest editor;
    editor.dialog.loadCharacter(writeCharacter(record));

    QComboBox* model = editor.mainPage()->modelCombo();
    QCOMPARE(model->count(), count);
    QCOMPARE(model->currentIndex(), selected);
    QCOMPARE(model->currentText(), shown);
}

void LoadSaveTest::races_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("shown");

    QTest::newRow("below the list") << -1 << 6 << "Unknown";
    QTest::newRow("vampire") << 0 << 5 << "0 - Vampire";
    QTest::newRow("ghoul") << 1 << 5 << "1 - Ghoul";
    QTest::newRow("human") << 2 << 5 << "2 - Human";
    QTest::newRow("monster") << 3 << 5 << "3 - Monster";
    QTest::newRow("lupine") << 4 << 5 << "4 - Lupine";
    QTest::newRow("above the list") << 5 << 6 << "Unknown";
    QTest::newRow("lowest integer") << std::numeric_limits<int>::min() << 6 << "Unknown";
}

void LoadSaveTest::races()
{
    QFETCH(int, race);
    QFETCH(int, count);
    QFETCH(QString, shown);

    CharacterRecord record = npftools::sampleCharacter();
    record.race = race;
    EditorUnderTest editor;
    editor.dialog.loadCharacter(writeCharacter(record));

    QComboBox* combo = editor.mainPage()->raceCombo();
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->currentText(), shown);
    QCOMPARE(combo->currentIndex(), count == 6 ? 5 : race);
}

void LoadSaveTest::loadsInSequenceKeepOneExtraEntry()
{
    const auto characterWith = [this](const char* modelId, int race, const QString& name) {
        CharacterRecord record = npftools::sampleCharacter();
        record.modelId = modelId;
        record.race = race;
        return writeCharacter(record, name);
    };
    EditorUnderTest editor;
    QComboBox* model = editor.mainPage()->modelCombo();
    QComboBox* race = editor.mainPage()->raceCombo();

    editor.dialog.loadCharacter(characterWith("mp_first_unknown", 9, QStringLiteral("a.npf")));
    editor.dialog.loadCharacter(characterWith("mp_second_unknown", -3, QStringLiteral("b.npf")));
    QCOMPARE(model->count(), 20);
    QCOMPARE(model->itemText(19), QStringLiteral("mp_second_unknown"));
    QCOMPARE(model->currentIndex(), 19);
    QCOMPARE(race->count(), 6);
    QCOMPARE(race->currentIndex(), 5);

    editor.dialog.loadCharacter(characterWith("mp_erik", 2, QStringLiteral("c.npf")));
    QCOMPARE(model->count(), 19);
    QCOMPARE(model->currentText(), QStringLiteral("Erik DA"));
    QCOMPARE(race->count(), 5);
    QCOMPARE(race->currentText(), QStringLiteral("2 - Human"));

    // An identifier that reads like the last row's name is still only an extra entry.
    editor.dialog.loadCharacter(characterWith("Zil MD", 0, QStringLiteral("d.npf")));
    QCOMPARE(model->count(), 20);
    QCOMPARE(model->currentIndex(), 19);
    editor.dialog.loadCharacter(characterWith("mp_zil_md", 0, QStringLiteral("e.npf")));
    QCOMPARE(model->count(), 19);
    QCOMPARE(model->currentIndex(), 18);
    QCOMPARE(editor.messageLog(), QString());
}

void LoadSaveTest::reloadReplacesEveryFlag()
{
    CharacterRecord first = npftools::sampleCharacter();
    first.actorFlags = 0x0FFFFFFF;
    CharacterRecord second = first;
    second.actorFlags = 0x00000001;
    EditorUnderTest editor;
    editor.dialog.loadCharacter(writeCharacter(first, QStringLiteral("first.npf")));
    QCOMPARE(editor.dialog.collectActorFlags(), 0x0FFFFFFFu);
    editor.dialog.loadCharacter(writeCharacter(second, QStringLiteral("second.npf")));

    QListWidget* list = editor.mainPage()->flagList();
    QCOMPARE(list->item(0)->checkState(), Qt::Checked);
    for (int row = 1; row < 32; ++row)
        QCOMPARE(list->item(row)->checkState(), Qt::Unchecked);
}

void LoadSaveTest::saveWithoutEditsChangesNoUntouchedValue()
{
    const QString path = writeCharacter(untidyCharacter());
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);
    editor.dialog.onFileSave();

    QCOMPARE(editor.messageLog(), QStringLiteral("information | Veyrith | File saved successfully."));
    COMPARE_FILE(path, bytesOf(untidyCharacterSaved()));
    QCOMPARE(editor.dialog.document.record.generation.bits, 0x7FC01234u);

    // Saving again writes the same bytes; the pages were not refreshed in between.
    editor.dialog.onFileSave();
    COMPARE_FILE(path, bytesOf(untidyCharacterSaved()));
}

void LoadSaveTest::saveKeepsRaceAndModelTheTableDoesNotKnow()
{
    CharacterRecord record = npftools::sampleCharacter();
    record.race = 7;
    record.modelId = "mp_custom";
    record.bodyFile = "custom.nod";
    record.headFile = "customH.nod";
    record.shortCode = "CUSTOM";
    record.soundSet = "custom.nag";
    record.actorFlags = static_cast<std::int32_t>(0xFFFFFFFFu);
    const QString path = writeCharacter(record);
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);
    editor.dialog.onFileSave();

    QCOMPARE(editor.messageLog(), QStringLiteral("information | Veyrith | File saved successfully."));
    COMPARE_FILE(path, bytesOf(withPairsEqual(record)));
}

void LoadSaveTest::editedNumbersLandAtTheirOffsets_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");

    QTest::newRow("cash") << "cash" << "123456" << 123456.0;
    QTest::newRow("cash with blanks") << "cash" << " \t12 " << 12.0;
    QTest::newRow("cash above the range") << "cash" << "99999999999" << 2147483647.0;
    QTest::newRow("cash below the range") << "cash" << "-99999999999" << -2147483648.0;
    QTest::newRow("cash negative") << "cash" << "-5" << -5.0;
    QTest::newRow("experience with leading zeros") << "totalXp" << "007" << 7.0;
    QTest::newRow("generation exponent e") << "generation" << "1e3" << 1000.0;
    QTest::newRow("generation exponent d") << "generation" << "1d3" << 1000.0;
    QTest::newRow("generation zero") << "generation" << "0" << 0.0;
    QTest::newRow("health pair") << "health" << "75.5" << 75.5;
    QTest::newRow("strength pair from a bare fraction") << "strength" << ".5" << 0.5;
    QTest::newRow("appearance pair") << "appearance" << "1000" << 1000.0;
    QTest::newRow("typed value rounds to a float") << "blood" << "0.1" << double(0.1F);
    QTest::newRow("soak negative") << "soakCold" << "-3" << -3.0;
    QTest::newRow("last soak") << "soakElec" << "+2.25E1" << 22.5;
}

void LoadSaveTest::editedNumbersLandAtTheirOffsets()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(double, stored);

    const QString path = writeCharacter(untidyCharacter());
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);
    editor.edit(field + QStringLiteral("Edit"))->setText(typed);
    editor.dialog.onFileSave();

    CharacterRecord expected = untidyCharacterSaved();
    setRecordField(expected, field, stored);
    expected = withPairsEqual(expected);
    QCOMPARE(editor.messageLog(), QStringLiteral("information | Veyrith | File saved successfully."));
    COMPARE_FILE(path, bytesOf(expected));
    // The page keeps what was typed.
    QCOMPARE(editor.edit(field + QStringLiteral("Edit"))->text(), typed);
}

void LoadSaveTest::editedTextsAndChoicesLandAtTheirOffsets()
{
    const QString path = writeCharacter(untidyCharacter());
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);
    editor.edit(QStringLiteral("nameEdit"))->setText(QStringLiteral("\u00C9lodie \u2020"));
    editor.edit(QStringLiteral("clanEdit"))->setText(QStringLiteral(" a B\u00C9\tc "));
    editor.mainPage()->raceCombo()->setCurrentIndex(3);
    editor.mainPage()->modelCombo()->setCurrentIndex(13);
    QListWidget* flags = editor.mainPage()->flagList();
    flags->item(31)->setCheckState(Qt::Checked);
    flags->item(3)->setCheckState(Qt::Unchecked);
    editor.dialog.onFileSave();

    CharacterRecord expected = untidyCharacterSaved();
    expected.characterName = expected.characterNameCopy = "\xC9lodie \x86";
    expected.clanName = " a B\xC9\tc ";
    expected.clanKey = "ab\xE9\tc";
    expected.race = 3;
    expected.modelId = "mp_samuel_da";
    expected.bodyFile = "SamuelDA.nod";
    expected.headFile = "samuelDAH.nod";
    expected.shortCode = "SAMUEL";
    expected.soundSet = "mpSamuel.nag";
    expected.actorFlags = static_cast<std::int32_t>(0x80008080u);
    QCOMPARE(editor.messageLog(), QStringLiteral("information | Veyrith | File saved successfully."));
    COMPARE_FILE(path, bytesOf(expected));
}

void LoadSaveTest::fieldCheckFailuresTouchNothing_data()
{
    QTest::addColumn<QString>("cash");
    QTest::addColumn<QString>("generation");
    QTest::addColumn<QString>("health");
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("message");

    const QString integer = QStringLiteral("Please enter an integer.");
    const QString number = QStringLiteral("Please enter a number.");
    QTest::newRow("both pages bad") << "" << "" << "x" << "cashEdit" << integer;
    QTest::newRow("cash with letters") << "12abc" << "1" << "1" << "cashEdit" << integer;
    QTest::newRow("plus zero cash") << "+0" << "1" << "1" << "cashEdit" << integer;
    QTest::newRow("empty generation") << "1" << "" << "1" << "generationEdit" << number;
    QTest::newRow("decimal comma") << "1" << "1,5" << "1" << "generationEdit" << number;
    QTest::newRow("first of two stats") << "1" << "1" << "-0" << "healthEdit" << number;
    QTest::newRow("too large for a float") << "1" << "1e39" << "1" << "generationEdit" << number;
}

void LoadSaveTest::fieldCheckFailuresTouchNothing()
{
    QFETCH(QString, cash);
    QFETCH(QString, generation);
    QFETCH(QString, health);
    QFETCH(QString, failing);
    QFETCH(QString, message);

    const QString path = writeCharacter(untidyCharacter());
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);
    const CharacterRecord before = editor.dialog.document.record;
    editor.edit(QStringLiteral("nameEdit"))->setText(QStringLiteral("Changed"));
    editor.mainPage()->raceCombo()->setCurrentIndex(4);
    editor.edit(QStringLiteral("cashEdit"))->setText(cash);
    editor.edit(QStringLiteral("generationEdit"))->setText(generation);
    editor.edit(QStringLiteral("healthEdit"))->setText(health);
    editor.edit(QStringLiteral("soakElecEdit"))->setText(QStringLiteral("also bad"));
    editor.dialog.onFileSave();

    QCOMPARE(editor.messageLog(), QStringLiteral("exclamation | test_load_save | ") + message);
    QCOMPARE(editor.dialog.focusWidget(), editor.edit(failing));
    QCOMPARE(editor.dialog.pageTabs()->currentIndex(), 0);
    QVERIFY(editor.dialog.document.record == before);
    COMPARE_FILE(path, bytesOf(untidyCharacter()));
}

void LoadSaveTest::failedOpenBeforeAnyLoad_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("log");

    const QString invalid = QStringLiteral("stop | Invalid file | File is not a valid NPF file.");
    const QString unreadable = QStringLiteral("stop | Error | Could not read NPF file.");
    QByteArray wrongVersion("npf\0\x06\0\0\0", 8);
    wrongVersion.append(1016, '\0');
    QByteArray tooShort("npf\0\x05\0\0\0", 8);
    tooShort.append(100, '\x11');
    QTest::newRow("empty file") << QByteArray() << invalid;
    QTest::newRow("wrong magic") << QByteArray(1024, 'x') << invalid;
    QTest::newRow("wrong version") << wrongVersion << invalid;
    QTest::newRow("too short to read") << tooShort << unreadable;
}

void LoadSaveTest::failedOpenBeforeAnyLoad()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, log);

    const QString path = directory->filePath(QStringLiteral("bad.npf"));
    QVERIFY(npftools::writeFileBytes(path.toStdString(), std::vector<char>(content.begin(), content.end())));
    EditorUnderTest editor;
    editor.prompts->fileAnswers = {path};
    editor.dialog.onFileOpen();

    QCOMPARE(editor.messageLog(), log);
    QCOMPARE(editor.dialog.windowTitle(), baseCaption);
    QVERIFY(!editor.dialog.saveAction()->isEnabled());
    for (QWidget* control : editor.mainPage()->editingControls() + editor.statsPage()->editingControls())
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(editor.dialog.document.path(), std::string());
    QCOMPARE(editor.mainPage()->modelCombo()->currentIndex(), -1);
}

void LoadSaveTest::failedOpenAfterALoadKeepsSavingToTheLoadedFile_data()
{
    QTest::addColumn<QString>("rejected");
    QTest::addColumn<QString>("log");

    const QString invalid = QStringLiteral("stop | Invalid file | File is not a valid NPF file.");
    QTest::newRow("invalid header") << "header" << invalid;
    QTest::newRow("unreadable") << "short" << QStringLiteral("stop | Error | Could not read NPF file.");
    QTest::newRow("missing file") << "missing" << invalid;
    QTest::newRow("a directory") << "directory" << invalid;
}

void LoadSaveTest::failedOpenAfterALoadKeepsSavingToTheLoadedFile()
{
    QFETCH(QString, rejected);
    QFETCH(QString, log);

    const QString loaded = writeCharacter(npftools::sampleCharacter(), QStringLiteral("loaded.npf"));
    const QString other = directory->filePath(QStringLiteral("rejected.npf"));
    std::vector<char> otherBytes;
    if (rejected == QLatin1String("header"))
        otherBytes.assign(1024, 'x');
    if (rejected == QLatin1String("short")) {
        otherBytes = bytesOf(npftools::sampleCharacter());
        otherBytes.resize(200);
    }
    if (rejected == QLatin1String("directory"))
        QVERIFY(QDir().mkdir(other));
    else if (rejected != QLatin1String("missing"))
        QVERIFY(npftools::writeFileBytes(other.toStdString(), otherBytes));

    EditorUnderTest editor;
    editor.dialog.loadCharacter(loaded);
    const QString caption = editor.dialog.windowTitle();
    editor.edit(QStringLiteral("cashEdit"))->setText(QStringLiteral("31337"));
    editor.dialog.loadCharacter(other);

    QCOMPARE(editor.messageLog(), log);
    QCOMPARE(editor.dialog.windowTitle(), caption);
    QCOMPARE(QString::fromStdString(editor.dialog.document.path()), loaded);
    QVERIFY(editor.dialog.saveAction()->isEnabled());
    for (QWidget* control : editor.mainPage()->editingControls() + editor.statsPage()->editingControls())
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(editor.edit(QStringLiteral("nameEdit"))->text(), QStringLiteral("Mireille Vasquez"));
    QCOMPARE(editor.edit(QStringLiteral("cashEdit"))->text(), QStringLiteral("31337"));

    editor.prompts->messages.clear();
    editor.dialog.onFileSave();
    QCOMPARE(editor.messageLog(), QStringLiteral("information | Veyrith | File saved successfully."));
    CharacterRecord expected = npftools::sampleCharacter();
    expected.cash = 31337;
    COMPARE_FILE(loaded, bytesOf(expected));
    if (!otherBytes.empty())
        COMPARE_FILE(other, otherBytes);
}

void LoadSaveTest::saveFailsWhenTheFileIsGoneAndWorksOnceItIsBack_data()
{
    QTest::addColumn<bool>("becomesDirectory");
    QTest::newRow("deleted") << false;
    QTest::newRow("turned into a directory") << true;
}

void LoadSaveTest::saveFailsWhenTheFileIsGoneAndWorksOnceItIsBack()
{
    QFETCH(bool, becomesDirectory);

    const QString path = writeCharacter(npftools::sampleCharacter());
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);
    editor.edit(QStringLiteral("cashEdit"))->setText(QStringLiteral("77"));
    QVERIFY(QFile::remove(path));
    if (becomesDirectory)
        QVERIFY(QDir().mkdir(path));

    editor.dialog.onFileSave();
    QCOMPARE(editor.messageLog(), QStringLiteral("stop | Veyrith | File could not be saved."));
    QCOMPARE(editor.dialog.document.record.cash, 77);
    QVERIFY(becomesDirectory ? QFileInfo(path).isDir() : !QFileInfo::exists(path));

    if (becomesDirectory)
        QVERIFY(QDir().rmdir(path));
    writeCharacter(npftools::sampleCharacter());
    editor.prompts->messages.clear();
    editor.dialog.onFileSave();
    QCOMPARE(editor.messageLog(), QStringLiteral("information | Veyrith | File saved successfully."));
    CharacterRecord expected = npftools::sampleCharacter();
    expected.cash = 77;
    COMPARE_FILE(path, bytesOf(expected));
    QVERIFY(editor.dialog.saveAction()->isEnabled());
    QVERIFY(editor.edit(QStringLiteral("cashEdit"))->isEnabled());
}

void LoadSaveTest::saveFailsOnAnUnwritableFile()
{
    const QString path = writeCharacter(npftools::sampleCharacter());
    EditorUnderTest editor;
    editor.dialog.loadCharacter(path);
    editor.edit(QStringLiteral("healthEdit"))->setText(QStringLiteral("99"));

    ImmutableFile locked(path);
    if (!locked.isSet())
        QSKIP("chattr +i is not available here, and root writes through permission bits");
    editor.dialog.onFileSave();
    QCOMPARE(editor.messageLog(), QStringLiteral("stop | Veyrith | File could not be saved."));
    COMPARE_FILE(path, bytesOf(npftools::sampleCharacter()));

    locked.release();
    editor.prompts->messages.clear();
    editor.dialog.onFileSave();
    QCOMPARE(editor.messageLog(), QStringLiteral("information | Veyrith | File saved successfully."));
    CharacterRecord expected = npftools::sampleCharacter();
    expected.health = expected.healthCopy = FloatBits::fromValue(99);
    COMPARE_FILE(path, bytesOf(expected));
}

void LoadSaveTest::droppingACharacterFileOpensIt()
{
    const QString path = writeCharacter(npftools::sampleCharacter(), QStringLiteral("Dropped.NPF"));
    EditorUnderTest editor;
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});

    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&editor.dialog, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&editor.dialog, &drop);

    QCOMPARE(editor.dialog.windowTitle(), baseCaption + QStringLiteral(" - ") + path);
    QCOMPARE(editor.edit(QStringLiteral("nameEdit"))->text(), QStringLiteral("Mireille Vasquez"));
    QVERIFY(editor.dialog.saveAction()->isEnabled());
    QCOMPARE(editor.prompts->openDialogs, 0);
}

void LoadSaveTest::droppingAnythingElseIsRefused()
{
    const QString character = writeCharacter(npftools::sampleCharacter());
    const QString text = writeCharacter(npftools::sampleCharacter(), QStringLiteral("notes.txt"));
    const QList<QList<QUrl>> drops {
        {QUrl::fromLocalFile(text)},
        {QUrl::fromLocalFile(character), QUrl::fromLocalFile(character)},
        {QUrl(QStringLiteral("https://example.invalid/character.npf"))},
    };
    for (const QList<QUrl>& urls : drops) {
        EditorUnderTest editor;
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QApplication::sendEvent(&editor.dialog, &enter);
        QVERIFY(!enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&editor.dialog, &drop);
        QCOMPARE(editor.dialog.windowTitle(), baseCaption);
        QVERIFY(!editor.dialog.saveAction()->isEnabled());
    }
}

QTEST_MAIN(LoadSaveTest)
#include "test_load_save.moc"
