#pragma once

#include "model/TextCodec.h"

#include <QString>

#include <string>

namespace tarn {

// Texts of the map header (names, file names) are in the Western code page;
// the controls show and take them as Qt text.
inline QString FromHeaderText(const std::string& bytes)
{
    return QString::fromStdString(WindowsWesternToUtf8(bytes));
}

inline std::string ToHeaderText(const QString& text)
{
    return Utf8ToWindowsWestern(text.toStdString());
}

}  // namespace tarn
