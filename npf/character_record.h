#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace npf {

// A 32-bit float kept as the four bytes the file holds. Nothing on the way
// through the record may touch the pattern (signalling NaNs included), so the
// value is only produced when someone asks for it.
struct FloatBits {
    std::uint32_t bits = 0;

    float value() const { return std::bit_cast<float>(bits); }
    static FloatBits fromValue(float v) { return FloatBits{std::bit_cast<std::uint32_t>(v)}; }

    friend bool operator==(FloatBits, FloatBits) = default;
};

// The fifty-one values of a character file that the editor knows. Texts are the
// file's bytes; fields ending in Copy are the file's second copy of a value.
struct CharacterRecord {
    std::string characterName;
    std::string clanName;
    std::int32_t totalXpCopy = 0;
    std::int32_t totalXp = 0;
    std::int32_t carriedTailInt = 0;
    std::string modelId;
    std::string shortCode;
    std::string bodyFile;
    std::string headFile;
    std::string soundSet;
    std::string clanKey;
    std::string characterNameCopy;
    std::int32_t race = 0;
    std::int32_t actorFlags = 0;
    FloatBits carriedFloat600;
    FloatBits generation;
    std::int32_t cash = 0;
    FloatBits healthCopy;
    FloatBits health;
    FloatBits manaCopy;
    FloatBits mana;
    FloatBits bloodCopy;
    FloatBits blood;
    FloatBits bloodRating;
    FloatBits faith;
    FloatBits humanity;
    FloatBits strength;
    FloatBits strengthCopy;
    FloatBits dexterity;
    FloatBits dexterityCopy;
    FloatBits stamina;
    FloatBits staminaCopy;
    FloatBits perception;
    FloatBits perceptionCopy;
    FloatBits intelligence;
    FloatBits intelligenceCopy;
    FloatBits wits;
    FloatBits witsCopy;
    FloatBits charisma;
    FloatBits charismaCopy;
    FloatBits manipulation;
    FloatBits manipulationCopy;
    FloatBits appearance;
    FloatBits appearanceCopy;
    FloatBits soakFire;
    FloatBits soakElec;
    FloatBits soakCold;
    FloatBits soakFaith;
    FloatBits soakSun;
    FloatBits carriedFloat768;
    FloatBits carriedFloat788;

    friend bool operator==(const CharacterRecord&, const CharacterRecord&) = default;
};

} // namespace npf
