#include "analysis/gridding/OptionsRecord.h"

#include "analysis/gridding/GriddingMessages.h"
#include "model/Errors.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace tarn::gridding {

namespace {

constexpr std::size_t kInputFile = 0;
constexpr std::size_t kOutputFile = 32;
constexpr std::size_t kGradients = 64;
constexpr std::size_t kColumns = 80;
constexpr std::size_t kRows = 84;
constexpr std::size_t kSpeed = 104;
constexpr std::size_t kTaughtness1 = 112;
constexpr std::size_t kTaughtness2 = 116;
constexpr std::size_t kXMinimum = 132;
constexpr std::size_t kYMinimum = 136;
constexpr std::size_t kXMaximum = 140;
constexpr std::size_t kYMaximum = 144;
constexpr std::size_t kNullValue = 156;
constexpr std::size_t kExtrapolate = 160;
constexpr std::size_t kFileNameSize = 32;

struct FixedInteger {
    std::size_t offset;
    std::int32_t value;
};
constexpr FixedInteger kFixedIntegers[] = {{92, 1}, {108, -1}, {120, 1}, {124, 1}, {128, 1}};

struct FixedText {
    std::size_t offset;
    std::size_t size;
    std::string_view text;
};
constexpr FixedText kFormats[] = {
    {168, 32, "%lf%lf%*s"},
    {200, 32, "%lf%lf%lf"},
    {232, 32, "%12.4f"},
    {264, 48, "%12.4f %8.3f %8.3f"},
    {312, 48, "%12.4f %12.4f %12.4f"},
    {360, 48, "%12.4f %12.4f %12.4f %8.3f %8.3f"},
};

void PutInteger(OptionsRecordBytes& bytes, std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInteger(std::span<const std::uint8_t, kOptionsRecordSize> bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < 4; ++i)
        bits |= static_cast<std::uint32_t>(bytes[offset + i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void PutText(OptionsRecordBytes& bytes, std::size_t offset, std::size_t size, std::string_view text)
{
    if (text.size() >= size)
        throw ETarnError(msg::TemporaryFile);
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::string GetText(std::span<const std::uint8_t, kOptionsRecordSize> bytes, std::size_t offset, std::size_t size)
{
    const auto* first = reinterpret_cast<const char*>(bytes.data() + offset);
    return std::string(first, strnlen(first, size));
}

}  // namespace

OptionsRecordBytes EncodeOptionsRecord(const GridOptionsRecord& options)
{
    OptionsRecordBytes bytes{};
    PutText(bytes, kInputFile, kFileNameSize, options.inputFile);
    PutText(bytes, kOutputFile, kFileNameSize, options.outputFile);
    PutInteger(bytes, kGradients, options.useGradients ? 1 : 0);
    PutInteger(bytes, kColumns, options.columns);
    PutInteger(bytes, kRows, options.rows);
    PutInteger(bytes, kSpeed, options.optimiseForSpeed ? 1 : 0);
    PutInteger(bytes, kTaughtness1, options.taughtness1);
    PutInteger(bytes, kTaughtness2, options.taughtness2);
    PutInteger(bytes, kXMinimum, options.xMinimum);
    PutInteger(bytes, kYMinimum, options.yMinimum);
    PutInteger(bytes, kXMaximum, options.xMaximum);
    PutInteger(bytes, kYMaximum, options.yMaximum);
    PutInteger(bytes, kNullValue, options.nullValue);
    PutInteger(bytes, kExtrapolate, options.extrapolate ? 1 : 0);
    for (const FixedInteger& field : kFixedIntegers)
        PutInteger(bytes, field.offset, field.value);
    for (const FixedText& field : kFormats)
        PutText(bytes, field.offset, field.size, field.text);
    return bytes;
}

GridOptionsRecord DecodeOptionsRecord(std::span<const std::uint8_t, kOptionsRecordSize> bytes)
{
    GridOptionsRecord options;
    options.inputFile = GetText(bytes, kInputFile, kFileNameSize);
    options.outputFile = GetText(bytes, kOutputFile, kFileNameSize);
    options.useGradients = GetInteger(bytes, kGradients) != 0;
    options.columns = GetInteger(bytes, kColumns);
    options.rows = GetInteger(bytes, kRows);
    options.optimiseForSpeed = GetInteger(bytes, kSpeed) != 0;
    options.taughtness1 = GetInteger(bytes, kTaughtness1);
    options.taughtness2 = GetInteger(bytes, kTaughtness2);
    options.xMinimum = GetInteger(bytes, kXMinimum);
    options.yMinimum = GetInteger(bytes, kYMinimum);
    options.xMaximum = GetInteger(bytes, kXMaximum);
    options.yMaximum = GetInteger(bytes, kYMaximum);
    options.nullValue = GetInteger(bytes, kNullValue);
    options.extrapolate = GetInteger(bytes, kExtrapolate) != 0;
    return options;
}

}  // namespace tarn::gridding
