#pragma once

#include <QPoint>
#include <Qt>

class QPainter;

namespace tarn {

class TDefineNet;

// Tool codes of the canvas, as the main window's tool buttons pass them.
enum ToolCode : int {
    kNoTool = 0,
    kSpotHeightTool = 1,
    kDefaultHeightTool = 2,
    kManualTraceTool = 3,
    kAutoTraceTool = 4,
    kLevelAreaTool = 5,
    kInterpolateTool = 6,
    kSpotTerrainTool = 7,
    kAreaTerrainTool = 8,
    kFloodTool = 9,
    kObjectsTool = 10,
    kSectionTool = 11,
};
inline constexpr int kLastTool = kSectionTool;

// One editing tool: it receives the canvas's mouse events (positions in
// picture pixels, already limited to the picture) and keeps the state of its
// own half-done gestures. A tool that ignores an event leaves it alone.
class TCanvasTool {
public:
    virtual ~TCanvasTool() = default;

    virtual void MouseDown(TDefineNet&, QPoint, Qt::MouseButton) {}
    // Reaches the tool only while a mouse button is held.
    virtual void MouseMove(TDefineNet&, QPoint) {}
    virtual void MouseUp(TDefineNet&, QPoint, Qt::MouseButton) {}
    virtual void DoubleClick(TDefineNet&, QPoint) {}
    // Another tool is selected: finish or drop a half-done gesture.
    virtual void Leave(TDefineNet&) {}
    // The objects tool's shape is about to change: finish a pending object.
    virtual void ShapeChanging(TDefineNet&) {}
    // Drop lines kept on screen between gestures (the cross-section line).
    virtual void EraseMarks(TDefineNet&) {}
    // Paints the tool's transient marks (rubber lines, trace lines) over
    // the map picture; the painter works in picture pixels.
    virtual void PaintMarks(QPainter&) const {}
};

}  // namespace tarn
