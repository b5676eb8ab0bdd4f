#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <span>
#include <string>

namespace tarn {

// Writes a file whole or not at all. A symbolic link (or a chain of them) is
// followed to the file it leads to, which is created when it does not exist
// yet; the link itself stays. The contents go to a new file beside that
// file, are flushed to disk and then renamed over it, so a crash or a
// failure leaves the previous contents; an existing file keeps its
// permissions. Anything there that is not a regular file (a folder, a pipe,
// a device) is refused without being opened.
//
// Every failure, including an exception from the writer, removes the new
// file; failures of the file system throw ETarnError carrying `refusal`, the
// caller's coded message ("E0007 Error saving lem file").
void WriteFileAtomically(const std::filesystem::path& target, const std::function<void(std::ostream&)>& writer,
                         const std::string& refusal);
void WriteFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes,
                         const std::string& refusal);

}  // namespace tarn
