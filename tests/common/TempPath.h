#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

namespace tarn::test {

// A path in the temporary folder that no other test, nor another run of the
// same test in a parallel process, uses: the stem, the process and a short
// hash of the running test's name (short, as some map fields hold only 80
// characters of a file name).
inline std::filesystem::path UniqueTempPath(const std::string& stem, const std::string& extension = {})
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = stem;
    name += '-';
    name += std::to_string(::getpid());
    if (test) {
        char hash[17];
        std::snprintf(hash, sizeof hash, "%08zx",
                      std::hash<std::string>{}(std::string(test->test_suite_name()) + "." + test->name()) & 0xFFFFFFFFu);
        name += '-';
        name += hash;
    }
    name += extension;
    return std::filesystem::temp_directory_path() / name;
}

}  // namespace tarn::test
