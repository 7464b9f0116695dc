#pragma once

#include "npf_test_support.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <regex>

// One run of veyrith-npf: its exit status, a part of its messages and of what
// it prints (each "" when it prints nothing there), and its change to the
// character file.
struct CliRow {
    std::vector<std::string> arguments;
    int status;
    std::string err;
    std::string out = "";
    std::function<void(npf::CharacterRecord&)> change = [](auto&) {};
};

class CliTest : public NpfFileTest {
protected:
    static constexpr std::size_t size = 1000;
    static constexpr std::uint32_t seed = 7;

    // Values that need care when shown: a Windows-1252 name, an unnamed flag, a
    // race and a model the lists do not know, odd floats; and pairs that
    // disagree, so that a change shows which partner it rewrites.
    static npf::CharacterRecord awkwardCharacter()
    {
        auto r = npftools::sampleCharacter();
        r.characterName = r.characterNameCopy = "Zo\xEB \x80";
        r.race = 7;
        r.modelId = "mp_custom";
        r.actorFlags = static_cast<std::int32_t>(0x80008088U);
        r.carriedFloat600 = npf::FloatBits{0x7fc00001};
        r.health = npf::FloatBits::fromValue(0.1F);
        r.healthCopy = npf::FloatBits::fromValue(1.0F / 3.0F);
        r.mana = npf::FloatBits{0xff800000}; // -inf
        r.manaCopy = npf::FloatBits{0x80000000}; // -0
        return r;
    }
    std::string file() const { return (directory / "character.npf").string(); }

    // Runs the tool through the shell, each row's arguments after the command,
    // on a fresh file() of the start character; out and err keep what the last
    // run printed.
    void check(const std::vector<std::string>& command, const std::vector<CliRow>& rows,
        const npf::CharacterRecord& start = awkwardCharacter())
    {
        for (const auto& row : rows) {
            std::string line = quoted(VEYRITH_NPF_TOOL);
            for (const auto* arguments : {&command, &row.arguments})
                for (const auto& argument : *arguments)
                    line += " " + quoted(argument);
            writeNpf(start, size, seed);
            line += " >" + quoted(directory / "out") + " 2>" + quoted(directory / "err");
            const int status = std::system(line.c_str()); // a wait status
            std::getline(std::ifstream(directory / "out"), out, '\0');
            std::getline(std::ifstream(directory / "err"), err, '\0');
            auto expected = start;
            row.change(expected);
            EXPECT_TRUE(status == W_EXITCODE(row.status, 0) && out.empty() == row.out.empty()
                && err.empty() == row.err.empty() && ("\n" + out).find(row.out) != std::string::npos
                && err.find(row.err) != std::string::npos
                && npftools::readFileBytes(file()) == npftools::buildNpfBytes(expected, size, seed))
                << line << " ended with wait status " << status << ": " << out << err;
        }
    }
    static std::string quoted(const std::string& s)
    {
        return "'" + std::regex_replace(s, std::regex("'"), "'\\''") + "'";
    }

    std::string out, err;
};
