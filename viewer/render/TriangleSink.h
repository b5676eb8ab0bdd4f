#pragma once

#include "viewer/render/SceneTypes.h"

#include <vector>

namespace tarn {

// Where the triangles of the surface go: straight to OpenGL, or into a
// vertex list that is drawn later as an interleaved array.
class ITriangleSink {
public:
    virtual ~ITriangleSink() = default;
    // The three vertices share the normal of the first.
    virtual void Triangle(const std::array<TSceneVertex, 3>& vertices) = 0;
    // The closing outline of a square (grid line), drawn as a line loop.
    virtual void Outline(const std::array<TSceneVertex, 4>& vertices) = 0;
};

// Sends each triangle as one GL_TRIANGLES group: normal, then colour and
// vertex for each point.
class TImmediateSink final : public ITriangleSink {
public:
    void Triangle(const std::array<TSceneVertex, 3>& vertices) override;
    void Outline(const std::array<TSceneVertex, 4>& vertices) override;
};

// Appends every vertex to a list.
class TRecordingSink final : public ITriangleSink {
public:
    explicit TRecordingSink(std::vector<TSceneVertex>& target) : target_(target) {}
    void Triangle(const std::array<TSceneVertex, 3>& vertices) override;
    void Outline(const std::array<TSceneVertex, 4>& vertices) override;

private:
    std::vector<TSceneVertex>& target_;
};

}  // namespace tarn
