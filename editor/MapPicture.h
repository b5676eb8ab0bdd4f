#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstddef>
#include <functional>
#include <list>
#include <unordered_map>

class QPainter;

namespace tarn {

// The drawn map as one picture of any size, of which only the tiles that
// are looked at exist: each tile is drawn on first use and kept in a cache
// of bounded size, the least recently used tile leaving first. Coordinates
// are those of the whole picture.
class TMapPicture {
public:
    static constexpr int kTileSize = 256;
    // Draws the given area of the picture; the painter is already moved and
    // clipped so that picture coordinates can be used as they are.
    using TAreaPainter = std::function<void(QPainter&, const QRect&)>;

    explicit TMapPicture(TAreaPainter painter, std::size_t maxTiles = 160);

    // Sets the picture's size and forgets every tile.
    void Resize(QSize size);
    QSize Size() const { return size_; }
    QRect Rect() const { return {QPoint(0, 0), size_}; }

    // Forgets every tile, or those that meet an area, so they are drawn anew.
    void Invalidate();
    void Invalidate(const QRect& area);

    // Paints the part of the picture that lies in `exposed` at its own place.
    void PaintOn(QPainter& painter, const QRect& exposed);
    // The colour of one pixel; black outside the picture.
    QRgb Pixel(int x, int y);
    // A copy of an area of the picture (cut to the picture).
    QImage Copy(const QRect& area);

    std::size_t CachedTiles() const { return tiles_.size(); }
    std::size_t CachedBytes() const;

private:
    struct TTile {
        QImage image;
        std::list<int>::iterator use;
    };
    int TilesAcross() const;
    QRect TileRect(int key) const;
    const QImage& Tile(int key);
    void ForEachTile(const QRect& area, const std::function<void(int key, const QRect&)>& visit) const;

    TAreaPainter painter_;
    std::size_t maxTiles_;
    QSize size_;
    std::unordered_map<int, TTile> tiles_;
    std::list<int> recentUse_;  // most recently used first
};

}  // namespace tarn
