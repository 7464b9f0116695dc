#include "npf_builder.h"

#include "npf/npf_layout.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace npftools {

std::vector<char> buildNpfBytes(const npf::CharacterRecord& record, std::size_t size, std::uint32_t seed)
{
    std::vector<char> bytes(size);
    std::mt19937 random(seed);
    std::generate(bytes.begin(), bytes.end(), [&] { return static_cast<char>(random() & 0xFF); });

    std::copy(npf::headerMagic.begin(), npf::headerMagic.end(), bytes.begin());
    npf::putLittleEndian(
        npf::supportedVersion, std::span(bytes).subspan(npf::versionOffset, npf::numberWidth));

    for (const npf::FieldLayout& field : npf::npfFields) {
        const auto offset = field.offsetIn(size);
        if (offset && *offset + field.width() <= size)
            npf::encodeField(field, record, std::span(bytes).subspan(*offset, field.width()));
    }
    return bytes;
}

npf::CharacterRecord sampleCharacter()
{
    using npf::FloatBits;
    npf::CharacterRecord c;
    c.characterName = "Mireille Vasquez";
    c.characterNameCopy = c.characterName;
    c.clanName = "Night Heron";
    c.clanKey = "nightheron";
    c.totalXp = c.totalXpCopy = 1850;
    c.carriedTailInt = 3;
    c.modelId = "mp_serena";
    c.bodyFile = "Serena.nod";
    c.headFile = "SerenaH.nod";
    c.shortCode = "SERENA";
    c.soundSet = "mpSerena.nag";
    c.race = 0;
    c.actorFlags = 0x00008088; // TALK TO, NO FEED, HUMANITY TRACK
    c.cash = 2400;
    c.generation = FloatBits::fromValue(9);
    c.health = c.healthCopy = FloatBits::fromValue(60);
    c.mana = c.manaCopy = FloatBits::fromValue(45);
    c.blood = c.bloodCopy = FloatBits::fromValue(30);
    c.bloodRating = FloatBits::fromValue(12);
    c.faith = FloatBits::fromValue(10);
    c.humanity = FloatBits::fromValue(14);
    c.strength = c.strengthCopy = FloatBits::fromValue(13);
    c.dexterity = c.dexterityCopy = FloatBits::fromValue(17);
    c.stamina = c.staminaCopy = FloatBits::fromValue(15);
    c.perception = c.perceptionCopy = FloatBits::fromValue(19);
    c.intelligence = c.intelligenceCopy = FloatBits::fromValue(16);
    c.wits = c.witsCopy = FloatBits::fromValue(18);
    c.charisma = c.charismaCopy = FloatBits::fromValue(21);
    c.manipulation = c.manipulationCopy = FloatBits::fromValue(12);
    c.appearance = c.appearanceCopy = FloatBits::fromValue(20);
    c.soakFire = FloatBits::fromValue(10);
    c.soakSun = FloatBits::fromValue(10);
    c.soakFaith = FloatBits::fromValue(12);
    c.soakCold = FloatBits::fromValue(15);
    c.soakElec = FloatBits::fromValue(11);
    c.carriedFloat600 = FloatBits::fromValue(1);
    c.carriedFloat768 = FloatBits::fromValue(0.5F);
    c.carriedFloat788 = FloatBits::fromValue(2);
    return c;
}

npf::Transfer MemoryFile::readAt(std::uint64_t offset, std::span<char> into)
{
    if (offset >= bytes.size())
        return {npf::Transfer::Status::done, 0};
    const std::size_t count = std::min<std::size_t>(into.size(), bytes.size() - offset);
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(offset), count, into.begin());
    return {npf::Transfer::Status::done, count};
}

// As the system does, a write past the end makes the file longer.
npf::Transfer MemoryFile::writeAt(std::uint64_t offset, std::span<const char> from)
{
    if (offset + from.size() > bytes.size())
        bytes.resize(offset + from.size(), '\0');
    std::ranges::copy(from, bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return {npf::Transfer::Status::done, from.size()};
}

bool writeFileBytes(const std::filesystem::path& path, const std::vector<char>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

std::vector<char> readFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace npftools
