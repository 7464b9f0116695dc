#pragma once

#include "npf_test_support.h"
#include "test_fixtures.h"

#include "cli/commands.h"

#include <functional>
#include <sstream>

// What show --json prints of the files, expecting the status.
inline std::string shown(const std::vector<std::string>& paths, int status = 0, std::ostream* err = nullptr)
{
    std::ostringstream out, ignored;
    EXPECT_EQ(cli::showCharacters(paths, true, out, err ? *err : ignored), status);
    return out.str();
}

// A command's arguments, status, change to the file, messages, and a part of what it prints.
struct CliRow {
    std::vector<std::string> arguments;
    int status;
    std::function<void(npf::CharacterRecord&)> change = {};
    std::string err = "";
    std::string out = "";
};

// Runs a command with a row's arguments, printing to out and err; answers its status.
using CliRun = std::function<int(const std::vector<std::string>&, std::ostream&, std::ostream&)>;

class CliTest : public NpfFileTest {
protected:
    static constexpr std::size_t size = 1000;

    // Values that need care when shown, and pairs that disagree, so a change
    // shows which partner it rewrites.
    static npf::CharacterRecord awkwardCharacter()
    {
        using Bits = npf::FloatBits;
        auto r = npftools::sampleCharacter();
        std::tie(r.characterName, r.characterNameCopy, r.race, r.modelId, r.actorFlags) = std::tuple(
            "Zo\xEB \x80", "Zo\xEB \x80", 7, "mp_custom", static_cast<std::int32_t>(0x80008088U));
        std::tie(r.carriedFloat600, r.health, r.healthCopy, r.mana, r.manaCopy) = std::tuple(Bits{0x7fc00001},
            Bits::fromValue(1234.5678F), Bits::fromValue(1.0F / 3), Bits{0xff800000}, Bits{0x80000000});
        return r;
    }
    std::string file() const { return (directory / "character.npf").string(); }
    const CliRun set = [this](auto& a, auto&, auto& e) { return cli::setFields(file(), a, e); };

    // Each row on a fresh file() of the start character; out and err keep the last run's.
    void check(const CliRun& run, const std::vector<CliRow>& rows,
        const npf::CharacterRecord& start = awkwardCharacter(), std::size_t fileSize = size)
    {
        for (const auto& row : rows) {
            SCOPED_TRACE(::testing::PrintToString(row.arguments));
            writeNpf(start, fileSize);
            out = std::ostringstream(), err = std::ostringstream();
            EXPECT_EQ(run(row.arguments, out, err), row.status);
            EXPECT_EQ(err.str(), row.err);
            EXPECT_EQ(out.str().empty(), row.out.empty()) << out.str();
            EXPECT_NE(("\n" + out.str()).find(row.out), std::string::npos) << out.str();
            auto expected = start;
            if (row.change)
                row.change(expected);
            EXPECT_EQ(npftools::readFileBytes(file()), npftools::buildNpfBytes(expected, fileSize, 7))
                << "the file";
        }
    }

    std::ostringstream out, err;
};
