// For random files and random edits through the editing logic, a save writes
// exactly what the edited values and their partners own, and nothing else.
#include "npf_test_support.h"

#include "editing/cp1252.h"
#include "editing/model_table.h"
#include "editing/page_values.h"
#include "npf/npf_layout.h"

#include <algorithm>
#include <random>
#include <tuple>

namespace {

using npf::CharacterRecord;

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

class SaveProperty : public NpfFileTest { };

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
