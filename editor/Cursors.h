#pragma once

#include <QCursor>
#include <QString>

namespace tarn {

// The canvas cursors by resource name: "CAUTO", "CFLOOD", "CMANUAL",
// "COVER", "CRECT", "CSPOTH" and "CSPOTT". An unknown name gives the arrow.
QCursor NamedCursor(const QString& name);

// The cursor name of a tool code (1 to 11); empty for the objects tool,
// whose cursor depends on its shape, and for unknown codes.
QString ToolCursorName(int toolCode);

}  // namespace tarn
