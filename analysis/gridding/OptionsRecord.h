#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tarn::gridding {

// The 408-byte options record handed to SetOptions. Integers are 32-bit
// little-endian, texts zero-terminated and zero-padded to their field.
//   0  32  input file name         168  32  input format "%lf%lf%*s"
//  32  32  output file name        200  32  input format "%lf%lf%lf"
//  64   4  1 = use gradients       232  32  output format "%12.4f"
//  80   4  columns of the area     264  48  "%12.4f %8.3f %8.3f"
//  84   4  rows of the area        312  48  "%12.4f %12.4f %12.4f"
// 104   4  1 = optimise for speed  360  48  "%12.4f %12.4f %12.4f %8.3f %8.3f"
// 112   4  taughtness #1           132..144  x min, y min, x max, y max
// 116   4  taughtness #2           156   4  null value (-1001)
// 160   4  1 = extrapolate
// The other integer fields hold fixed values: 1 at 92, 120, 124, 128; -1 at
// 108; 0 elsewhere. Coordinates use 10 units per grid step, y northward.
inline constexpr std::size_t kOptionsRecordSize = 408;
using OptionsRecordBytes = std::array<std::uint8_t, kOptionsRecordSize>;
// A file name field holds at most this many characters and its terminator.
inline constexpr std::size_t kLongestFileName = 31;

struct GridOptionsRecord {
    std::string inputFile;
    std::string outputFile;
    bool useGradients = true;
    int columns = 0;
    int rows = 0;
    bool optimiseForSpeed = true;
    int taughtness1 = 1;
    int taughtness2 = 8;
    int xMinimum = 0;
    int yMinimum = 0;
    int xMaximum = 0;
    int yMaximum = 0;
    int nullValue = -1001;
    bool extrapolate = false;

    friend bool operator==(const GridOptionsRecord&, const GridOptionsRecord&) = default;
};

// Throws ETarnError "E0018 ..." when a file name does not fit its field
// (rather than cutting it).
OptionsRecordBytes EncodeOptionsRecord(const GridOptionsRecord& options);
// Reads the varying fields back; a file name runs to its first zero byte
// within the field.
GridOptionsRecord DecodeOptionsRecord(std::span<const std::uint8_t, kOptionsRecordSize> bytes);

}  // namespace tarn::gridding
