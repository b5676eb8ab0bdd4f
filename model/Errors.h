#pragma once

#include <stdexcept>
#include <string>

namespace tarn {

// A failure that carries one of the system's coded messages ("E0007 Error
// saving lem file"). The command that started the work catches it and shows
// what() to the user; caption() names the message box where one is fixed.
class ETarnError : public std::runtime_error {
public:
    explicit ETarnError(const std::string& message, std::string caption = {})
        : std::runtime_error(message), caption_(std::move(caption)) {}

    // "E0007" for "E0007 Error saving lem file"; empty for an uncoded text.
    std::string code() const;
    const std::string& caption() const { return caption_; }

private:
    std::string caption_;
};

// A file or record whose contents break the format's rules.
class EInvalidData : public ETarnError {
public:
    using ETarnError::ETarnError;
};

// The coded message texts of the map model, quoted exactly as users see them.
namespace msg {
inline constexpr const char* MemoryAllocation = "E0001 Memory Allocation Error";
inline constexpr const char* InvalidMapSize = "E0004 Invalid map size parameters";
inline constexpr const char* TooManyGridPoints = "E0005 Create Map Failed: too many grid points";
inline constexpr const char* TooFewGridPoints = "E0006 Create Map Failed: has too few grid points";
inline constexpr const char* ErrorSavingLem = "E0007 Error saving lem file";
inline constexpr const char* IncompatibleLem =
    "E0046 Glenmarrowscape 1 files are not compatible with Glenmarrowscape 2.  Use XYZ Export/Import";
inline constexpr const char* IncompatibleLemCaption = "Glenmarrowscape 2";
// Our own additions: a LEM file that cannot be opened or whose contents are
// damaged, and terrain configuration files that cannot be read or written.
inline constexpr const char* ErrorOpeningLem = "E0060 Error opening lem file";
inline constexpr const char* CorruptLem = "E0061 Lem file is corrupt";
inline constexpr const char* ErrorReadingConfig = "E0062 Error reading terrain configuration file";
inline constexpr const char* ErrorWritingConfig = "E0063 Error writing terrain configuration file";
}  // namespace msg

}  // namespace tarn
