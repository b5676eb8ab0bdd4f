#include "editor/MapPicture.h"

#include <QPainter>

namespace tarn {

TMapPicture::TMapPicture(TAreaPainter painter, std::size_t maxTiles)
    : painter_(std::move(painter)), maxTiles_(std::max<std::size_t>(1, maxTiles))
{
}

void TMapPicture::Resize(QSize size)
{
    size_ = size.expandedTo(QSize(0, 0));
    Invalidate();
}

void TMapPicture::Invalidate()
{
    tiles_.clear();
    recentUse_.clear();
}

void TMapPicture::Invalidate(const QRect& area)
{
    ForEachTile(area, [this](int key, const QRect&) {
        const auto found = tiles_.find(key);
        if (found == tiles_.end())
            return;
        recentUse_.erase(found->second.use);
        tiles_.erase(found);
    });
}

int TMapPicture::TilesAcross() const
{
    return (size_.width() + kTileSize - 1) / kTileSize;
}

QRect TMapPicture::TileRect(int key) const
{
    const int across = TilesAcross();
    const QRect tile((key % across) * kTileSize, (key / across) * kTileSize, kTileSize, kTileSize);
    return tile.intersected(Rect());
}

void TMapPicture::ForEachTile(const QRect& area, const std::function<void(int, const QRect&)>& visit) const
{
    const QRect wanted = area.intersected(Rect());
    if (wanted.isEmpty())
        return;
    const int across = TilesAcross();
    for (int ty = wanted.top() / kTileSize; ty <= wanted.bottom() / kTileSize; ++ty)
        for (int tx = wanted.left() / kTileSize; tx <= wanted.right() / kTileSize; ++tx) {
            const int key = ty * across + tx;
            visit(key, TileRect(key));
        }
}

const QImage& TMapPicture::Tile(int key)
{
    const auto found = tiles_.find(key);
    if (found != tiles_.end()) {
        recentUse_.splice(recentUse_.begin(), recentUse_, found->second.use);
        return found->second.image;
    }
    while (tiles_.size() >= maxTiles_) {
        tiles_.erase(recentUse_.back());
        recentUse_.pop_back();
    }
    const QRect rect = TileRect(key);
    QImage image(rect.size(), QImage::Format_RGB32);
    {
        QPainter painter(&image);
        painter.translate(-rect.topLeft());
        painter.setClipRect(rect);
        painter_(painter, rect);
    }
    recentUse_.push_front(key);
    auto& tile = tiles_[key];
    tile.image = std::move(image);
    tile.use = recentUse_.begin();
    return tile.image;
}

void TMapPicture::PaintOn(QPainter& painter, const QRect& exposed)
{
    ForEachTile(exposed, [&](int key, const QRect& rect) { painter.drawImage(rect.topLeft(), Tile(key)); });
}

QRgb TMapPicture::Pixel(int x, int y)
{
    if (!Rect().contains(x, y))
        return qRgb(0, 0, 0);
    const int key = (y / kTileSize) * TilesAcross() + x / kTileSize;
    const QRect rect = TileRect(key);
    return Tile(key).pixel(x - rect.left(), y - rect.top());
}

QImage TMapPicture::Copy(const QRect& area)
{
    const QRect wanted = area.intersected(Rect());
    QImage copy(wanted.size(), QImage::Format_RGB32);
    if (wanted.isEmpty())
        return copy;
    QPainter painter(&copy);
    painter.translate(-wanted.topLeft());
    PaintOn(painter, wanted);
    return copy;
}

std::size_t TMapPicture::CachedBytes() const
{
    std::size_t bytes = 0;
    for (const auto& [key, tile] : tiles_)
        bytes += static_cast<std::size_t>(tile.image.sizeInBytes());
    return bytes;
}

}  // namespace tarn
