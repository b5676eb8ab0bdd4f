#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace tarn {

// Replaces the target file with the bytes, or leaves it exactly as it was.
// The bytes go to a new file in the same folder, which is flushed to disk
// and then renamed over the target; on any failure the new file is removed
// and std::system_error is thrown. An existing target keeps its permissions.
void WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace tarn
