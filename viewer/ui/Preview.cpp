#include "viewer/ui/Preview.h"

namespace tarn {

void CopySceneSettings(const TMapHeader& from, TMapHeader& preview)
{
    TMapHeader scene = from;
    scene.Signature = preview.Signature;
    scene.Version = preview.Version;
    scene.Columns = preview.Columns;
    scene.Rows = preview.Rows;
    scene.WorldWidth = preview.WorldWidth;
    scene.WorldHeight = preview.WorldHeight;
    scene.ShortSide = preview.ShortSide;
    scene.UnitScale = preview.UnitScale;
    scene.MapUnits = preview.MapUnits;
    scene.ExtentX = preview.ExtentX;
    scene.ExtentY = preview.ExtentY;
    scene.Spacing = preview.Spacing;
    scene.MaxHeight = preview.MaxHeight;
    scene.MinHeight = preview.MinHeight;
    scene.Reserved27 = preview.Reserved27;
    scene.Bounds = preview.Bounds;
    scene.Reserved60 = preview.Reserved60;
    preview = scene;
}

}  // namespace tarn
