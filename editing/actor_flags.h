#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace editing {

// The character's 32 actor flags; bit b is row b of the flag list.
using ActorFlags = std::uint32_t;

inline constexpr int actorFlagCount = 32;

// The label of each bit's row. The top four bits have no name of their own but
// still get a row (a single space), so that every bit can be seen and kept.
inline constexpr std::array<std::string_view, actorFlagCount> actorFlagLabels{
    "INVULNERABLE",
    "INVUL TO PHYSICAL",
    "AI PAUSED",
    "NO FEED",
    "NO BLEED",
    "ALWAYS GIB KILL",
    "CAN GIB KILL",
    "TALK TO",
    "PICKUP",
    "STAKED",
    "HURT BY SILVER",
    "FAST DRINKER",
    "SUMMONED",
    "ANIMAL",
    "CAUSES HUMANITY LOSS",
    "HUMANITY TRACK",
    "CAN BEHEAD",
    "ETHEREAL",
    "NEUTRAL",
    "AI NO RETURN HOME",
    "START HIDDEN",
    "NO CORPS ROT",
    "NO DISC CASTING",
    "NO SHAPE DISC CASTING",
    "VALID SHAPE",
    "LUPINE",
    "NO SKELETON GIB",
    "ONLY GIB KILL",
    " ",
    " ",
    " ",
    " ",
};

constexpr ActorFlags actorFlagBit(int row)
{
    return ActorFlags{1} << row;
}

// The name a flag goes by where it is typed: its label, or "bit N" for the
// four rows whose label is blank.
std::string actorFlagName(int bit);
// The bit of a flag name ("bit N" names any bit); letters match in either case.
std::optional<int> findActorFlag(std::string_view name);
// The names of the set bits, lowest bit first.
std::vector<std::string> actorFlagNamesOf(ActorFlags flags);

} // namespace editing
