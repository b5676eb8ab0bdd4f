// Reading and writing the LEM map file.
#include "model/ByteIO.h"
#include "model/Errors.h"
#include "model/HeaderTransfer.h"
#include "model/Net.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <ostream>

namespace tarn {

namespace {

constexpr std::int16_t kSignature = 241;
constexpr std::uint8_t kVersion = 68;
constexpr long long kMaxNodes = 250000;
constexpr std::size_t kOverlayFixedSize = 1 + 24 + 4 + 1 + TGraphObject::kNameLength;
constexpr std::size_t kPointSize = 12;
constexpr std::size_t kLabelFixedSize = TLogFont::kSize + 4 + 16 + 12 + 2;
constexpr int kMaxListEntries = std::numeric_limits<std::int16_t>::max();
// Nodes and squares are loaded in blocks of this many between progress reports.
constexpr long long kLoadBlock = 2048;

std::string Corrupt(const std::string& detail)
{
    return std::string(msg::CorruptLem) + ": " + detail;
}

// Reads exactly `size` bytes of the stream into a block, or refuses the file
// as ending early inside `part`. The size is always bounded by the caller.
std::vector<std::uint8_t> ReadBlock(std::istream& stream, std::size_t size, const char* part)
{
    std::vector<std::uint8_t> block(size);
    stream.read(reinterpret_cast<char*>(block.data()), static_cast<std::streamsize>(size));
    if (static_cast<std::size_t>(stream.gcount()) != size)
        throw EInvalidData(Corrupt(std::string("the file ends inside ") + part));
    return block;
}

// Reads `count` little-endian 16-bit values; the count is bounded by the grid.
std::vector<std::int16_t> ReadInt16Block(std::istream& stream, long long count, const char* part)
{
    std::vector<std::int16_t> values(static_cast<std::size_t>(count));
    const auto size = static_cast<std::streamsize>(values.size() * sizeof(std::int16_t));
    stream.read(reinterpret_cast<char*>(values.data()), size);
    if (stream.gcount() != size)
        throw EInvalidData(Corrupt(std::string("the file ends inside ") + part));
    return values;
}

template <typename T>
T ReadValue(std::istream& stream, const char* part)
{
    const auto block = ReadBlock(stream, sizeof(T), part);
    ByteReader reader(block, {});
    return reader.get<T>();
}

void ValidateGrid(const TMapHeader& h)
{
    if (h.Columns < 2 || h.Rows < 2)
        throw EInvalidData(Corrupt("a grid of " + std::to_string(h.Columns) + " x " + std::to_string(h.Rows) +
                                   " nodes needs at least 2 x 2"));
    if (static_cast<long long>(h.Columns) * h.Rows > kMaxNodes)
        throw EInvalidData(Corrupt("a grid of " + std::to_string(h.Columns) + " x " + std::to_string(h.Rows) +
                                   " nodes is larger than 250000 nodes"));
}

void RequireCount(long long found, long long expected, const char* what)
{
    if (found != expected)
        throw EInvalidData(Corrupt(std::string("the file holds ") + std::to_string(found) + " " + what +
                                   " where its grid needs " + std::to_string(expected)));
}

int ReadListCount(std::istream& stream, const char* what)
{
    const auto count = ReadValue<std::int16_t>(stream, what);
    if (count < 0)
        throw EInvalidData(Corrupt(std::string("negative count of ") + what));
    return count;
}

std::unique_ptr<TGraphObject> ReadOverlay(std::istream& stream)
{
    const auto fixed = ReadBlock(stream, kOverlayFixedSize + 2, "an overlay object");
    ByteReader in(fixed, {});
    auto object = CreateGraphObject(in.get<std::uint8_t>());
    for (auto& bound : object->Bounds)
        in.field(bound);
    in.field(object->PenColour);
    in.field(object->PenWidth);
    in.read(object->Name.data(), object->Name.size());
    const auto pointCount = in.get<std::int16_t>();
    if (pointCount < 0)
        throw EInvalidData(Corrupt("an overlay object has a negative point count"));

    const auto pointBytes = ReadBlock(stream, kPointSize * static_cast<std::size_t>(pointCount), "an overlay object");
    ByteReader points(pointBytes, {});
    object->Points.resize(static_cast<std::size_t>(pointCount));
    for (auto& point : object->Points) {
        points.field(point.X);
        points.field(point.Y);
    }
    return object;
}

std::unique_ptr<TEnhString> ReadLabel(std::istream& stream)
{
    const auto fixed = ReadBlock(stream, kLabelFixedSize + 2, "a text label");
    ByteReader in(fixed, {});
    auto label = std::make_unique<TEnhString>();
    in.field(label->Font.bytes());
    in.field(label->Colour);
    for (auto& side : label->Box)
        in.field(side);
    in.field(label->X);
    in.field(label->Y);
    label->PointSize = in.get<std::int16_t>();
    const auto length = in.get<std::int16_t>();
    if (length < 0 || static_cast<std::size_t>(length) > TEnhString::kMaxTextLength)
        throw EInvalidData(Corrupt("a text label claims " + std::to_string(length) +
                                   " characters, more than a label can hold"));
    const auto text = ReadBlock(stream, static_cast<std::size_t>(length) + 1, "a text label");
    const auto end = std::find(text.begin(), text.begin() + length, 0);
    label->Text.assign(text.begin(), end);
    return label;
}

void WriteOverlay(ByteWriter& out, const TGraphObject& object)
{
    out.field(static_cast<std::uint8_t>(object.Kind()));
    for (const auto& bound : object.Bounds)
        out.field(bound);
    out.field(object.PenColour);
    out.field(object.PenWidth);
    out.write(object.Name.data(), object.Name.size());
    const auto count = std::min<std::size_t>(object.Points.size(), kMaxListEntries);
    out.field(static_cast<std::int16_t>(count));
    for (std::size_t i = 0; i < count; ++i) {
        out.field(object.Points[i].X);
        out.field(object.Points[i].Y);
    }
}

void WriteLabel(ByteWriter& out, const TEnhString& label)
{
    out.field(label.Font.bytes());
    out.field(label.Colour);
    for (const auto& side : label.Box)
        out.field(side);
    out.field(label.X);
    out.field(label.Y);
    out.field(RoundToInt16(label.PointSize));
    // The text ends at its first zero and never exceeds what a reader accepts.
    const std::string_view text(label.Text.c_str());
    const auto length = std::min(text.size(), TEnhString::kMaxTextLength);
    out.field(static_cast<std::int16_t>(length));
    out.write(text.data(), length);
    out.field(std::uint8_t{0});
}

}  // namespace

void TNet::TransferHeader(bool write, std::iostream& stream)
{
    if (write) {
        std::vector<std::uint8_t> bytes;
        bytes.reserve(TMapHeader::kFileSize);
        ByteWriter out(bytes);
        TransferHeaderFields(out, MapHeader);
        stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!stream)
            throw ETarnError(msg::ErrorSavingLem);
        return;
    }
    const auto bytes = ReadBlock(stream, TMapHeader::kFileSize, "the map header");
    ByteReader in(bytes, Corrupt("the map header is short"));
    TransferHeaderFields(in, MapHeader);
}

void TNet::SaveToStream(std::ostream& stream)
{
    const auto bytes = SaveToBytes();
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    stream.flush();
    if (!stream)
        throw ETarnError(msg::ErrorSavingLem);
}

std::vector<std::uint8_t> TNet::SaveToBytes()
{
    auto& h = MapHeader;
    const long long nodes = static_cast<long long>(h.Columns) * h.Rows;
    const long long squares = static_cast<long long>(h.Columns - 1) * (h.Rows - 1);
    if (h.Columns < 2 || h.Rows < 2 || nodes != PointCount() || squares != SquareCount())
        throw ETarnError(msg::ErrorSavingLem);

    h.Signature = kSignature;
    h.Version = kVersion;

    std::vector<std::uint8_t> bytes;
    bytes.reserve(TMapHeader::kFileSize + 8 + 2 * static_cast<std::size_t>(nodes + squares));
    ByteWriter out(bytes);
    TransferHeaderFields(out, h);

    out.field(static_cast<std::int32_t>(nodes));
    std::vector<std::int16_t> column(static_cast<std::size_t>(std::max(nodes, squares)));
    std::transform(Points().begin(), Points().end(), column.begin(), [](const TGridPoint& p) { return p.Height; });
    out.write(column.data(), 2 * static_cast<std::size_t>(nodes));
    out.field(static_cast<std::int32_t>(squares));
    std::transform(Squares().begin(), Squares().end(), column.begin(), [](const TGridSquare& s) { return s.Terrain; });
    out.write(column.data(), 2 * static_cast<std::size_t>(squares));

    const auto overlayCount = std::min<std::size_t>(Overlays.size(), kMaxListEntries);
    out.field(static_cast<std::int16_t>(overlayCount));
    for (std::size_t i = 0; i < overlayCount; ++i)
        WriteOverlay(out, *Overlays[i]);

    const auto labelCount = std::min<std::size_t>(Labels.size(), kMaxListEntries);
    out.field(static_cast<std::int16_t>(labelCount));
    for (std::size_t i = 0; i < labelCount; ++i)
        WriteLabel(out, *Labels[i]);
    return bytes;
}

bool TNet::LoadFromStream(std::istream& stream, IProgress& progress)
{
    AbortLoad = false;
    ProgressTicker ticker(progress);
    const auto keepGoing = [&](long long position, long long total) {
        if (!ticker.tick(position, total))
            AbortLoad = true;
        return !AbortLoad;
    };
    const auto abort = [&] {
        MapHeader.ExtentX = 0;
        progress.hideProgress();
        progress.setCaptions("Load aborted", "");
        return false;
    };

    progress.setCaptions("Loading LEM", "Initialization");
    try {
        // The signature is tested on the first three bytes, so a foreign file
        // is told apart from a damaged one even when it is short.
        std::vector<std::uint8_t> headerBytes(TMapHeader::kFileSize);
        stream.read(reinterpret_cast<char*>(headerBytes.data()), static_cast<std::streamsize>(headerBytes.size()));
        const auto headerRead = static_cast<std::size_t>(stream.gcount());
        if (headerRead >= 3 && (headerBytes[0] != 0xF1 || headerBytes[1] != 0 || headerBytes[2] != kVersion))
            throw ETarnError(msg::IncompatibleLem, msg::IncompatibleLemCaption);
        if (headerRead != TMapHeader::kFileSize)
            throw EInvalidData(Corrupt("the file ends inside the map header"));

        TMapHeader header;
        ByteReader in(headerBytes, Corrupt("the map header is short"));
        TransferHeaderFields(in, header);
        ValidateGrid(header);
        header.ShadingChanged = 1;
        header.ScenePercentage = std::clamp<std::uint8_t>(header.ScenePercentage, 2, 99);
        MapHeader = header;

        progress.setPercent(20);
        Clear();
        progress.setPercent(40);
        progress.setPercent(60);
        progress.setPercent(80);
        const int rows = MapHeader.Rows;
        const int columns = MapHeader.Columns;
        BuildSquares(rows, columns);
        progress.setPercent(90);
        const auto west = GetCorner(WestSouth);
        const auto east = GetCorner(EastNorth);
        BuildPoints(rows, columns, west.x, east.x, west.y, east.y);
        progress.setPercent(100);
        if (!ticker.pumpNow())
            AbortLoad = true;
        if (AbortLoad)
            return abort();

        // Heights.
        const long long nodes = static_cast<long long>(columns) * rows;
        RequireCount(ReadValue<std::int32_t>(stream, "the node count"), nodes, "heights");
        progress.setCaptions("Loading LEM", "Loading Heights");
        const auto heights = ReadInt16Block(stream, nodes, "the heights");
        int largest = 0;
        int smallest = 32000;
        auto& points = Points();
        // Progress and the abort check run once per block of nodes.
        for (long long block = 0; block < nodes; block += kLoadBlock) {
            const long long end = std::min(nodes, block + kLoadBlock);
            for (long long i = block; i < end; ++i) {
                const std::int16_t height = heights[i];
                points[i].Height = height;
                if (height != kNullHeight) {
                    largest = std::max<int>(largest, height);
                    smallest = std::min<int>(smallest, height);
                }
            }
            if (!keepGoing(end, nodes))
                return abort();
        }
        if (largest < 1) {
            MapHeader.MaxHeight = 1000;
            MapHeader.MinHeight = 0;
        } else {
            MapHeader.MaxHeight = static_cast<std::int16_t>(largest);
            MapHeader.MinHeight = static_cast<std::int16_t>(smallest);
        }

        // Terrains.
        const long long squareCount = static_cast<long long>(columns - 1) * (rows - 1);
        RequireCount(ReadValue<std::int32_t>(stream, "the square count"), squareCount, "terrain codes");
        progress.setCaptions("Loading LEM", "Loading Terrains");
        const auto terrains = ReadInt16Block(stream, squareCount, "the terrain codes");
        auto& squares = Squares();
        for (long long block = 0; block < squareCount; block += kLoadBlock) {
            const long long end = std::min(squareCount, block + kLoadBlock);
            for (long long i = block; i < end; ++i) {
                auto& square = squares[i];
                square.Terrain = terrains[i];
                // The grid is whole, so all four corners exist.
                const auto* corner = &points[square.FirstCorner - 1];
                const auto stats = SquareStats(corner[0].Height, corner[1].Height, corner[columns + 1].Height,
                                               corner[columns].Height);
                square.MeanHeight = stats.MeanHeight;
                square.NullCorner = stats.NullCorner;
            }
            if (!keepGoing(end, squareCount))
                return abort();
        }

        progress.setCaptions("Loading LEM", "Loading Overlays");
        const int overlayCount = ReadListCount(stream, "overlay objects");
        for (int i = 0; i < overlayCount; ++i) {
            Overlays.push_back(ReadOverlay(stream));
            if (!keepGoing(i + 1, overlayCount))
                return abort();
        }

        progress.setCaptions("Loading LEM", "Loading Text");
        const int labelCount = ReadListCount(stream, "text labels");
        for (int i = 0; i < labelCount; ++i) {
            Labels.push_back(ReadLabel(stream));
            if (!keepGoing(i + 1, labelCount))
                return abort();
        }
    } catch (const ETarnError&) {
        // A refused file leaves an empty, unloaded map whose header agrees
        // with its (empty) grid.
        Clear();
        MapHeader.Columns = 0;
        MapHeader.Rows = 0;
        MapHeader.ExtentX = 0;
        progress.hideProgress();
        progress.setCaptions("Load aborted", "");
        throw;
    }

    progress.hideProgress();
    progress.setCaptions("Load completed", "");
    return true;
}

}  // namespace tarn
