#pragma once

#include "viewer/render/SceneTypes.h"

#include <chrono>
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
    // Sends to OpenGL whatever is held back, so that GL state set next (a
    // material, an actor) applies only to what follows.
    virtual void Flush() {}
    // False for a sink that keeps the triangles for later passes instead of
    // drawing them now.
    virtual bool DrawsNow() const { return true; }
};

// Flushes the pipeline every so many triangles drawn. The renderer queues
// the triangles of a pass until it is flushed, and that queue would grow
// with the triangles of the pass (gigabytes for a detailed picture); each
// flush costs a little time, so it comes only every half million triangles.
// What is drawn uncounted (actors) flushes by time instead.
class TPipelineFlusher {
public:
    void Drawn(long long triangles);
    void DrawnUncounted();

private:
    void Flush();
    static constexpr long long kTrianglesPerFlush = 500000;
    static constexpr std::chrono::milliseconds kInterval{40};
    long long sinceFlush_ = 0;
    std::chrono::steady_clock::time_point lastFlush_ = std::chrono::steady_clock::now();
};

// Draws `count` vertices of the current vertex arrays from `first` as
// triangles, in calls of a few hundred vertices. When a call holds a
// triangle to be clipped, the software renderer goes over every vertex of
// the call each time its own small vertex buffer fills, so one long call
// costs time growing with the square of its length (a third of a frame for
// rows of 6000 vertices); short calls keep that small and add little.
void DrawTriangleArrays(int first, int count);

// Puts a sink in place for one walk and the previous one back after it.
class TSinkScope {
public:
    TSinkScope(ITriangleSink*& slot, ITriangleSink& sink) : slot_(slot), previous_(slot) { slot_ = &sink; }
    ~TSinkScope() { slot_ = previous_; }
    TSinkScope(const TSinkScope&) = delete;
    TSinkScope& operator=(const TSinkScope&) = delete;

private:
    ITriangleSink*& slot_;
    ITriangleSink* previous_;
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
    explicit TRecordingSink(TSceneVertices& target) : target_(target) {}
    void Triangle(const std::array<TSceneVertex, 3>& vertices) override;
    void Outline(const std::array<TSceneVertex, 4>& vertices) override;
    bool DrawsNow() const override { return false; }

private:
    TSceneVertices& target_;
};

// Triangles kept to be drawn a little later, each stretch with the material
// it is to be drawn in.
struct TRecordedTriangles {
    struct MaterialRun {
        std::size_t firstVertex = 0;
        TTerrainMaterial material;
    };
    TSceneVertices vertices;
    std::vector<MaterialRun> runs;

    void Clear()
    {
        vertices.clear();
        runs.clear();
    }
};

// Records triangles into whichever list it was last pointed at, each with
// the material that `material` holds when it comes (the material a sink
// drawing at once would have applied before it). For walks without grid
// lines: an outline is refused.
class TMaterialRecordingSink final : public ITriangleSink {
public:
    explicit TMaterialRecordingSink(const TTerrainMaterial& material) : material_(material) {}
    void RecordInto(TRecordedTriangles& target) { target_ = &target; }
    void Triangle(const std::array<TSceneVertex, 3>& vertices) override;
    void Outline(const std::array<TSceneVertex, 4>& vertices) override;
    bool DrawsNow() const override { return false; }

private:
    const TTerrainMaterial& material_;
    TRecordedTriangles* target_ = nullptr;
};

// Keeps the client vertex array state of the enclosing code and gives it
// back when the scope ends, an exception included.
class TClientArraysScope {
public:
    TClientArraysScope();
    ~TClientArraysScope();
    TClientArraysScope(const TClientArraysScope&) = delete;
    TClientArraysScope& operator=(const TClientArraysScope&) = delete;
};

// Gathers triangles into an interleaved array and draws them with one call
// per batch, the same picture as sending them one by one. Outlines are
// drawn at once, after the triangles before them.
class TBatchSink final : public ITriangleSink {
public:
    explicit TBatchSink(TPipelineFlusher& flusher);
    ~TBatchSink() override;
    TBatchSink(const TBatchSink&) = delete;
    TBatchSink& operator=(const TBatchSink&) = delete;

    void Triangle(const std::array<TSceneVertex, 3>& vertices) override;
    void Outline(const std::array<TSceneVertex, 4>& vertices) override;
    void Flush() override;

private:
    static constexpr std::size_t kBatchVertices = 3 * 4096;
    TSceneVertices batch_;
    TPipelineFlusher& flusher_;
    TImmediateSink immediate_;
};

}  // namespace tarn
