// DefNet.h: TDefineNet, the editor's map together with the canvas that shows it.
#pragma once

#include "editor/CanvasGeometry.h"
#include "editor/CanvasTool.h"
#include "editor/MapPicture.h"
#include "editor/MapRenderer.h"
#include "editor/ZoomTable.h"
#include "model/Net.h"
#include "model/edits/HeightRule.h"
#include "model/edits/UndoList.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <bitset>
#include <memory>
#include <vector>

class QMenu;

namespace tarn {

// A rectangle of 1-based node columns and rows, edges included.
struct TGridRect {
    int left = 1;
    int top = 1;
    int right = 1;
    int bottom = 1;
};

// The editor's map and its canvas: the map model with everything needed to
// show and edit it. The map picture is columns x Zoom by rows x Zoom pixels;
// the widget takes that size inside its scroll area, and only the parts on
// screen are ever drawn. Mouse events go to the current tool.
class TDefineNet : public QWidget, public TNet {
    Q_OBJECT

public:
    explicit TDefineNet(QWidget* parent = nullptr);
    ~TDefineNet() override;

    // Drawing state.
    int Zoom = kStartZoom;
    double Scale = 1.0;
    bool ShowHeights = true;
    bool ShowTerrains = true;
    bool ShowObjects = true;
    bool ShowBackground = true;
    int BandMax = 1000;
    int BandMin = 0;
    QImage BackgroundPicture;
    TMapPicture MapPicture;

    // Editing settings the main window passes on to the tools.
    int CurrentTerrain = 1;
    TColorRef PenColour = 0;
    int PenWidth = 1;
    int TraceTolerance = 50;
    int TraceDensity = 3;
    double SectionRatio = 1.0;
    // LastHeight and DefaultHeight of the height tools.
    THeightMemory HeightMemory;

    // True when the lists hold the whole grid the header names; false while
    // no map is loaded (for instance after a failed load).
    bool HasGrid() const;
    int GridColumns() const;
    int GridRows() const;

    // Sizes the picture (and the widget) to columns x Zoom by rows x Zoom.
    void SizePicture();
    void ComputeScale();
    // One step along the zoom table; returns whether Zoom changed.
    bool ZoomStep(bool in);

    TCanvasGeometry Geometry() const;
    TCanvasGeometry::TNodeHit NodeAt(QPoint pixel) const;
    TCanvasGeometry::TSquareHit SquareAt(QPoint pixel) const;

    // Draws the picture anew: all of it, or the area around a rectangle of
    // nodes. The picture then shows the current layer switches and height
    // band range; the screen is refreshed.
    void RedrawMap(bool whole, const TGridRect& nodes = {});

    // Tools.
    void SetTool(int toolCode, QMenu* popupMenu);
    int CurrentTool() const { return currentTool_; }
    void SetShape(int shape);
    int CurrentShape() const { return currentShape_; }
    // Puts a tool in place for a code. Until its tool is installed, a code
    // does nothing with the mouse, except that the area codes (5, 6, 8)
    // drag a rubber rectangle.
    void InstallTool(int toolCode, std::unique_ptr<TCanvasTool> tool);
    TCanvasTool& Tool(int toolCode);
    // Whether a tool was installed for the code.
    bool ToolInstalled(int toolCode) const;
    QMenu* PopupMenu() const { return popupMenu_; }
    void EraseSectionLine();

    // Mouse handling, positions in picture pixels.
    void MouseDown(QPoint pixel, Qt::MouseButton button);
    void MouseMove(QPoint pixel);
    void MouseUp(QPoint pixel, Qt::MouseButton button);
    void DblClick(QPoint pixel);
    bool MousePressed() const { return mousePressed_; }
    // Whether the event being handled lay outside the picture, so that the
    // tool was given the nearest position on its edge.
    bool EventOutside() const { return eventOutside_; }

    // Tells every open window (see Notifications.h).
    void Notify(int number, long long first = 0, long long second = 0);

    // One-level undo. RecordUndo appends one record and tells the windows
    // that Undo is available. An edit that fills the list itself (through
    // UndoList()) calls EditDone, which does the same once for all records.
    void RecordUndo(const UndoRecord& record);
    void ClearUndo();
    void UndoLast();
    const TUndoList& UndoList() const { return undoList_; }
    TUndoList& UndoList() { return undoList_; }

    // After an edit changed the map: Undo becomes available when the list
    // holds records, the map counts as modified, and the picture is redrawn
    // around the changed nodes (or whole).
    void EditDone(const TGridRect& nodes);
    void EditDone();

    // Whether the map has changed since it was made, opened or saved. Every
    // operation that changes the map's contents calls MarkModified when done.
    bool Modified() const { return modified_; }
    void MarkModified();
    void ClearModified();

signals:
    void ModifiedChanged(bool modified);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct TClamped {
        QPoint point;
        bool outside = false;
    };
    // Also notes whether the position was outside, for EventOutside.
    TClamped Clamp(QPoint pixel);
    bool IgnoresOutside() const;
    TRenderSettings CurrentRenderSettings() const;
    void ApplyToolCursor();

    TRenderSettings renderSettings_;
    std::array<std::unique_ptr<TCanvasTool>, kLastTool + 1> tools_;
    std::bitset<kLastTool + 1> installed_;
    int currentTool_ = kNoTool;
    int currentShape_ = 0;
    QMenu* popupMenu_ = nullptr;
    bool mousePressed_ = false;
    TUndoList undoList_;
    void AnnounceEdit();
    bool eventOutside_ = false;
    bool modified_ = false;
};

}  // namespace tarn
