#pragma once

#include <string>
#include <string_view>

namespace tarn {

// The text fields of a LEM file (map and terrain names, labels, font faces)
// hold one byte per character in the Windows Western code page (1252), which
// other programs reading the format expect. The programs work in UTF-8 and
// convert at the boundary with these two functions.

// Every byte becomes its character; the five bytes the code page leaves
// undefined are kept as the control characters of the same value.
std::string WindowsWesternToUtf8(std::string_view bytes);

// Characters the code page cannot hold, and malformed UTF-8, become '?'.
std::string Utf8ToWindowsWestern(std::string_view utf8);

}  // namespace tarn
