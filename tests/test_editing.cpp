// The editing library: model table, typed-text conversions, Windows-1252, page values and the save.
#include "npf_test_support.h"

#include "editing/cp1252.h"
#include "editing/model_table.h"
#include "editing/page_values.h"
#include "editing/text_conversions.h"
#include "npf/npf_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <tuple>
#include <utility>

namespace {

using namespace editing;
using namespace std::string_view_literals;
using npf::CharacterRecord;
using npf::FloatBits;
using Cells = std::array<std::string_view, 6>;

// Cells as the game's files hold them, odd ones included. A load selects a
// known race and model (the identifier whole and case-sensitive), else none.
TEST(PageValues, ModelTableRaceAndModelChoices)
{
    const std::pair<int, Cells> rows[] = {
        {0, {"Christof DA", "mp_christof_da", "christof.nod", "christofH.nod", "CHRISTOF", "mpChristof.nag"}},
        {1,
            {"Christof MD", "mp_christof_md", "ChristofMod.nod", "ChristofModH.nod", "CHRIS",
                "mpChristof.nag"}},
        {12, {"Samuel DA", "mp_samuel", "samuel.nod", "samuelH.nod", "SAMUEL", "mpSamuel.nag"}},
        {18, {"Zil MD", "mp_zil_md", "Zil_MP.nod", "Zil_MPH.nod", "KAZI", "mpSerena.nag"}}};
    for (const auto& [index, cells] : rows) {
        const auto& [name, id, body, head, code, sound] = *ModelTable::rowAt(index);
        EXPECT_EQ(cells, (Cells{name, id, body, head, code, sound})) << index;
    }
    EXPECT_TRUE(!ModelTable::rowAt(-1) && !ModelTable::rowAt(19));
    for (int index = 0; index < ModelTable::rowCount; ++index)
        EXPECT_EQ(ModelTable::findById(ModelTable::rowAt(index)->modelId), index);
    const std::tuple<std::int32_t, const char*, int, int> loads[]
        = {{0, "mp_erik_md", 0, 3}, {4, "mp_erik", 4, 2}, {-1, "mp_samuel", noChoice, 12},
            {5, "MP_ERIK", noChoice, noChoice}, {3, "mp_erik ", 3, noChoice}, {2, "", 2, noChoice}};
    for (const auto& [race, modelId, raceChoice, modelChoice] : loads) {
        CharacterRecord record;
        std::tie(record.race, record.modelId) = std::tuple(race, modelId);
        const PageValues values = pageValuesOf(record);
        EXPECT_EQ(std::pair(values.raceChoice, values.modelChoice), std::pair(raceChoice, modelChoice));
    }
}

constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
constexpr std::nullopt_t none = std::nullopt;

// A field text and what an integer field and a real field make of it. A zero
// counts only when the text starts with '0'; only the first 31 characters count.
TEST(TextConversions, ParseIntegerAndReal)
{
    const std::tuple<std::string_view, std::optional<std::int32_t>, std::optional<float>> rows[] = {
        {" \t-17 \t", -17, -17.0F}, {"+007", 7, 7.0F}, {" 000 ", 0, 0.0F}, {"0.0", none, 0.0F},
        {"0.1e-60", none, 0.0F}, {"-0", none, none}, {".0", none, none}, {"", none, none},
        {"2147483648", highest, 2147483648.0F}, {"-2147483649", lowest, -2147483649.0F}, {"1 2", none, none},
        {"12\n", none, none}, {"1\0"sv, none, none}, {"inf", none, none}, {".5", none, 0.5F},
        {"25E-1", none, 2.5F}, {"1d3", none, 1000.0F}, {"1D+3", none, 1000.0F}, {"1e", none, none},
        {"1e-40", none, 1e-40F}, {"3.40282346e38", none, std::numeric_limits<float>::max()},
        // Too large fails, even where a zero would pass, rather than becoming infinity.
        {"3.4028236e38", none, none}, {"0.1e40", none, none}, {"01e99999999999999999999999", none, none},
        // Rounded once, straight to float: via double the first lands exactly
        // halfway between 1 and the next float and then ties down to 1.
        {"1.0000000596046448", none, std::nextafter(1.0F, 2.0F)}, {"1.000000059604644775390625", none, 1.0F},
        {"                             12x", 12, 12.0F}, {"                            12x", none, none},
        {"1234567890123456789012345678901x", highest, 1234567890123456789012345678901.0F},
        {"                           1.25x", none, 1.25F}};
    for (const auto& [text, integer, real] : rows) {
        EXPECT_EQ(parseInteger(text), integer) << '"' << text << '"';
        EXPECT_EQ(parseReal(text), real) << '"' << text << '"';
    }
}

// A stored real, the text shown, a typed text and what it reads back as: the
// text still as shown keeps the stored bits; any other text is converted.
TEST(TextConversions, RealsShownAndReadBack)
{
    const auto v = [](float value) { return FloatBits::fromValue(value); };
    const FloatBits precise = v(1234.5678F), nan{0x7FC01234}, zero{0x80000000}, inf{0x7F800000},
                    ninf{0xFF800000};
    const std::tuple<FloatBits, std::string_view, std::string_view, std::optional<FloatBits>> rows[] = {
        {precise, "1234.57", "1234.57", precise}, {nan, "nan", "nan", nan}, {zero, "-0", "-0", zero},
        {inf, "inf", "inf", inf}, {ninf, "-inf", "-inf", ninf}, {precise, "1234.57", "1234.570", v(1234.57F)},
        {precise, "1234.57", "nan", none}, {nan, "nan", "-0", none}, {v(0), "0", "4", v(4)},
        {v(0.1F), "0.1", "0.1", v(0.1F)}, {v(1e6F), "1e+06", "1e+06", v(1e6F)}, {v(1e-5F), "1e-05", "", none},
        {v(1e5F), "100000", "", none}, {v(1e-4F), "0.0001", "", none}, {v(1 / 3.0F), "0.333333", "0", v(0)}};
    for (const auto& [stored, shown, typed, expected] : rows) {
        EXPECT_EQ(formatReal(stored.value()), shown);
        EXPECT_EQ(readRealText(typed, formatReal(stored.value()), stored), expected)
            << shown << " typed " << typed;
    }
    // As printf's "%.6g" shows them in the C locale, whatever the process
    // locale: the exponent form chosen after rounding, ties to even.
    const std::pair<std::uint32_t, std::string_view> printed[] = {{0x00000001, "1.4013e-45"},
        {0x007FFFFF, "1.17549e-38"}, {0x7F7FFFFF, "3.40282e+38"}, {0xFFC00000, "-nan"}, {0x497423F8, "1e+06"},
        {0x497423F6, "999999"}, {0x47F12040, "123456"}, {0x38D1B717, "0.0001"}, {0x38D1B710, "9.99999e-05"},
        {0xB7D1B717, "-2.5e-05"}, {0x4B800000, "1.67772e+07"}, {0x3901742E, "0.000123457"},
        {0xB901741A, "-0.000123456"}, {0x40200000, "2.5"}};
    for (const auto& [bits, shown] : printed)
        EXPECT_EQ(formatReal(FloatBits{bits}.value()), shown) << std::hex << bits;
}

// The five bytes Windows-1252 leaves unassigned stand for the C1 controls of
// that number. Clan keys drop spaces and lower the code page's letters.
TEST(Cp1252, Conversions)
{
    const std::pair<std::string_view, std::string_view> known[]
        = {{"\x80", "\xE2\x82\xAC"}, {"\x81", "\xC2\x81"}, {"\x8A", "\xC5\xA0"}, {"\x9D", "\xC2\x9D"},
            {"\x9F", "\xC5\xB8"}, {"\xE9", "\xC3\xA9"}, {"A", "A"}};
    for (const auto& [byte, utf8] : known)
        EXPECT_EQ(utf8FromBytes(byte), utf8);
    // U+0080, whose byte stands for the euro sign, U+0100, U+1F600; then invalid UTF-8.
    for (const std::string_view utf8 : {"\xC2\x80"sv, "\xC4\x80"sv, "\xF0\x9F\x98\x80"sv, "\x80"sv,
             "a\xE2\x82"sv, "\xC1\x81"sv, "\xC3z"sv, "\xFF"sv})
        EXPECT_EQ(bytesFromUtf8(utf8), std::nullopt) << utf8;
    const std::pair<std::string_view, std::string_view> clanKeys[] = {{"New Clan", "newclan"},
        {" a b ", "ab"}, {"Tab\tStays", "tab\tstays"}, {"\xC0\xDE\xD7\xDF@[", "\xE0\xFE\xD7\xDF@["},
        {"\x8A\x8C\x8E\x9F\x9A\xFF", "\x9A\x9C\x9E\xFF\x9A\xFF"}};
    for (const auto& [clan, key] : clanKeys)
        EXPECT_EQ(clanKeyOf(clan), key) << clan;
}

// The record a save must produce, from the rules rather than the store code:
// a shown value goes to its field and to the field named with "Copy" after it.
CharacterRecord expectedAfterSave(CharacterRecord r, const editing::PageValues& v)
{
    const auto store = [&r]<class T>(std::string_view name, const T& value) {
        for (const auto& field : npf::npfFields)
            if (field.name == name || field.name == std::string(name) + "Copy")
                r.*std::get<T CharacterRecord::*>(field.member) = value;
    };
    store("characterName", v.characterName);
    store("clanName", v.clanName);
    r.clanKey = editing::clanKeyOf(v.clanName);
    if (v.raceChoice >= 0 && v.raceChoice <= 4)
        r.race = v.raceChoice;
    if (v.modelChoice >= 0 && v.modelChoice < editing::ModelTable::rowCount) {
        const auto& row = editing::ModelTable::rows()[std::size_t(v.modelChoice)];
        std::tie(r.modelId, r.bodyFile, r.headFile, r.shortCode, r.soundSet)
            = std::tie(row.modelId, row.bodyFile, row.headFile, row.shortCode, row.soundSet);
    }
    store("actorFlags", static_cast<std::int32_t>(v.actorFlags));
    for (const auto& number : editing::shownIntegers)
        store(number.name, v.*number.value);
    for (const auto& number : editing::shownReals)
        store(number.name, v.*number.value);
    return r;
}

// For random files and random edits through the editing logic, a save writes
// exactly what the edited values and their partners own, and nothing else.
using SaveProperty = NpfFileTest;

TEST_F(SaveProperty, SaveWritesExactlyTheFieldsTheEditOwns)
{
    for (std::uint32_t seed = 0; seed < 400; ++seed) {
        std::mt19937 random(seed);
        // A third short enough for end fields to overlap fixed ones; the first at that range's edges.
        const std::size_t size = seed < 3 ? std::array{796U, 905U, 906U}[seed]
            : random() % 3 == 0           ? 796 + random() % 110
                                          : 796 + random() % 3205;
        SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(size) + " bytes");
        // Any field bytes, with zeros ending texts early; sometimes a race and model the lists know.
        CharacterRecord known;
        known.race = static_cast<std::int32_t>(random() % 5);
        known.modelId = editing::ModelTable::rows()[random() % editing::ModelTable::rowCount].modelId;
        auto original = npftools::buildNpfBytes(known, size, seed);
        for (const npf::FieldLayout& field : npf::npfFields)
            if ((field.name != "race" && field.name != "modelId") || random() % 2)
                for (auto i = *field.offsetIn(size); i < *field.offsetIn(size) + field.width(); ++i)
                    original[i] = random() % 8 ? static_cast<char>(random()) : '\0';
        npf::NpfDocument document;
        document.setPath(writeNpf(original));
        ASSERT_TRUE(document.readFile());
        // Some shown values changed, choices out of range too; new texts are
        // other fields' texts, which hold no zero byte, like an edit box.
        editing::PageValues v = editing::pageValuesOf(document.record);
        const auto maybe = [&random](auto& value, auto changed) {
            if (random() % 5 < 2)
                value = changed;
        };
        maybe(v.characterName, document.record.bodyFile);
        maybe(v.clanName, document.record.soundSet);
        maybe(v.raceChoice, static_cast<int>(random() % 8) - 1);
        maybe(v.modelChoice, static_cast<int>(random() % (editing::ModelTable::rowCount + 3)) - 1);
        maybe(v.actorFlags, static_cast<editing::ActorFlags>(random()));
        for (const auto& number : editing::shownIntegers)
            maybe(v.*number.value, static_cast<std::int32_t>(random()));
        for (const auto& number : editing::shownReals)
            maybe(v.*number.value, npf::FloatBits{static_cast<std::uint32_t>(random())});
        const CharacterRecord expected = expectedAfterSave(document.record, v);
        editing::storePageValues(v, document.record);
        ASSERT_TRUE(document.saveFile());
        // The same seed: no byte outside the fields may change, nor the size.
        const auto saved = npftools::readFileBytes(document.path()),
                   wanted = npftools::buildNpfBytes(expected, size, seed);
        EXPECT_TRUE(saved == wanted) << "the first byte that differs is byte "
                                     << std::ranges::mismatch(saved, wanted).in1 - saved.begin();
    }
}

} // namespace
