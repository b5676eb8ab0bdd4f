#include "exchange/FractalOverlayFile.h"

#include "exchange/MSBitmap.h"
#include "model/Progress.h"

namespace tarn {

namespace {

TMSBitmap MemoryBitmapOf(const fractal::TOverlayPicture& picture)
{
    TMSBitmap bitmap(picture.Width(), picture.Height());
    // The memory bitmap counts its rows from 1.
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            bitmap.SetPixel(x, y + 1, picture.Pixel(x, y));
    return bitmap;
}

}  // namespace

bool WriteFractalOverlay(TNet& map, const fractal::TFractalParameters& parameters, const std::filesystem::path& file,
                         TOverlayColours colours, IProgress& progress)
{
    const auto picture = fractal::GenerateFractalOverlay(map, parameters, progress);
    if (picture) {
        const TMSBitmap bitmap = MemoryBitmapOf(*picture);
        if (colours == TOverlayColours::Reduced256)
            bitmap.SaveTo256Colours(file);
        else
            bitmap.SaveTo24Bit(file);
    }
    progress.hideProgress();
    progress.setCaptions("Generate Fractal", "Completed");
    return picture.has_value();
}

}  // namespace tarn
