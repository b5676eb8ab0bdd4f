#include "viewer/render/ViewNet.h"

#include "model/SettingsStore.h"
#include "viewer/render/Actor.h"
#include "viewer/render/ActorRandom.h"
#include "viewer/render/PassProgress.h"
#include "viewer/render/ReliefNoise.h"
#include "viewer/render/SceneCache.h"
#include "viewer/render/ScreenProjection.h"
#include "viewer/render/SquareTable.h"
#include "viewer/render/TriangleSink.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <numbers>
#include <string>

namespace tarn {

namespace {

constexpr int kNoMist = 5000;
// The normal the background is lit with: OpenGL's initial one, which the
// first frame of a fresh context has always used.
constexpr float kBackgroundNormal[] = {0, 0, 1};

// Only plain files are read as pictures; a missing name, a folder or a
// device is skipped like a missing file.
bool IsFile(const std::string& name)
{
    std::error_code error;
    return std::filesystem::is_regular_file(name, error);
}

double SinDeg(double degrees) { return std::sin(degrees * std::numbers::pi / 180); }
double CosDeg(double degrees) { return std::cos(degrees * std::numbers::pi / 180); }

std::array<float, 4> Rgba(TColorRef colour)
{
    const ColourRGBA c = ToRGBA(colour);
    return {c.red, c.green, c.blue, c.alpha};
}

std::array<float, 4> Scaled(const ColourRGBA& c, double factor)
{
    const auto f = static_cast<float>(factor);
    return {c.red * f, c.green * f, c.blue * f, 1.0f};
}

}  // namespace

TViewNet::TViewNet()
    : random_(std::make_unique<TActorRandom>()),
      immediateSink_(std::make_unique<TImmediateSink>()),
      sink_(immediateSink_.get()),
      screen_(std::make_unique<TScreenProjection>()),
      squareNoise_(std::make_unique<TSquareNoise>())
{
    // Slot 23's actor is made when a file is first loaded for it.
    for (int slot = 0; slot < kTerrainSlots - 1; ++slot)
        actors_[static_cast<std::size_t>(slot)] = std::make_unique<TActor>();
}

TViewNet::~TViewNet() = default;

void TViewNet::SetViewSize(int width, int height)
{
    viewWidth_ = width;
    viewHeight_ = height;
}

void TViewNet::LoadViewSize(const ISettingsStore& settings)
{
    const auto width = settings.ReadInteger(kViewerSettingsKey, "General", "ViewWidth").value_or(640);
    const auto height = settings.ReadInteger(kViewerSettingsKey, "General", "ViewHeight").value_or(480);
    SetViewSize(static_cast<int>(width), static_cast<int>(height));
}

void TViewNet::SetFrameInfo(int frameNumber, int frameCount)
{
    frameNumber_ = frameNumber;
    frameCount_ = frameCount;
}

std::array<double, 3> TViewNet::ScenePosition(const TMapPoint& point) const
{
    return {point.x / 100.0, point.height / HeightDivisor(), -point.y / 100.0};
}

void TViewNet::InitContext()
{
    // Textures and row lists belong to the context they were made in; a
    // new context starts without them.
    overlayTexture_ = 0;
    skyTexture_ = 0;
    if (cache_)
        cache_->ForgetRowLists();
    SetDepthTest(true);
    SetCulling(true);
    SetLightColour(0, {0.1f, 0.1f, 0.1f, 1});
    SetLightColour(1, {0.9f, 0.9f, 0.9f, 1});
    SetLightColour(2, {0, 0, 0, 1});
}

void TViewNet::SetLightColour(int which, const ColourRGBA& colour)
{
    static constexpr GLenum kNames[] = {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR};
    if (which < 0 || which > 2)
        return;
    const float values[] = {colour.red, colour.green, colour.blue, colour.alpha};
    glLightfv(GL_LIGHT0, kNames[which], values);
}

void TViewNet::SetDepthTest(bool on) { on ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST); }

void TViewNet::SetCulling(bool on) { on ? glEnable(GL_CULL_FACE) : glDisable(GL_CULL_FACE); }

void TViewNet::SetProjection(bool useAngle, int width, double extra, int height)
{
    const double fovy = useAngle ? MapHeader.ViewAngle + extra : 30.0;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fovy, height != 0 ? static_cast<double>(width) / height : 1.0, 0.1, 1000.0);
    glViewport(0, 0, width, height);
    glMatrixMode(GL_MODELVIEW);
}

void TViewNet::SetStep(IProgress* progress, std::string_view step)
{
    if (!progress)
        return;
    progress->setCaptions(operationCaption_, step);
    if (!progress->pump())
        AbortLoad = true;
}

bool TViewNet::DrawScene(int detailFlag, int fractalDepth, IProgress* progress)
{
    AbortLoad = false;
    missingSkyPicture_ = false;
    operationCaption_ = frameCount_ != 0 ? "Creating Animation (" + std::to_string(frameCount_ + 1) + " Frames)"
                                         : "Drawing Landscape View";
    SetStep(progress, "Initialization");
    SetUpFrame();

    const auto& h = MapHeader;
    const auto eye = [](double value) { return static_cast<float>(value / 100.0); };
    gluLookAt(eye(h.CameraPos[0]), eye(h.CameraPos[2]), eye(-h.CameraPos[1]), eye(h.TargetPos[0]),
              eye(h.TargetPos[2]), eye(-h.TargetPos[1]), 0, 1, 0);
    CaptureScreenProjection();
    waveSourceX_ = CosDeg(h.WaveDirection) * 5000;
    waveSourceY_ = SinDeg(h.WaveDirection) * 5000;
    SetUpMist();
    if (h.BackgroundType == kGraduatedBackground || h.BackgroundType == kTexturedBackgroundOld ||
        h.BackgroundType == kTexturedBackground)
        DrawSkyAndGroundCones(progress);
    SetUpSurfaceMaterial(progress);

    SetStep(progress, "Drawing Surface");
    WalkSquares(detailFlag, fractalDepth, progress);

    if (h.BackgroundType == kTexturedBackground)
        DrawTexturedSky(progress);
    glFlush();
    SetStep(progress, "Completed");
    if (progress)
        progress->hideProgress();
    return !AbortLoad;
}

void TViewNet::SetUpFrame()
{
    const auto& h = MapHeader;
    const auto sky = Rgba(h.SkyColour);
    glClearColor(sky[0], sky[1], sky[2], sky[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (h.Smoothing != 0) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_COLOR, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_LINE_SMOOTH);
        glEnable(GL_POINT_SMOOTH);
        glEnable(GL_POLYGON_SMOOTH);
    } else {
        glDisable(GL_BLEND);
        glDisable(GL_LINE_SMOOTH);
        glDisable(GL_POINT_SMOOTH);
        glDisable(GL_POLYGON_SMOOTH);
    }
    SetProjection(true, viewWidth_, 0, viewHeight_);
    glLoadIdentity();

    const ColourRGBA light = ToRGBA(h.LightColour);
    glLightfv(GL_LIGHT0, GL_AMBIENT, Scaled(light, h.ShadingDensity * 0.01).data());
    glLightfv(GL_LIGHT0, GL_DIFFUSE, Scaled(light, h.ShadingContrast * 0.01).data());
    glLightfv(GL_LIGHT0, GL_SPECULAR, Scaled(light, h.LightDiffusion * 0.01).data());
    // Set under the identity model-view matrix, so the light moves with the
    // camera.
    const float position[] = {static_cast<float>(SinDeg(h.LightAz) * 100),
                              static_cast<float>(CosDeg(h.LightAz + 180.0) * 100),
                              static_cast<float>(SinDeg(90.0 - h.LightAlt) * 100), 1.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
}

void TViewNet::SetUpMist()
{
    const auto& h = MapHeader;
    if (h.MistLevel == kNoMist) {
        glDisable(GL_FOG);
        return;
    }
    glFogi(GL_FOG_MODE, GL_EXP2);
    glFogfv(GL_FOG_COLOR, Rgba(h.MistColour).data());
    glFogf(GL_FOG_DENSITY, static_cast<float>((kNoMist - h.MistLevel) * 0.2 * 0.0002));
    glEnable(GL_FOG);
}

void TViewNet::DrawSkyAndGroundCones(IProgress* progress)
{
    const auto& h = MapHeader;
    static constexpr float kRim[5][3] = {{400, 0, 400}, {-400, 0, 400}, {-400, 0, -400}, {400, 0, -400}, {400, 0, 400}};
    const auto drawCone = [&](float apexY, TColorRef apexColour) {
        glBegin(GL_TRIANGLE_FAN);
        glColor4fv(Rgba(apexColour).data());
        glVertex3f(0, apexY, 0);
        glColor4fv(Rgba(h.MistColour).data());
        for (const auto& vertex : kRim)
            glVertex3fv(vertex);
        glEnd();
    };
    SetStep(progress, "Drawing sky");
    // The textured sky of the previous frame leaves texturing on; the cones
    // are plain colour in every frame, as in the first.
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    SetCulling(false);
    // The cones are lit like everything else; without a normal of their own
    // they would take the last surface triangle's, and the sky would change
    // shade from one animation frame to the next.
    glNormal3fv(kBackgroundNormal);
    drawCone(15, h.SkyColour);
    SetStep(progress, "Drawing ground");
    drawCone(-15, h.GroundColour);
    SetCulling(true);
    glFlush();
}

void TViewNet::SetUpSurfaceMaterial(IProgress* progress)
{
    const auto& h = MapHeader;
    if (h.DrawingScheme != kSchemeOverlay) {
        glDisable(GL_TEXTURE_1D);
        glDisable(GL_TEXTURE_2D);
        glEnable(GL_COLOR_MATERIAL);
        const float grey[] = {0.5f, 0.5f, 0.5f, 1};
        const float black[] = {0, 0, 0, 1};
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, grey);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 16);
        appliedMaterial_.reset();
        return;
    }
    SetStep(progress, "Loading Overlay");
    const std::string overlay = OverlayPicture.empty() ? h.OverlayFile.text() : OverlayPicture;
    if (!overlay.empty() && NeedsTexture(overlayTexture_, OverlayReload) && IsFile(overlay)) {
        if (!HasTexture(overlayTexture_))
            glGenTextures(1, &overlayTexture_);
        if (LoadTexture(overlay, overlayTexture_, true, h.PlotOverlayObjects == 1, false))
            OverlayReload = false;
    }
    // Set for every frame: a textured sky drawn after the surface leaves
    // its own texture and blend mode behind, which the next frame's surface
    // must not inherit.
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_COLOR_MATERIAL);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, overlayTexture_);
    appliedMaterial_.reset();
}

void TViewNet::DrawTexturedSky(IProgress* progress)
{
    const auto& h = MapHeader;
    const std::string skyFile = Settings ? Settings->ReadText(kViewerSettingsKey, "Drawing", "SkyFile").value_or("") : "";
    if (!skyFile.empty() && NeedsTexture(skyTexture_, SkyReload) && IsFile(skyFile)) {
        SetStep(progress, "Loading sky texture");
        if (!HasTexture(skyTexture_))
            glGenTextures(1, &skyTexture_);
        if (LoadTexture(skyFile, skyTexture_, false, false, true))
            SkyReload = false;
        else
            skyTexture_ = 0;
    }
    // Without a picture the strip would be a white ceiling over the scene:
    // the sky stays as the cones drew it.
    if (skyFile.empty() || !HasTexture(skyTexture_)) {
        missingSkyPicture_ = true;
        return;
    }
    const auto hs = static_cast<float>(h.MaxHeight / HeightDivisor() + 1.0);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_COLOR_MATERIAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
    const float white[] = {1, 1, 1, 1};
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, white);
    glBindTexture(GL_TEXTURE_2D, skyTexture_);
    SetStep(progress, "Drawing sky");
    SetCulling(false);
    glNormal3fv(kBackgroundNormal);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0, 0);
    glVertex3f(-25, hs, -25);
    glTexCoord2f(0, 1);
    glVertex3f(-25, hs, 25);
    glTexCoord2f(1, 0);
    glVertex3f(25, hs, -25);
    glTexCoord2f(1, 1);
    glVertex3f(25, hs, 25);
    glEnd();
    SetCulling(true);
    glDisable(GL_BLEND);
    glFlush();
}

bool TViewNet::HasTexture(unsigned texture) { return texture != 0 && glIsTexture(texture); }

bool TViewNet::NeedsTexture(unsigned texture, bool reload) const
{
    // Textures are read again on the first frame only; any frame that finds
    // none in its context (a fresh one) builds its own.
    return !HasTexture(texture) || (reload && frameNumber_ == 0);
}

bool TViewNet::RowsFromNorth() const
{
    return -MapHeader.CameraPos[1] / 100.0 > -MapHeader.TargetPos[1] / 100.0;
}

bool TViewNet::WalkSquares(int detailFlag, int fractalDepth, IProgress* progress)
{
    const auto& h = MapHeader;
    const int squareColumns = h.Columns - 1;
    const int squareRows = h.Rows - 1;
    if (squareColumns < 1 || squareRows < 1 || SquareCount() < squareColumns * squareRows ||
        PointCount() < h.Columns * h.Rows)
        return true;
    if (fractalDepth == 0 && UseSceneCache && TSceneCache::Covers(*this))
        return WalkCached(progress);
    if (h.DrawingScheme != 0 && h.DrawingScheme != kSchemeOverlay)
        GatherSquareColours();
    if (fractalDepth > 0)
        squareNoise_->Prepare(*this);
    if (fractalDepth > 0 && UseSceneCache && CanRecordDetailAhead())
        return WalkDetailAhead(detailFlag, fractalDepth, progress);

    // The reference walk sends every triangle on its own; otherwise they go
    // in batches.
    TPipelineFlusher flusher;
    TBatchSink batch(flusher);
    const TSinkScope scope(sink_, UseSceneCache ? static_cast<ITriangleSink&>(batch) : *immediateSink_);
    TPassProgress pass(progress, static_cast<long long>(squareColumns) * squareRows);
    const bool fromNorth = RowsFromNorth();
    for (int step = 0; step < squareRows && !AbortLoad; ++step) {
        const int row = fromNorth ? step : squareRows - 1 - step;
        pass.ShowDrawProgress();
        for (int column = 0; column < squareColumns; ++column) {
            const int index = row * squareColumns + column + 1;
            pass.Advance(1);
            DrawSquare(index, column, row, detailFlag, fractalDepth);
            if (h.DrawAllActors) {
                PlaceActor(index, column, row);
                flusher.DrawnUncounted();
            }
            if (!pass.Pump())
                AbortLoad = true;
            if (AbortLoad)
                break;
        }
    }
    batch.Flush();
    return !AbortLoad;
}

}  // namespace tarn
