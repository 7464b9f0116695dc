// For random files and random edits through the editing logic, a save writes
// exactly what the edited values and their partners own, and nothing else.
#include "npf_test_support.h"

#include "editing/cp1252.h"
#include "editing/model_table.h"
#include "editing/page_values.h"
#include "editing/text_conversions.h"
#include "npf/npf_layout.h"

#include <bit>
#include <random>
#include <sstream>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

using editing::PageValues;
using npf::CharacterRecord;
using npf::FloatBits;

class Random {
public:
    explicit Random(std::uint32_t seed)
        : engine(seed)
    {
    }

    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    std::uint32_t bits() { return static_cast<std::uint32_t>(engine()); }

    // Never a zero byte: neither the file's texts nor the edit boxes hold one.
    // Capitals, blanks and bytes above 127 exercise the clan key.
    std::string text(int maxLength)
    {
        static constexpr std::string_view common = "abcXYZ 019-_.\t";
        std::string value(static_cast<std::size_t>(between(0, maxLength)), ' ');
        for (char& c : value)
            c = chance(75) ? common[static_cast<std::size_t>(between(0, int(common.size()) - 1))]
                           : static_cast<char>(between(1, 255));
        return value;
    }

    // Any pattern at all: NaNs, infinities and subnormals included.
    FloatBits floatBits() { return FloatBits{bits()}; }

private:
    std::mt19937 engine;
};

// A record of arbitrary values, sometimes with a race and a model the lists know.
CharacterRecord randomRecord(Random& random)
{
    CharacterRecord r;
    for (const npf::FieldLayout& field : npf::npfFields) {
        std::visit(
            [&](auto member) {
                using Value = std::remove_reference_t<decltype(r.*member)>;
                if constexpr (std::is_same_v<Value, std::string>)
                    r.*member = random.text(32);
                else if constexpr (std::is_same_v<Value, std::int32_t>)
                    r.*member = static_cast<std::int32_t>(random.bits());
                else
                    r.*member = random.floatBits();
            },
            field.member);
    }
    if (random.chance(50))
        r.race = random.between(0, 4);
    if (random.chance(60))
        r.modelId = editing::ModelTable::rows()[std::size_t(random.between(0, 18))].modelId;
    return r;
}

// What the user may type into a number box: the shown text, another number
// shown the same way, or free text that may or may not convert.
std::string typedNumber(Random& random, const std::string& shown)
{
    switch (random.between(0, 3)) {
    case 0:
        return shown;
    case 1:
        return editing::formatReal(std::bit_cast<float>(random.bits()));
    case 2:
        return std::to_string(random.between(-100000, 100000)) + (random.chance(50) ? ".25" : "d2");
    default:
        return random.text(12);
    }
}

// A random subset of the shown values changed the way the pages change them.
void editSome(PageValues& values, Random& random)
{
    if (random.chance(40))
        values.characterName = random.text(32);
    if (random.chance(40))
        values.clanName = random.text(32);
    if (random.chance(40))
        values.raceChoice = random.between(-1, 6);
    if (random.chance(40))
        values.modelChoice = random.between(-1, editing::ModelTable::rowCount + 1);
    if (random.chance(40))
        values.actorFlags = random.bits();
    for (const auto& number : editing::shownIntegers) {
        if (!random.chance(40))
            continue;
        const auto typed = editing::parseInteger(typedNumber(random, std::to_string(values.*number.value)));
        if (typed)
            values.*number.value = *typed;
    }
    for (const auto& number : editing::shownReals) {
        if (!random.chance(40))
            continue;
        const FloatBits shownValue = values.*number.value;
        const std::string shown = editing::formatReal(shownValue.value());
        const auto typed = editing::readRealText(typedNumber(random, shown), shown, shownValue);
        if (typed)
            values.*number.value = *typed;
    }
}

// The record a save must produce, written out field by field from the rules
// for saving rather than from the editing code's tables.
CharacterRecord expectedAfterSave(CharacterRecord r, const PageValues& v)
{
    r.characterName = r.characterNameCopy = v.characterName;
    r.clanName = v.clanName;
    r.clanKey = editing::clanKeyOf(v.clanName);
    if (v.raceChoice >= 0 && v.raceChoice <= 4)
        r.race = v.raceChoice;
    if (v.modelChoice >= 0 && v.modelChoice < editing::ModelTable::rowCount) {
        const editing::ModelRow& row = editing::ModelTable::rows()[std::size_t(v.modelChoice)];
        r.modelId = row.modelId;
        r.bodyFile = row.bodyFile;
        r.headFile = row.headFile;
        r.shortCode = row.shortCode;
        r.soundSet = row.soundSet;
    }
    r.actorFlags = static_cast<std::int32_t>(v.actorFlags);
    r.cash = v.cash;
    r.totalXp = r.totalXpCopy = v.totalXp;
    r.generation = v.generation;
    r.health = r.healthCopy = v.health;
    r.mana = r.manaCopy = v.mana;
    r.blood = r.bloodCopy = v.blood;
    r.bloodRating = v.bloodRating;
    r.faith = v.faith;
    r.humanity = v.humanity;
    r.strength = r.strengthCopy = v.strength;
    r.dexterity = r.dexterityCopy = v.dexterity;
    r.stamina = r.staminaCopy = v.stamina;
    r.perception = r.perceptionCopy = v.perception;
    r.intelligence = r.intelligenceCopy = v.intelligence;
    r.wits = r.witsCopy = v.wits;
    r.charisma = r.charismaCopy = v.charisma;
    r.manipulation = r.manipulationCopy = v.manipulation;
    r.appearance = r.appearanceCopy = v.appearance;
    r.soakFire = v.soakFire;
    r.soakSun = v.soakSun;
    r.soakFaith = v.soakFaith;
    r.soakCold = v.soakCold;
    r.soakElec = v.soakElec;
    return r;
}

std::vector<char> encoded(const npf::FieldLayout& field, const CharacterRecord& record)
{
    std::vector<char> bytes(field.width());
    npf::encodeField(field, record, bytes);
    return bytes;
}

// The names of the fields whose stored bytes would differ, for readable failures.
std::string differingFields(const CharacterRecord& actual, const CharacterRecord& expected)
{
    std::string names;
    for (const npf::FieldLayout& field : npf::npfFields) {
        if (encoded(field, actual) != encoded(field, expected))
            names += std::string(field.name) + " ";
    }
    return names;
}

// Each byte's owner, or nothing for the bytes that no field covers.
std::vector<std::string_view> ownersOf(std::size_t size)
{
    std::vector<std::string_view> owners(size);
    for (const npf::FieldLayout& field : npf::npfFields) {
        const std::uint64_t offset = *field.offsetIn(size);
        for (std::uint64_t i = offset; i < offset + field.width(); ++i)
            owners[i] = field.name;
    }
    return owners;
}

std::string describeDifferences(const std::vector<char>& actual, const std::vector<char>& expected)
{
    if (actual.size() != expected.size())
        return "size " + std::to_string(actual.size()) + " instead of " + std::to_string(expected.size());
    const auto owners = ownersOf(actual.size());
    std::ostringstream out;
    int shown = 0;
    for (std::size_t i = 0; i < actual.size() && shown < 8; ++i) {
        if (actual[i] != expected[i]) {
            out << "byte " << i << " (" << (owners[i].empty() ? "outside the fields" : owners[i]) << ") ";
            ++shown;
        }
    }
    return out.str();
}

// Leaves bytes after the first zero of a text field, which a save must clear.
void addJunkAfterText(std::vector<char>& file, const CharacterRecord& record, Random& random)
{
    for (const npf::FieldLayout& field : npf::npfFields) {
        const auto* text = std::get_if<std::string CharacterRecord::*>(&field.member);
        if (!text || (record.**text).size() + 1 >= npf::textWidth || !random.chance(20))
            continue;
        const std::size_t offset = *field.offsetIn(file.size());
        file[offset + npf::textWidth - 1] = static_cast<char>(random.between(1, 255));
    }
}

class SaveProperty : public NpfFileTest { };

TEST_F(SaveProperty, SaveWritesExactlyTheFieldsTheEditOwns)
{
    constexpr int cases = 400;
    for (int index = 0; index < cases; ++index) {
        const auto seed = static_cast<std::uint32_t>(1000 + index);
        Random random(seed);
        // A third of the files are short enough for the end-relative fields to
        // overlap fixed ones, the first ones at the edges of that range.
        const int size = index == 0 ? 796
            : index == 1            ? 905
            : index == 2            ? 906
            : random.chance(33)     ? random.between(796, 905)
                                    : random.between(796, 4000);
        SCOPED_TRACE("case " + std::to_string(index) + ", " + std::to_string(size) + " bytes");

        const CharacterRecord written = randomRecord(random);
        std::vector<char> original = npftools::buildNpfBytes(written, std::size_t(size), seed);
        addJunkAfterText(original, written, random);
        npf::NpfDocument document;
        document.setPath(writeNpf(original));
        ASSERT_TRUE(document.readFile());
        const CharacterRecord loaded = document.record;

        PageValues values = editing::pageValuesOf(loaded);
        editSome(values, random);
        const CharacterRecord expected = expectedAfterSave(loaded, values);

        editing::storePageValues(values, document.record);
        EXPECT_EQ(differingFields(document.record, expected), "");
        ASSERT_TRUE(document.saveFile());

        const std::vector<char> saved = npftools::readFileBytes(document.path());
        const std::vector<char> wanted = npftools::buildNpfBytes(expected, std::size_t(size), seed);
        ASSERT_EQ(saved.size(), original.size());
        EXPECT_TRUE(saved == wanted) << describeDifferences(saved, wanted);

        const auto owners = ownersOf(saved.size());
        for (std::size_t i = 0; i < saved.size(); ++i) {
            if (owners[i].empty()) {
                ASSERT_EQ(saved[i], original[i]) << "byte " << i << " lies outside every field";
            }
        }

        // Apart from one another, the fields read back as saved.
        if (size >= 906) {
            npf::NpfDocument reread;
            reread.setPath(document.path());
            ASSERT_TRUE(reread.readFile());
            EXPECT_EQ(differingFields(reread.record, expected), "");
        }
    }
}

} // namespace
