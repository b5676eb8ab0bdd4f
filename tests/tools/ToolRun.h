#pragma once

// Runs tarntool as a user does, in a folder of its own for each test.
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tarn::test {

namespace fs = std::filesystem;

struct Run {
    int exitCode = -1;
    std::string output;  // standard output and standard error together
};

// Runs the program with the words (as a shell reads them) and collects what it printed.
inline Run RunProgram(const std::string& program, const std::string& arguments)
{
    const std::string command = program + " " + arguments + " 2>&1";
    Run run;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    while (const auto n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        run.output.append(buffer.data(), n);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

inline Run RunTool(const std::string& arguments) { return RunProgram(TARNTOOL_PATH, arguments); }

inline std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class Tarntool : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string name = "tarntool-";
        name += std::to_string(::getpid());
        name += '-';
        name += ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = fs::temp_directory_path() / name;
        fs::create_directories(folder);
        // Keep the user's own settings out of the way: an empty store gives the standard palette.
        ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(folder); }
    // Built by appending: g++ 12 at -O3 warns falsely on a literal added to a temporary string.
    std::string In(const std::string& name) const
    {
        std::string quoted = "'";
        quoted += (folder / name).string();
        quoted += '\'';
        return quoted;
    }

    fs::path folder;
};

}  // namespace tarn::test
