#include "editor/DefNet.h"

#include "editor/Cursors.h"
#include "editor/HeightBands.h"
#include "editor/Notifications.h"
#include "editor/RubberAreaTool.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tarn {

TDefineNet::TDefineNet(QWidget* parent)
    : QWidget(parent),
      MapPicture([this](QPainter& painter, const QRect& area) { RenderMapArea(painter, *this, renderSettings_, area); })
{
    setObjectName("DefineNet");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int code = 0; code <= kLastTool; ++code) {
        const bool area = code == kLevelAreaTool || code == kInterpolateTool || code == kAreaTerrainTool;
        tools_[static_cast<std::size_t>(code)] =
            area ? std::make_unique<TRubberAreaTool>() : std::make_unique<TCanvasTool>();
    }
}

TDefineNet::~TDefineNet() = default;

bool TDefineNet::HasGrid() const
{
    const int columns = MapHeader.Columns;
    const int rows = MapHeader.Rows;
    return columns >= 2 && rows >= 2 && PointCount() == columns * rows &&
           SquareCount() == (columns - 1) * (rows - 1);
}

int TDefineNet::GridColumns() const
{
    return HasGrid() ? MapHeader.Columns : 0;
}

int TDefineNet::GridRows() const
{
    return HasGrid() ? MapHeader.Rows : 0;
}

void TDefineNet::SizePicture()
{
    const QSize size(GridColumns() * Zoom, GridRows() * Zoom);
    MapPicture.Resize(size);
    setFixedSize(size);
}

void TDefineNet::ComputeScale()
{
    Scale = TCanvasGeometry::ComputeScale(MapPicture.Size().width(), MapPicture.Size().height(), GridColumns(),
                                          GridRows());
}

bool TDefineNet::ZoomStep(bool in)
{
    const int zoom = tarn::ZoomStep(Zoom, in);
    const bool changed = zoom != Zoom;
    Zoom = zoom;
    return changed;
}

TCanvasGeometry TDefineNet::Geometry() const
{
    return {GridColumns(), GridRows(), Scale};
}

TCanvasGeometry::TNodeHit TDefineNet::NodeAt(QPoint pixel) const
{
    if (!HasGrid())
        return {};
    return Geometry().NodeAt(pixel.x(), pixel.y());
}

TCanvasGeometry::TSquareHit TDefineNet::SquareAt(QPoint pixel) const
{
    if (!HasGrid())
        return {};
    return Geometry().SquareAt(pixel.x(), pixel.y());
}

TRenderSettings TDefineNet::CurrentRenderSettings() const
{
    TRenderSettings settings;
    settings.heights = ShowHeights;
    settings.terrains = ShowTerrains;
    settings.objects = ShowObjects;
    settings.background = ShowBackground;
    settings.bandMin = BandMin;
    settings.bandMax = BandMax;
    settings.scale = Scale;
    settings.picture = MapPicture.Size();
    settings.backgroundPicture = BackgroundPicture;
    return settings;
}

void TDefineNet::RedrawMap(bool whole, const TGridRect& nodes)
{
    renderSettings_ = CurrentRenderSettings();
    if (whole) {
        MapPicture.Invalidate();
    } else {
        // Beside the nodes' own markers, a change reaches the written heights
        // to their right and the terrain outlines of the squares around; two
        // grid steps on every side cover both.
        const double reach = 2 * Scale + MarkerSizeFor(Scale).half2 + 2;
        const QRectF area(QPointF((nodes.left - 1) * Scale - reach, (nodes.top - 1) * Scale - reach),
                          QPointF((nodes.right - 1) * Scale + reach, (nodes.bottom - 1) * Scale + reach));
        MapPicture.Invalidate(area.normalized().toAlignedRect());
    }
    update();
}

void TDefineNet::InstallTool(int toolCode, std::unique_ptr<TCanvasTool> tool)
{
    if (toolCode > kNoTool && toolCode <= kLastTool && tool) {
        tools_[static_cast<std::size_t>(toolCode)] = std::move(tool);
        installed_.set(static_cast<std::size_t>(toolCode));
    }
}

bool TDefineNet::ToolInstalled(int toolCode) const
{
    return toolCode > kNoTool && toolCode <= kLastTool && installed_.test(static_cast<std::size_t>(toolCode));
}

TCanvasTool& TDefineNet::Tool(int toolCode)
{
    return *tools_[static_cast<std::size_t>(std::clamp(toolCode, 0, kLastTool))];
}

void TDefineNet::EraseSectionLine()
{
    Tool(kSectionTool).EraseMarks(*this);
}

void TDefineNet::SetTool(int toolCode, QMenu* popupMenu)
{
    if (toolCode == kNoTool) {
        toolCode = currentTool_;
        popupMenu = popupMenu_;
    } else {
        EraseSectionLine();
    }
    if (currentTool_ == kObjectsTool)
        SetShape(currentShape_);
    Tool(currentTool_).Leave(*this);
    mousePressed_ = false;
    currentTool_ = std::clamp(toolCode, 0, kLastTool);
    ApplyToolCursor();
    Notify(kSectionToolChanged, currentTool_ == kSectionTool ? 1 : 0);
    popupMenu_ = popupMenu;
    update();
}

void TDefineNet::SetShape(int shape)
{
    if (shape == 0)
        shape = currentShape_;
    Tool(kObjectsTool).ShapeChanging(*this);
    currentShape_ = shape;
    ApplyToolCursor();
}

void TDefineNet::ApplyToolCursor()
{
    if (currentTool_ == kObjectsTool)
        setCursor(currentShape_ <= 1 ? QCursor(Qt::ArrowCursor) : NamedCursor("COVER"));
    else if (const QString name = ToolCursorName(currentTool_); !name.isEmpty())
        setCursor(NamedCursor(name));
}

TDefineNet::TClamped TDefineNet::Clamp(QPoint pixel)
{
    const QSize size = MapPicture.Size();
    const QPoint clamped(std::clamp(pixel.x(), 0, size.width()), std::clamp(pixel.y(), 0, size.height()));
    eventOutside_ = clamped != pixel;
    return {clamped, eventOutside_};
}

bool TDefineNet::IgnoresOutside() const
{
    return currentTool_ == kSpotHeightTool || currentTool_ == kDefaultHeightTool || currentTool_ == kSpotTerrainTool;
}

void TDefineNet::MouseDown(QPoint pixel, Qt::MouseButton button)
{
    const TClamped at = Clamp(pixel);
    if (at.outside && IgnoresOutside())
        return;
    mousePressed_ = true;
    Tool(currentTool_).MouseDown(*this, at.point, button);
}

void TDefineNet::MouseMove(QPoint pixel)
{
    TClamped at = Clamp(pixel);
    const auto node = NodeAt(at.point);
    if (node.number < 0)
        at.outside = true;
    if (at.outside && IgnoresOutside())
        return;
    if (!at.outside) {
        const TGridPoint* point = GetPoint(node.number);
        Notify(kMouseOverNode, point ? point->Height : kNullHeight, PackColumnRow(node.column, node.row));
    }
    if (mousePressed_)
        Tool(currentTool_).MouseMove(*this, at.point);
}

void TDefineNet::MouseUp(QPoint pixel, Qt::MouseButton button)
{
    const TClamped at = Clamp(pixel);
    if (at.outside && IgnoresOutside())
        return;
    if (!mousePressed_)
        return;
    mousePressed_ = false;
    Tool(currentTool_).MouseUp(*this, at.point, button);
}

void TDefineNet::DblClick(QPoint pixel)
{
    const TClamped at = Clamp(pixel);
    if (at.outside && IgnoresOutside())
        return;
    Tool(currentTool_).DoubleClick(*this, at.point);
}

void TDefineNet::Notify(int number, long long first, long long second)
{
    BroadcastNotification(number, first, second);
}

void TDefineNet::RecordUndo(const UndoRecord& record)
{
    undoList_.Add(record);
    Notify(kUndoAvailable);
}

void TDefineNet::ClearUndo()
{
    undoList_.Clear();
}

void TDefineNet::MarkModified()
{
    if (modified_)
        return;
    modified_ = true;
    emit ModifiedChanged(true);
}

void TDefineNet::ClearModified()
{
    if (!modified_)
        return;
    modified_ = false;
    emit ModifiedChanged(false);
}

void TDefineNet::UndoLast()
{
    ApplyUndo(*this, undoList_);
    if (!undoList_.empty())
        MarkModified();
    Notify(kUndoUsed);
    RedrawMap(true);
}

void TDefineNet::AnnounceEdit()
{
    if (!undoList_.empty())
        Notify(kUndoAvailable);
    MarkModified();
}

void TDefineNet::EditDone(const TGridRect& nodes)
{
    AnnounceEdit();
    RedrawMap(false, nodes);
}

void TDefineNet::EditDone()
{
    AnnounceEdit();
    RedrawMap(true);
}

void TDefineNet::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    MapPicture.PaintOn(painter, exposed);
    Tool(currentTool_).PaintMarks(painter);
}

void TDefineNet::mousePressEvent(QMouseEvent* event)
{
    MouseDown(event->position().toPoint(), event->button());
}

void TDefineNet::mouseMoveEvent(QMouseEvent* event)
{
    MouseMove(event->position().toPoint());
}

void TDefineNet::mouseReleaseEvent(QMouseEvent* event)
{
    MouseUp(event->position().toPoint(), event->button());
}

void TDefineNet::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click comes after the double click itself.
    DblClick(event->position().toPoint());
    MouseDown(event->position().toPoint(), event->button());
}

void TDefineNet::contextMenuEvent(QContextMenuEvent* event)
{
    if (popupMenu_)
        popupMenu_->popup(event->globalPos());
}

}  // namespace tarn
