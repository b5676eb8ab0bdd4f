// Which squares carry an actor, where in the square, how large and how
// turned; and loading the actor file of every terrain slot.
#include "viewer/render/Actor.h"
#include "viewer/render/RenderMessages.h"
#include "viewer/render/ActorRandom.h"
#include "viewer/render/TriangleSink.h"
#include "viewer/render/ViewNet.h"

#include <GL/gl.h>

namespace tarn {

namespace {
constexpr int kDiscardedDraws = 3;
}  // namespace

TActor* TViewNet::Actor(int slot) const
{
    if (slot < 0 || slot >= kTerrainSlots)
        return nullptr;
    return actors_[static_cast<std::size_t>(slot)].get();
}

std::vector<std::string> TViewNet::LoadActors()
{
    std::vector<std::string> messages;
    const auto tell = [&messages](const std::filesystem::path& file, std::string_view message) {
        messages.push_back(file.string() + ": " + std::string(message));
    };
    for (std::size_t slot = 0; slot < kTerrainSlots; ++slot) {
        auto& record = MapHeader.TerrainActors[slot];
        record.ActorGroundFlag = 0;
        const std::string name = MapHeader.ActorFiles[slot].text();
        if (name.empty())
            continue;
        const auto file = std::filesystem::path(ActorDirectory) / name;
        if (name.find(".pov") != std::string::npos) {
            actors_[slot] = std::make_unique<TActor>();
            const bool loaded = actors_[slot]->LoadFromFile(file);
            for (const auto& message : actors_[slot]->Messages())
                tell(file, message);
            if (loaded)
                record.ActorGroundFlag = 1;
            else
                tell(file, msg::ActorFileError);
        } else if (name.find(".bmp") != std::string::npos) {
            record.ActorGroundFlag = 1;
        } else {
            tell(file, msg::ActorFileError);
        }
    }
    return messages;
}

std::vector<int> TViewNet::UnreadableActorSlots() const
{
    std::vector<int> slots;
    for (int slot = 0; slot < kTerrainSlots; ++slot) {
        const auto& h = MapHeader;
        if (!h.ActorFiles[static_cast<std::size_t>(slot)].text().empty() &&
            !h.TerrainActors[static_cast<std::size_t>(slot)].ActorGroundFlag)
            slots.push_back(slot);
    }
    return slots;
}

bool TViewNet::ActorPlacement(int index, double& offsetX, double& offsetY)
{
    const TGridSquare* square = GetSquare(index);
    if (!square || square->Terrain < 0 || square->Terrain >= kTerrainSlots)
        return false;
    const auto slot = static_cast<std::size_t>(square->Terrain);
    const auto& record = MapHeader.TerrainActors[slot];
    if (!record.ActorGroundFlag || MapHeader.DrawingScheme == kSchemePlain || !record.DrawActor ||
        MapHeader.ActorFiles[slot].text().find(".pov") == std::string::npos || !actors_[slot])
        return false;
    offsetX = 0.5;
    offsetY = 0.5;
    // Every square that draws a random number starts its own sequence from
    // its index, so placement, size and turn do not depend on the order the
    // squares are drawn in (nor change from one animation frame to the next).
    if (record.NotCentred || record.ActorDensity < 100 || record.HeightVariation >= 1 || record.RandomOrientation) {
        random_->Seed(static_cast<std::uint32_t>(index));
        for (int i = 0; i < kDiscardedDraws; ++i)
            random_->Next(100);
    }
    if (record.ActorDensity < 100 && record.ActorDensity < random_->Next(100))
        return false;
    if (record.NotCentred) {
        offsetX = random_->NextReal();
        offsetY = random_->NextReal();
    }
    return true;
}

void TViewNet::PlaceActor(int index, int /*column*/, int /*row*/)
{
    double offsetX = 0.5;
    double offsetY = 0.5;
    if (!ActorPlacement(index, offsetX, offsetY))
        return;
    sink_->Flush();
    glPushAttrib(GL_TEXTURE_BIT | GL_LIGHTING_BIT);
    glDisable(GL_TEXTURE_1D);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    const float grey[] = {0.5f, 0.5f, 0.5f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, grey);
    DrawActor(index, offsetX, offsetY);
    glPopAttrib();
}

void TViewNet::DrawActor(int index, double offsetX, double offsetY)
{
    const TGridSquare* square = GetSquare(index);
    if (!square)
        return;
    const auto slot = static_cast<std::size_t>(square->Terrain);
    const auto& record = MapHeader.TerrainActors[slot];
    TActor* actor = actors_[slot].get();
    if (!actor)
        return;
    const auto c = SquareCorners(index);
    TMapPoint at;
    if (record.NotCentred) {
        // Bilinear between the corners: offsetX eastward, offsetY southward.
        const double w[4] = {(1 - offsetX) * (1 - offsetY), offsetX * (1 - offsetY), offsetX * offsetY,
                             (1 - offsetX) * offsetY};
        for (std::size_t k = 0; k < 4; ++k) {
            at.x += w[k] * c[k].x;
            at.y += w[k] * c[k].y;
            at.height += w[k] * c[k].height;
        }
    } else {
        at = {(c[0].x + c[1].x + c[2].x + c[3].x) / 4, (c[0].y + c[1].y + c[2].y + c[3].y) / 4,
              (c[0].height + c[1].height + c[2].height + c[3].height) / 4};
    }
    const auto& h = MapHeader;
    if (h.Spacing < 1 || h.Columns == 0)
        return;
    double scale = static_cast<double>(record.ActorHeight) * h.WorldWidth / (h.Columns * 100.0 * h.Spacing);
    const int variation = record.HeightVariation;
    if (variation >= 1) {
        const int u = random_->Next(2 * variation);
        scale += scale * (u - variation) * 0.01;
    }
    const double angle = record.RandomOrientation ? random_->Next(359) : record.ActorOrientation;
    glPushMatrix();
    actor->Scale = scale;
    actor->Draw(ScenePosition(at), angle);
    glPopMatrix();
}

}  // namespace tarn
