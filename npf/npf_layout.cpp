#include "npf_layout.h"
#include "overloaded.h"

#include <algorithm>
#include <cstring>

namespace npf {

using R = CharacterRecord;

const std::array<FieldLayout, 51> npfFields{{
    {"characterName", &R::characterName, Anchor::Start, 8},
    {"characterNameCopy", &R::characterNameCopy, Anchor::End, 110},
    {"clanName", &R::clanName, Anchor::Start, 72},
    {"totalXpCopy", &R::totalXpCopy, Anchor::Start, 104},
    {"carriedTailInt", &R::carriedTailInt, Anchor::End, 78},
    {"totalXp", &R::totalXp, Anchor::End, 74},
    {"modelId", &R::modelId, Anchor::Start, 120},
    {"shortCode", &R::shortCode, Anchor::Start, 152},
    {"bodyFile", &R::bodyFile, Anchor::Start, 408},
    {"headFile", &R::headFile, Anchor::End, 66},
    {"soundSet", &R::soundSet, Anchor::Start, 356},
    {"clanKey", &R::clanKey, Anchor::Start, 502},
    {"race", &R::race, Anchor::Start, 484},
    {"actorFlags", &R::actorFlags, Anchor::Start, 476},
    {"carriedFloat600", &R::carriedFloat600, Anchor::Start, 600},
    {"generation", &R::generation, Anchor::Start, 716},
    {"cash", &R::cash, Anchor::Start, 490},
    {"healthCopy", &R::healthCopy, Anchor::Start, 536},
    {"health", &R::health, Anchor::Start, 540},
    {"manaCopy", &R::manaCopy, Anchor::Start, 632},
    {"mana", &R::mana, Anchor::Start, 752},
    {"bloodCopy", &R::bloodCopy, Anchor::Start, 588},
    {"blood", &R::blood, Anchor::Start, 744},
    {"bloodRating", &R::bloodRating, Anchor::Start, 740},
    {"humanity", &R::humanity, Anchor::Start, 708},
    {"faith", &R::faith, Anchor::Start, 720},
    {"strengthCopy", &R::strengthCopy, Anchor::Start, 564},
    {"strength", &R::strength, Anchor::Start, 680},
    {"dexterityCopy", &R::dexterityCopy, Anchor::Start, 568},
    {"dexterity", &R::dexterity, Anchor::Start, 684},
    {"staminaCopy", &R::staminaCopy, Anchor::Start, 572},
    {"stamina", &R::stamina, Anchor::Start, 688},
    {"perceptionCopy", &R::perceptionCopy, Anchor::Start, 576},
    {"perception", &R::perception, Anchor::Start, 692},
    {"intelligenceCopy", &R::intelligenceCopy, Anchor::Start, 580},
    {"intelligence", &R::intelligence, Anchor::Start, 696},
    {"witsCopy", &R::witsCopy, Anchor::Start, 584},
    {"wits", &R::wits, Anchor::Start, 700},
    {"charismaCopy", &R::charismaCopy, Anchor::Start, 608},
    {"charisma", &R::charisma, Anchor::Start, 724},
    {"manipulationCopy", &R::manipulationCopy, Anchor::Start, 612},
    {"manipulation", &R::manipulation, Anchor::Start, 728},
    {"appearanceCopy", &R::appearanceCopy, Anchor::Start, 616},
    {"appearance", &R::appearance, Anchor::Start, 732},
    {"soakElec", &R::soakElec, Anchor::Start, 792},
    {"soakFire", &R::soakFire, Anchor::Start, 772},
    {"soakSun", &R::soakSun, Anchor::Start, 776},
    {"soakFaith", &R::soakFaith, Anchor::Start, 780},
    {"soakCold", &R::soakCold, Anchor::Start, 784},
    {"carriedFloat788", &R::carriedFloat788, Anchor::Start, 788},
    {"carriedFloat768", &R::carriedFloat768, Anchor::Start, 768},
}};

void putLittleEndian(std::uint32_t value, std::span<char> out)
{
    for (std::size_t i = 0; i < numberWidth; ++i)
        out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t getLittleEndian(std::span<const char> in)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < numberWidth; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(in[i])) << (8 * i);
    return value;
}

void encodeField(const FieldLayout& field, const CharacterRecord& record, std::span<char> out)
{
    std::visit(Overloaded{
                   [&](std::string CharacterRecord::*text) {
                       const std::string& value = record.*text;
                       const std::size_t kept = std::min(value.size(), textWidth);
                       std::fill_n(out.begin(), textWidth, '\0');
                       std::copy_n(value.begin(), kept, out.begin());
                   },
                   [&](std::int32_t CharacterRecord::*integer) {
                       putLittleEndian(static_cast<std::uint32_t>(record.*integer), out);
                   },
                   [&](FloatBits CharacterRecord::*real) { putLittleEndian((record.*real).bits, out); },
               },
        field.member);
}

void decodeField(const FieldLayout& field, std::span<const char> in, CharacterRecord& record)
{
    std::visit(Overloaded{
                   [&](std::string CharacterRecord::*text) {
                       const auto end = std::find(in.begin(), in.begin() + textWidth, '\0');
                       record.*text = std::string(in.begin(), end);
                   },
                   [&](std::int32_t CharacterRecord::*integer) {
                       record.*integer = static_cast<std::int32_t>(getLittleEndian(in));
                   },
                   [&](FloatBits CharacterRecord::*real) { record.*real = FloatBits{getLittleEndian(in)}; },
               },
        field.member);
}

bool isSupportedHeader(std::span<const char> firstBytes)
{
    if (firstBytes.size() < headerSize)
        return false;
    const bool magicMatches = std::equal(headerMagic.begin(), headerMagic.end(), firstBytes.begin());
    const auto version = static_cast<std::int32_t>(getLittleEndian(firstBytes.subspan(versionOffset)));
    return magicMatches && version == supportedVersion;
}

} // namespace npf
