#include "field_names.h"

#include "messages.h"

#include "editing/text_conversions.h"
#include "npf/npf_layout.h"

#include <algorithm>
#include <numeric>

namespace cli {

namespace {

char lowered(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Edits (insert, delete, replace, swap two neighbours) from a to b, letter case aside.
std::size_t editDistance(std::string_view a, std::string_view b)
{
    // Three rows of the table: two back, one back, the current one.
    std::vector<std::size_t> before(b.size() + 1), previous(b.size() + 1), current(b.size() + 1);
    std::iota(previous.begin(), previous.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool same = lowered(a[i - 1]) == lowered(b[j - 1]);
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (same ? 0 : 1)});
            if (i > 1 && j > 1 && lowered(a[i - 1]) == lowered(b[j - 2])
                && lowered(a[i - 2]) == lowered(b[j - 1]))
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        std::swap(before, previous);
        std::swap(previous, current);
    }
    return previous[b.size()];
}

const SettableField* writerOf(std::string_view recordField, std::span<const SettableField> fields)
{
    const auto writer = std::find_if(fields.begin(), fields.end(), [&](const SettableField& field) {
        return std::find(field.writes.begin(), field.writes.end(), recordField) != field.writes.end();
    });
    return writer == fields.end() ? nullptr : &*writer;
}

// Why a field of the file is not one set takes, and what to set instead.
std::string notSettable(std::string_view recordField, std::span<const SettableField> fields)
{
    const SettableField* writer = writerOf(recordField, fields);
    if (!writer)
        return messages::neverSet(recordField);
    if (writer->writes.size() == 2)
        return messages::carriedBy(recordField, writer->name);
    return messages::writtenTogether(recordField, writer->name, writer->writes);
}

} // namespace

std::vector<std::string_view> nearestNames(std::string_view typed, std::span<const std::string_view> names)
{
    // A slip is a few edits; past that, any name would be a guess.
    constexpr std::size_t mostSuggested = 3;
    const std::size_t allowed = std::clamp<std::size_t>(typed.size() / 3, 1, 3);
    // A name begun ("dex") is near too, after the slips.
    constexpr std::size_t shortestBeginning = 3;
    std::vector<std::pair<std::size_t, std::string_view>> near;
    for (const std::string_view name : names) {
        const std::size_t distance = editDistance(typed, name);
        if (distance <= allowed)
            near.emplace_back(distance, name);
        else if (typed.size() >= shortestBeginning
            && editing::equalIgnoringCase(typed, name.substr(0, typed.size())))
            near.emplace_back(allowed + 1, name);
    }
    std::stable_sort(
        near.begin(), near.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    // A name that differs only in letter case is the one meant.
    if (!near.empty() && near.front().first == 0)
        std::erase_if(near, [](const auto& candidate) { return candidate.first > 0; });
    near.resize(std::min(near.size(), mostSuggested));
    std::vector<std::string_view> nearest;
    for (const auto& [distance, name] : near)
        nearest.push_back(name);
    return nearest;
}

ResolvedField resolveFieldName(std::string_view typed, std::span<const SettableField> fields)
{
    for (const SettableField& field : fields) {
        if (editing::equalIgnoringCase(typed, field.name))
            return {field.name, {}};
    }
    std::vector<std::string_view> settable;
    for (const SettableField& field : fields)
        settable.push_back(field.name);
    std::vector<std::string_view> names = settable;
    for (const npf::FieldLayout& field : npf::npfFields) {
        if (editing::equalIgnoringCase(typed, field.name))
            return {std::nullopt, notSettable(field.name, fields)};
        if (std::find(names.begin(), names.end(), field.name) == names.end())
            names.push_back(field.name);
    }
    // A near copy or model string stands for the field that writes it.
    std::vector<std::string_view> suggested;
    for (const std::string_view name : nearestNames(typed, names)) {
        const SettableField* writer = writerOf(name, fields);
        const std::string_view meant = writer ? writer->name : name;
        if (std::find(suggested.begin(), suggested.end(), meant) == suggested.end())
            suggested.push_back(meant);
    }
    if (suggested.empty())
        return {std::nullopt, messages::unknownField(typed, settable)};
    return {std::nullopt, messages::misspeltField(typed, suggested)};
}

} // namespace cli
