#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tarn {

class TNet;

// The Vistapro DEM file, as Vistapro-format tools lay it out:
//
//   bytes 0..2047   header: "Vista DEM File" (zero-padded to 32 bytes), the
//                   writer's name in the next 32 bytes, a free maker text in
//                   bytes 64..127, bytes 00 00 00 01 at 128..131, zeros up to
//                   1023, then a 1024-byte table whose first entries are
//                   32-bit colour values;
//   then 258 rows from the south edge to the north, each of 258 heights from
//   west to east, each row as a big-endian 16-bit byte count followed by
//   that many bytes of the packed row.
//
// A row is packed in two steps. Delta coding: the first height as a
// big-endian signed 16-bit number, then for each further height its
// difference from the one before as one signed byte when it lies in
// -127..127, otherwise the byte 0x80 followed by the height itself as a
// big-endian 16-bit number. Run-length coding of those bytes: a control byte
// C below 128 is followed by C + 1 bytes taken as they are; C of 128 or more
// is followed by one byte repeated 257 - C times.
inline constexpr int kVistaproSide = 258;
inline constexpr std::size_t kVistaproHeaderBytes = 2048;

// The most bytes a row of `count` heights can take after delta coding (every
// step a jump), and after run-length coding (no byte ever repeats, so one
// control byte per 128 bytes). A row of 258 takes up to 773 and 780 bytes.
constexpr std::size_t VistaproDeltaBytesMax(std::size_t count) { return count == 0 ? 0 : 2 + 3 * (count - 1); }
constexpr std::size_t VistaproPackedBytesMax(std::size_t count)
{
    return VistaproDeltaBytesMax(count) + (VistaproDeltaBytesMax(count) + 127) / 128;
}

using TVistaproRow = std::array<std::int16_t, kVistaproSide>;

// All heights of a file, 258 rows: row 0 is the southern edge.
using TVistaproGrid = std::vector<TVistaproRow>;

std::vector<std::uint8_t> PackVistaproRow(const TVistaproRow& heights);

// Throws EInvalidData msg::CorruptVistapro when the bytes do not unpack to
// exactly 258 heights: a count or length runs past the bytes, a run or a
// jump goes beyond the row, a height leaves the 16-bit range, or bytes are
// left over.
TVistaproRow UnpackVistaproRow(std::span<const std::uint8_t> packed);

// The heights of nodes (column c, row r counted from the south), for c and r
// 1..258, and 0 where the map has no such node. Null nodes keep their value.
TVistaproGrid VistaproGridOf(const TNet& net);

// The whole file: header and packed rows. The grid has 258 rows.
std::vector<std::uint8_t> EncodeVistaproFile(const TVistaproGrid& grid);

// Whether the bytes begin with the Vistapro DEM header's title.
bool HasVistaproTitle(std::span<const std::uint8_t> bytes);

// Reads the rows of a whole file, checking every length against what is left
// of the file; bytes after the last row are ignored. Throws EInvalidData
// msg::CorruptVistapro, naming the row, for a file that ends inside the
// header or a row, or a row that does not unpack to 258 heights.
TVistaproGrid DecodeVistaproFile(std::span<const std::uint8_t> bytes);

// Puts the heights into the map's nodes: file row r (from the south) and
// column c go to node c + Columns * (Rows - r) where the map has such a node;
// heights below -1000 become Null (-1001). MaxHeight and MinHeight become
// the largest and smallest value stored, and the squares are brought up to
// date.
void StoreVistaproGrid(const TVistaproGrid& grid, TNet& net);

}  // namespace tarn
