#pragma once

#include "exchange/ModelScale.h"
#include "model/Colour.h"
#include "model/MapHeader.h"
#include "model/TerrainSlots.h"

#include <optional>
#include <string>

namespace tarn {

// The values of the "Digital Data Import" dialog, used by the readers that
// place a grid of values into a map (NTF, USGS DEM, X,Y,Z).
struct TDigitalImportOptions {
    static constexpr int kMaxOffset = 99999;
    static constexpr int kMaxSample = 10;

    int xOffset = 0;  // file columns at or below this are skipped
    int yOffset = 0;  // file rows at or below this are skipped
    bool autoSize = true;  // make a new map sized to the data; else load into the open map
    int originX = 0;  // where in the open map the data starts
    int originY = 0;
    int defaultHeight = 0;
    bool overwrite = true;    // clear the open map before reading
    bool nullDefault = true;  // clear to the null height rather than defaultHeight
    int sample = 1;           // keep every sample-th value in each direction
};

// The order in which a BMP pixel's channels make up its 24-bit value.
enum class ChannelOrder { RGB, RBG, GBR, GRB, BRG, BGR };

// "BMP Import Parameters".
struct TPictureImportOptions {
    static constexpr int kMinMaxHeight = 100;
    static constexpr int kMaxMaxHeight = 9000;
    static constexpr double kMaxSpacing = 9000;

    ChannelOrder order = ChannelOrder::RGB;
    int maxHeight = 1000;  // the height of a black pixel; white is 0
    double spacing = 30;   // metres between nodes
};

// "Pixel Greymap Import".
// "Pixel Greymap Import". The spacing range follows the map type as in the
// New Map dialog: 1..9999 feet or metres, 0.1..999.9 metres for MicroMetric.
struct TGreymapImportOptions {
    MapUnits units = MapUnits::Metric;
    double spacing = 30;
};

// How a raster's pixels are combined when the map's grid is coarser or
// finer than the raster.
enum class RasterResampling { Average, Bilinear, Nearest };

// How a raster read through the geospatial library becomes a map. Without a
// grid size or a step the map is the raster node for node when it fits, and
// otherwise the largest grid within the map's limit that keeps the shape of
// the ground the raster covers.
struct TRasterImportOptions {
    int band = 0;     // 1-based; 0 when none was chosen, for a raster of one band
    int columns = 0;  // the map's grid, or 0 and 0
    int rows = 0;
    int step = 0;     // or one node for every step by step pixels; 0 when not given
    RasterResampling resampling = RasterResampling::Average;
    MapUnits units = MapUnits::Metric;  // of the new map
};

// Everything a reader may need besides the file. Readers that make a new
// map give it the terrain palette (the names and colours the settings store
// holds for new maps).
struct TImportParameters {
    TDigitalImportOptions digital;
    TPictureImportOptions picture;
    TGreymapImportOptions greymap;
    TRasterImportOptions raster;
    TTerrainPalette palette = DefaultTerrainPalette();
};

// Throws ETarnError msg::ImportParametersOutOfRange for values outside the
// ranges the import dialogs allow.
void CheckImportParameters(const TImportParameters& parameters);

// "Polygon Optimization Parameters": how the TIN and VRML writers reduce the
// grid to triangles and scale the model.
struct TPolygonExportOptions {
    static constexpr int kMinPolygons = 100;
    static constexpr int kMaxPolygons = 99999;
    static constexpr double kMinScale = 0.01;
    static constexpr double kMaxScale = 9999.9;

    int polygons = 500;      // the most triangles the surface may have
    double tolerance = 10;   // refinement stops once no node is farther off
    // The "Scaling" values; the map's starting scale when not given.
    std::optional<TModelScale> scale{};
    // VRML only: the picture draped over the surface (none when empty) and
    // the colour of the sky behind it.
    std::string textureMap = "textures.jpg";
    TColorRef backgroundColour = 13678735;
};

// Where a georeferenced raster export puts the map: the north-west corner
// of its north-west pixel and, when epsg is not 0, the projected coordinate
// system of that EPSG code. Without one, positions are in metres.
struct TRasterExportOptions {
    double originX = 0;
    double originY = 0;
    int epsg = 0;
    // Heightmaps for game engines: pad or crop to the nearest 2^n + 1 square.
    bool square = false;
};

// The triangle meshes: every square as two triangles, or a network of at
// most `polygons` triangles within `tolerance` of the heights; coloured by
// the map's colour scheme, or with the picture `texture` draped over it.
struct TMeshExportOptions {
    int polygons = 0;  // 0 for every square
    double tolerance = 0;
    std::string texture;
};

// The options of the writers that have any.
struct TExportParameters {
    TPolygonExportOptions polygon;
    TRasterExportOptions raster;
    TMeshExportOptions mesh;
};

// Throws ETarnError msg::ExportParametersOutOfRange for values outside the
// ranges the "Polygon Optimization Parameters" dialog allows.
void CheckPolygonExportOptions(const TPolygonExportOptions& options);

}  // namespace tarn
