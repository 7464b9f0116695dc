#pragma once

// Expectations and file tricks shared by every suite, whatever its test framework.

#include "npf/character_record.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

namespace fixtures {

// The five strings a save writes for the model "Samuel", spelled out here so
// that the model table is checked against an independent copy.
inline void putSamuelModel(npf::CharacterRecord& r)
{
    std::tie(r.modelId, r.bodyFile, r.headFile, r.shortCode, r.soundSet)
        = std::tuple("mp_samuel_da", "SamuelDA.nod", "samuelDAH.nod", "SAMUEL", "mpSamuel.nag");
}

// Makes a file unwritable even for root (the immutable attribute), and gives
// it back on destruction. locked() is false where the filesystem or the
// missing chattr does not allow it; callers skip then, since permission bits
// alone do not stop root.
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
