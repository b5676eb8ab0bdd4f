#pragma once

#include "model/MapHeader.h"

namespace tarn {

// Visits every field of the header in file order with its own width, so one
// description of the layout serves both reading and writing. `io` provides
// field(T&) for integers, doubles, Real48, fixed texts and byte arrays.
template <typename Io>
void TransferHeaderFields(Io& io, TMapHeader& h)
{
    io.field(h.Signature);
    io.field(h.Version);
    io.field(h.Columns);
    io.field(h.Rows);
    io.field(h.WorldWidth);
    io.field(h.WorldHeight);
    io.field(h.ShortSide);
    io.field(h.UnitScale);
    io.field(h.MapUnits);
    io.field(h.ExtentX);
    io.field(h.ExtentY);
    io.field(h.Spacing);
    io.field(h.MaxHeight);
    io.field(h.MinHeight);
    io.field(h.Reserved27);
    for (auto& bound : h.Bounds)
        io.field(bound);
    io.field(h.Reserved60);
    io.field(h.Reserved260);
    io.field(h.Reserved262);
    io.field(h.LightAlt);
    io.field(h.LightAz);
    for (auto& v : h.TargetPos)
        io.field(v);
    for (auto& v : h.CameraPos)
        io.field(v);
    io.field(h.VerticalScale);
    io.field(h.Reserved324);
    io.field(h.Reserved326);
    io.field(h.ViewAngle);
    io.field(h.DrawingScheme);
    io.field(h.GridMode);
    io.field(h.GroundColour);
    io.field(h.WaterTurbulance);
    io.field(h.TreeDamping);
    io.field(h.SnowDamping);
    io.field(h.WaterEdge);
    io.field(h.DrawTerrains);
    io.field(h.WaveHeight);
    io.field(h.WaveLength);
    io.field(h.Reserved353);
    io.field(h.ViewerMode);
    io.field(h.Reserved357);
    io.field(h.Reserved359);
    io.field(h.BackgroundType);
    io.field(h.CliffEffect);
    io.field(h.PlotOverlayObjects);
    io.field(h.OverlayFile.bytes());
    io.field(h.Reserved447);
    io.field(h.Reserved448);
    io.field(h.WaveDirection);
    io.field(h.FractalDepth);
    io.field(h.LightColour);
    io.field(h.Reserved458);
    io.field(h.Reserved459.bytes());
    for (auto& c : h.TerrainColours)
        io.field(c);
    for (auto& name : h.TerrainNames)
        io.field(name.bytes());
    for (auto& file : h.ActorFiles)
        io.field(file.bytes());
    for (auto& a : h.TerrainActors) {
        io.field(a.DrawActor);
        io.field(a.ActorHeight);
        io.field(a.ActorOrientation);
        io.field(a.ActorGroundFlag);
        io.field(a.NotCentred);
        io.field(a.StandardTerrain);
        io.field(a.ActorDensity);
        io.field(a.RandomOrientation);
        io.field(a.HeightVariation);
        io.field(a.Reserved11);
    }
    io.field(h.DrawAllActors);
    io.field(h.Specularity);
    io.field(h.Shininess);
    io.field(h.Emission);
    io.field(h.Reserved2173);
    for (auto& c : h.GradientColours)
        io.field(c);
    io.field(h.LightDiffusion);
    io.field(h.ShadingDensity);
    io.field(h.ScenePercentage);
    io.field(h.Reserved2265);
    io.field(h.ShadingChanged);
    io.field(h.Reserved2275);
    io.field(h.ShadingContrast);
    io.field(h.SceneSwitches);
    io.field(h.MistLevel);
    io.field(h.MistColour);
    for (auto& c : h.VistaColours)
        io.field(c);
    io.field(h.TreeLine);
    io.field(h.SnowLine);
    io.field(h.Smoothing);
    io.field(h.GridColour);
    io.field(h.SkyColour);
    io.field(h.CliffAngle);
    io.field(h.ValleyAngle);
    io.field(h.CliffOverride);
    io.field(h.ValleyOverride);
    for (auto& seed : h.PlaneSeeds)
        io.field(seed);
    for (auto& v : h.FractValues)
        io.field(v);
    io.field(h.ValleyEffect);
    io.field(h.Reserved2422);
}

}  // namespace tarn
