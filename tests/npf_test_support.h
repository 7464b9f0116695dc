#pragma once

#include "npf/npf_document.h"
#include "tools/npf_builder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

// A fresh directory per test, removed afterwards, and character files in it.
class NpfFileTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(directory); }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::string writeNpf(const std::vector<char>& bytes, const std::string& name = "character.npf")
    {
        EXPECT_TRUE(npftools::writeFileBytes(directory / name, bytes));
        return (directory / name).string();
    }
    std::string writeNpf(const npf::CharacterRecord& record, std::size_t size, std::uint32_t seed = 7)
    {
        return writeNpf(npftools::buildNpfBytes(record, size, seed));
    }

    // Named after the test, which gtest makes current before it builds the fixture.
    std::filesystem::path directory = [] {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        return std::filesystem::temp_directory_path()
            / (std::string("veyrith-") + test->test_suite_name() + "-" + test->name() + "-"
                + std::to_string(std::random_device()()));
    }();
};
