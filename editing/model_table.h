#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace editing {

// One player model: the name the Model list shows and the five strings a
// character file uses to name it. Every cell is stored byte for byte.
struct ModelRow {
    std::string_view displayName;
    std::string_view modelId;
    std::string_view bodyFile;
    std::string_view headFile;
    std::string_view shortCode;
    std::string_view soundSet;
};

// The fixed table of player models; a row's index is its position in the Model list.
class ModelTable {
public:
    static constexpr int rowCount = 19;

    // The row shown at a list index, or nothing for any other index (-1 for no
    // choice, or an extra entry after the table's rows).
    static const ModelRow* rowAt(int index);

    // The index of the row whose identifier is exactly this text: same length,
    // same bytes, case-sensitive. "mp_erik" must not find "mp_erik_md".
    static std::optional<int> findById(std::string_view modelId);

    static const std::array<ModelRow, rowCount>& rows();
};

} // namespace editing
