#pragma once

#include <string>

namespace tarn {

// The name with its file part in lower case; a file in the program's own
// folder (compared without regard to case) keeps only its file part. The
// folder part keeps its case: on a case-sensitive file system a lowered
// folder would name another place, or none.
std::string ShortFileName(const std::string& name, const std::string& programFolder);

}  // namespace tarn
