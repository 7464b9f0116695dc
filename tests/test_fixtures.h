#pragma once

// Expectations and file tricks shared by every suite, whatever its test framework.

#include "npf/character_record.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

namespace fixtures {

// The model "Samuel MD"'s five strings, apart from the model table to check it.
inline void putSamuelModel(npf::CharacterRecord& r)
{
    std::tie(r.modelId, r.bodyFile, r.headFile, r.shortCode, r.soundSet)
        = std::tuple("mp_samuel_da", "SamuelDA.nod", "samuelDAH.nod", "SAMUEL", "mpSamuel.nag");
}

// A file unwritable even for root while this lives (chattr +i); locked() is
// false where that is not possible, and callers skip.
class ImmutableFile {
public:
    explicit ImmutableFile(std::filesystem::path file)
        : path(std::move(file))
        , isLocked(run("+i"))
    {
    }
    ~ImmutableFile()
    {
        if (isLocked)
            run("-i");
    }
    ImmutableFile(const ImmutableFile&) = delete;
    ImmutableFile& operator=(const ImmutableFile&) = delete;

    bool locked() const { return isLocked; }

private:
    bool run(const char* change) const
    {
        const std::string command = std::string("chattr ") + change + " '" + path.string() + "' 2>/dev/null";
        return std::system(command.c_str()) == 0;
    }

    std::filesystem::path path;
    bool isLocked;
};

} // namespace fixtures
