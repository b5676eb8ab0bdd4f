#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace tarn::test {

using Bytes = std::vector<std::uint8_t>;

// A fresh folder of the test's own, removed afterwards.
class TestFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path() /
                 ("tarn-viewer-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    static Bytes ReadAll(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteAll(const std::filesystem::path& path, const Bytes& bytes)
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // A copy of a map of the test data (or, with a path, of any file) in the folder.
    std::filesystem::path CopyTestMap(const std::string& name, const std::string& as = {}) const
    {
        const std::filesystem::path copy = folder / (as.empty() ? name : as);
        std::filesystem::copy_file(std::filesystem::path(TARN_TEST_DATA) / name, copy);
        return copy;
    }

    std::filesystem::path folder;
};

}  // namespace tarn::test
