#pragma once

#include "npf_test_support.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// What one run of the built veyrith-npf printed and returned.
struct ToolRun {
    int status = -1; // exit status, or -1 when the tool did not exit normally
    std::string out;
    std::string err;
};

// Runs the tool without a shell, so arguments need no quoting, and collects
// its output through files in the test's directory.
class CliTest : public NpfFileTest {
protected:
    ToolRun run(const std::vector<std::string>& arguments)
    {
        const auto outPath = (directory / "stdout.txt").string();
        const auto errPath = (directory / "stderr.txt").string();
        std::string tool = VEYRITH_NPF_TOOL;
        std::vector<std::string> copies = arguments;
        std::vector<char*> argv{tool.data()};
        for (auto& argument : copies)
            argv.push_back(argument.data());
        argv.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        pid_t child = 0;
        const int spawned = posix_spawn(&child, tool.c_str(), &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);

        ToolRun result;
        int status = 0;
        if (spawned != 0 || waitpid(child, &status, 0) != child) {
            ADD_FAILURE() << "could not run " << tool;
            return result;
        }
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.out = readText(outPath);
        result.err = readText(errPath);
        return result;
    }

    static std::string readText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};
