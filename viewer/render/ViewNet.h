#pragma once

#include "model/Net.h"
#include "viewer/render/SceneTypes.h"

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarn {

class ISettingsStore;
class ITriangleSink;
class TActor;
class TActorRandom;
class TSceneCache;
class TScreenProjection;
class TSquareNoise;
class TSquareTable;

// The viewer's map: a TNet that draws itself as a lit, coloured landscape
// into whatever OpenGL context is current. It owns no context.
//
// Scene coordinates: a map point (x, y, height) is drawn at
// (x / 100, height / D, -y / 100) with D = HeightDivisor(); y is up and
// north is -z.
class TViewNet : public TNet {
public:
    TViewNet();
    ~TViewNet() override;
    TViewNet(const TViewNet&) = delete;
    TViewNet& operator=(const TViewNet&) = delete;

    // One whole drawing pass. fractalDepth 0 draws every square as four plain
    // triangles; above 0 visible squares are subdivided. Returns false when
    // AbortLoad was set (by progress->pump() answering false, or by the
    // caller) before the square walk ended. progress may be null.
    bool DrawScene(int detailFlag, int fractalDepth, IProgress* progress);

    void SetViewSize(int width, int height);
    // Reads "ViewWidth" and "ViewHeight" (defaults 640 and 480) from the
    // viewer's "General" settings.
    void LoadViewSize(const ISettingsStore& settings);
    int ViewWidth() const { return viewWidth_; }
    int ViewHeight() const { return viewHeight_; }
    // Frame number and frame count of an animation; 0, 0 for a still picture.
    void SetFrameInfo(int frameNumber, int frameCount);

    // Where a map point lies in scene coordinates.
    std::array<double, 3> ScenePosition(const TMapPoint& point) const;

    // What the viewer's GL panel sets once per new context: depth test and
    // face culling on, light 0 ambient 0.1, diffuse 0.9, specular 0. The
    // textures and lists of the previous context are forgotten, and the
    // next pass builds them in this one.
    void InitContext();

    // GL state helpers. which: 0 ambient, 1 diffuse, 2 specular.
    void SetLightColour(int which, const ColourRGBA& colour);
    void SetDepthTest(bool on);
    void SetCulling(bool on);
    // Perspective of ViewAngle + extra degrees (30 when useAngle is false),
    // near 0.1, far 1000, and the viewport.
    void SetProjection(bool useAngle, int width, double extra, int height);

    // Builds a texture from a BMP file into the texture object. Returns
    // false (and leaves the texture alone) when the picture cannot be read.
    bool LoadTexture(const std::filesystem::path& file, unsigned texture, bool largeSizeAllowed,
                     bool drawOverlayObjects, bool withAlpha);

    // The per-square drawing steps of a pass, public so the parts of a pass
    // can be driven and checked one by one.
    void DrawSquare(int index, int column, int row, int detailFlag, int fractalDepth);
    // Looks up every square's colour under the current scheme; each pass
    // does so before its square walk.
    void GatherSquareColours();
    // The square's colour record, from the colours last gathered (gathered
    // now when no pass has run yet).
    TColourRecord BuildColourRecord(int index);
    std::array<TMapPoint, 4> SquareCorners(int index) const;
    void DrawPlainQuad(const std::array<TMapPoint, 4>& corners, const std::array<ColourRGBA, 4>& colours,
                       double water, const TColourRecord& record);
    void DrawOverlaySquare(const std::array<TMapPoint, 4>& corners);
    void DrawBaseQuad(const std::array<TMapPoint, 4>& corners, const TColourRecord& record);
    void DrawDetailedQuad(const std::array<TMapPoint, 4>& quad, int depth, const TColourRecord& record,
                          const std::array<TMapPoint, 4>& square);
    // The square's size on screen in pixels, as feedback mode would measure
    // it with the view widened by 15 degrees, for the camera of the last
    // pass; 0 when nothing of it is on screen.
    double ScreenSize(const std::array<TMapPoint, 4>& corners) const;
    // The subdivision depth for a size on screen: below 5 pixels 0, each
    // doubling one more, at most 6 and at most fractalDepth.
    static int DetailLevel(double size, int fractalDepth);
    // Height added to a lattice point of the square: relief from the noise
    // and, on water, waves.
    double Displacement(double x, double y, const TColourRecord& record, const std::array<TMapPoint, 4>& square,
                        double& water) const;
    double WaveHeight(double x, double y, double water) const;
    // Whether an actor stands on the square and where in it (fractions of
    // the square eastward and southward). Squares that draw random numbers
    // start their own sequence seeded with their index.
    bool ActorPlacement(int index, double& offsetX, double& offsetY);
    void PlaceActor(int index, int column, int row);
    void DrawActor(int index, double offsetX, double offsetY);

    // Actors, one per terrain slot (slot 23's made on its first load).
    TActor* Actor(int slot) const;
    // Loads the actor file of every slot as the parameters dialog does on
    // OK. Returns what to show the user, one message a line, each starting
    // with the file it is about: the messages of every file read, and
    // "E0024 ..." for every slot whose file could not be read.
    std::vector<std::string> LoadActors();
    // The slots that name an actor file that could not be read (after
    // LoadActors): nothing stands on their squares.
    std::vector<int> UnreadableActorSlots() const;

    // Where actor files are read from.
    std::string ActorDirectory;
    // When not empty, where the overlay picture is read from instead of the
    // map's OverlayFile (which holds at most 80 characters). Set
    // OverlayReload when it changes.
    std::string OverlayPicture;
    // The user's settings ("Drawing"/"SkyFile"); none means no sky file.
    const ISettingsStore* Settings = nullptr;
    // Set when the overlay or sky picture must be read again (a new map, a
    // new file); the first frame that draws it clears it. A context without
    // the texture builds it on any frame.
    bool OverlayReload = true;
    bool SkyReload = true;
    // Passes at fractal depth 0 keep the surface as a vertex array between
    // frames, and deeper ones send their triangles in batches. Switching it
    // off sends every triangle on its own in immediate mode, the reference
    // the faster ways are checked against (same picture).
    bool UseSceneCache = true;

    // Drops the per-map geometry and relief noise kept between passes.
    // Passes notice changes of the map and of the header themselves; this is
    // for callers that want the memory back.
    void ReleaseSceneCache();

    // Whether the last pass asked for a textured sky and had no picture for
    // it (none named, missing or unreadable): the plain sky was drawn.
    bool MissingSkyPicture() const { return missingSkyPicture_; }

private:
    void SetUpFrame();
    void CaptureScreenProjection();
    void SetUpMist();
    void DrawSkyAndGroundCones(IProgress* progress);
    void DrawTexturedSky(IProgress* progress);
    void SetUpSurfaceMaterial(IProgress* progress);
    bool WalkSquares(int detailFlag, int fractalDepth, IProgress* progress);
    bool WalkCached(IProgress* progress);
    // Whether the detailed walk may record rows on a second thread: nothing
    // is drawn between its triangles (no grid lines, actors or overlay).
    bool CanRecordDetailAhead() const;
    bool WalkDetailAhead(int detailFlag, int fractalDepth, IProgress* progress);
    void DrawDetailedSquare(int firstCorner, const std::array<TMapPoint, 4>& corners, const TColourRecord& record,
                            int fractalDepth);
    void DrawDetailedQuad(const std::array<TMapPoint, 4>& quad, int depth, const TColourRecord& record,
                          const std::array<TMapPoint, 4>& square, const std::array<double, 9>* knownNoise);
    void DrawGridOutline(const std::array<TMapPoint, 4>& corners);
    // Displacement with the relief noise at the point already known.
    double DisplacementBy(double noise, double x, double y, const TColourRecord& record,
                          const std::array<TMapPoint, 4>& square, double& water) const;
    // The record without the relief and water values when they are not
    // needed (no surface detail).
    TColourRecord BuildColourRecord(int index, bool withDetail);
    // The colours of one triangle of a plain quad (corner, centre, corner),
    // with the slope and water effects for its normal.
    void PaintTriangle(std::array<TSceneVertex, 3>& triangle, const ColourRGBA& first, const ColourRGBA& centre,
                       const ColourRGBA& last, double water, const TColourRecord& record) const;
    // Paints the kept vertices of one square (its four triangles, then its
    // outline) in the colours of its record, leaving their shape alone.
    void PaintPlainSquare(const TColourRecord& record, TSceneVertex* vertices, int verticesPerSquare) const;
    // Sets the surface material, first sending what the sink holds back,
    // unless GL holds it already.
    void ApplyMaterial(const TTerrainMaterial& material);
    bool MaterialApplied(const TTerrainMaterial& material) const;
    void SendMaterial(const TTerrainMaterial& material);
    void SetTerrainMaterial(int terrain);
    double ReliefValue(const TGridSquare& square) const;
    void ApplyShoreRules(TColourRecord& record, const std::array<bool, 8>& neighbourIsWater) const;
    static bool HasTexture(unsigned texture);
    bool NeedsTexture(unsigned texture, bool reload) const;
    bool RowsFromNorth() const;
    void SetStep(IProgress* progress, std::string_view step);
    TSceneCache& Cache();

    int viewWidth_ = 640;
    int viewHeight_ = 480;
    int frameNumber_ = 0;
    int frameCount_ = 0;
    std::string operationCaption_;
    double waveSourceX_ = 5000;
    double waveSourceY_ = 0;
    // Texture objects of the overlay picture and the sky (0 until built).
    unsigned overlayTexture_ = 0;
    unsigned skyTexture_ = 0;
    bool missingSkyPicture_ = false;
    TTerrainMaterial material_;
    // The material GL holds now, to skip setting it again per triangle.
    std::optional<TTerrainMaterial> appliedMaterial_;
    std::array<std::unique_ptr<TActor>, kTerrainSlots> actors_;
    std::unique_ptr<TActorRandom> random_;
    std::unique_ptr<ITriangleSink> immediateSink_;
    ITriangleSink* sink_ = nullptr;
    std::unique_ptr<TSceneCache> cache_;
    std::unique_ptr<TSquareTable> squareTable_;
    std::unique_ptr<TScreenProjection> screen_;
    std::unique_ptr<TSquareNoise> squareNoise_;
    // The Vista index the last colour record ended with.
    int lastVistaIndex_ = 0;
    // The triangle normal last sent, which grid lines are lit with.
    std::array<float, 3> lastNormal_{0, 0, 1};
};

}  // namespace tarn
