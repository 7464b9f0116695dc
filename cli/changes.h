#pragma once

#include "field_names.h"

#include "editing/page_values.h"
#include "npf/character_record.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace cli {

struct TextChange {
    std::string editing::PageValues::*value;
    void (*store)(const editing::PageValues&, npf::CharacterRecord&);
    std::string bytes; // Windows-1252
};
struct RaceChange {
    std::int32_t race; // outside the list only when it names the stored race
};
struct ModelChange {
    std::optional<int> row; // no row: the text must be the stored identifier
    std::string modelId;
};
struct FlagsChange {
    editing::ActorFlags flags;
};
struct FlagToggle {
    int bit;
    bool set;
};
struct IntegerChange {
    const editing::ShownNumber<std::int32_t>* number;
    std::int32_t value;
    std::optional<std::string> clampedNote; // the text stood for a number the file cannot hold
};
struct RealChange {
    const editing::ShownNumber<npf::FloatBits>* number;
    std::optional<npf::FloatBits> bits; // given as a bit pattern
    std::string text; // otherwise read as the editor reads the field, against the stored value
};

// One argument of set: FIELD=VALUE, +FLAG or -FLAG.
using Change
    = std::variant<TextChange, RaceChange, ModelChange, FlagsChange, FlagToggle, IntegerChange, RealChange>;

// A checked argument, or the message that rejects it.
struct ParsedChange {
    std::optional<Change> change;
    std::string error;
};

// Whether an argument has the form of a change (which parseChange may still
// refuse), rather than of a file name or a lone word.
bool looksLikeChange(std::string_view argument);

// Checks a value with the editor's conversion rules, as far as that needs no
// file: a real typed as a stored value shows ("1234.57", "nan", "-0") and a
// race or model the lists do not know are judged against the stored values
// when the changes apply.
ParsedChange parseChange(std::string_view argument);

// The fields set accepts before "=", in the order the pages show them, each
// with the record fields its change writes.
std::span<const SettableField> settableFields();
std::string settableFieldNames();

// What set says on standard error beside a success: the notes of the changes
// whose values are the ones stored.
std::vector<std::string> notesOn(std::span<const Change> changes);

// Applies the changes in order to what the editor would show for the record,
// then stores the named values as the editor's Save does (partner fields, clan
// key, model strings included); fields not named keep their stored values. On
// a change the stored values do not allow, returns its message and leaves the
// record as it was.
std::optional<std::string> applyChanges(std::span<const Change> changes, npf::CharacterRecord& record);

} // namespace cli
