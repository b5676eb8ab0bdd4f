#pragma once

#include "exchange/FormatDriver.h"

#include <span>
#include <string>
#include <string_view>

namespace tarn {

// Every format driver, and the file dialogs' lists of them. Menus, dialogs
// and tarntool all read their formats from here.

std::span<const TFormatDriver* const> AllFormats();
// The driver of that short name ("usgs-dem"), or nullptr.
const TFormatDriver* FindFormat(std::string_view name);

// One entry of a file dialog's filter: a caption, a pattern, and the
// format it selects by its short name.
struct TDialogFilter {
    std::string_view caption;
    std::string_view pattern;
    std::string_view format;
};

// The entries of the Import and Export dialogs, in the order that makes
// their 1-based indexes.
std::span<const TDialogFilter> ImportFilters();
std::span<const TDialogFilter> ExportFilters();
inline constexpr std::string_view kExportDialogTitle = "Export Digital Terrain Data";

// "caption|pattern|caption|pattern..."
std::string FilterText(std::span<const TDialogFilter> filters);

// The driver the 1-based filter index selects; nullptr for an index out of
// range or a format whose driver is not part of this build.
const TFormatDriver* ImportFormatAt(int index);
const TFormatDriver* ExportFormatAt(int index);

}  // namespace tarn
