#include "viewer/render/TriangleSink.h"

#include <GL/gl.h>

#include <algorithm>
#include <stdexcept>

namespace tarn {

namespace {

// The three vertices, each with the normal of the first.
void AppendTriangle(TSceneVertices& target, const std::array<TSceneVertex, 3>& vertices)
{
    const std::size_t at = target.size();
    target.resize(at + 3);
    for (std::size_t k = 0; k < 3; ++k) {
        target[at + k].colour = vertices[k].colour;
        target[at + k].normal = vertices[0].normal;
        target[at + k].position = vertices[k].position;
    }
}

}  // namespace

void TImmediateSink::Triangle(const std::array<TSceneVertex, 3>& vertices)
{
    glBegin(GL_TRIANGLES);
    glNormal3fv(vertices[0].normal.data());
    for (const auto& vertex : vertices) {
        glColor4fv(vertex.colour.data());
        glVertex3fv(vertex.position.data());
    }
    glEnd();
}

void TImmediateSink::Outline(const std::array<TSceneVertex, 4>& vertices)
{
    glNormal3fv(vertices[0].normal.data());
    glColor4fv(vertices[0].colour.data());
    glBegin(GL_LINE_LOOP);
    for (const auto& vertex : vertices)
        glVertex3fv(vertex.position.data());
    glEnd();
}

void TRecordingSink::Triangle(const std::array<TSceneVertex, 3>& vertices)
{
    // Every vertex carries the group's normal, as the immediate path leaves
    // it current for all three.
    AppendTriangle(target_, vertices);
}

void TRecordingSink::Outline(const std::array<TSceneVertex, 4>& vertices)
{
    for (auto vertex : vertices) {
        vertex.normal = vertices[0].normal;
        vertex.colour = vertices[0].colour;
        target_.push_back(vertex);
    }
}

TBatchSink::TBatchSink(TPipelineFlusher& flusher) : flusher_(flusher) { batch_.reserve(kBatchVertices); }

TBatchSink::~TBatchSink() = default;

void TMaterialRecordingSink::Triangle(const std::array<TSceneVertex, 3>& vertices)
{
    if (target_->runs.empty() || target_->runs.back().material != material_)
        target_->runs.push_back({target_->vertices.size(), material_});
    AppendTriangle(target_->vertices, vertices);
}

void TMaterialRecordingSink::Outline(const std::array<TSceneVertex, 4>& /*vertices*/)
{
    throw std::logic_error("grid lines are not recorded with materials");
}

TClientArraysScope::TClientArraysScope() { glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT); }

TClientArraysScope::~TClientArraysScope() { glPopClientAttrib(); }

void TBatchSink::Triangle(const std::array<TSceneVertex, 3>& vertices)
{
    AppendTriangle(batch_, vertices);
    if (batch_.size() >= kBatchVertices)
        Flush();
}

void TBatchSink::Outline(const std::array<TSceneVertex, 4>& vertices)
{
    Flush();
    immediate_.Outline(vertices);
}

void TBatchSink::Flush()
{
    if (batch_.empty())
        return;
    {
        const TClientArraysScope arrays;
        glInterleavedArrays(GL_C4F_N3F_V3F, 0, batch_.data());
        DrawTriangleArrays(0, static_cast<int>(batch_.size()));
    }
    flusher_.Drawn(static_cast<long long>(batch_.size() / 3));
    batch_.clear();
}

void DrawTriangleArrays(int first, int count)
{
    constexpr int kVerticesPerCall = 3 * 256;
    for (int start = first; start < first + count; start += kVerticesPerCall)
        glDrawArrays(GL_TRIANGLES, start, std::min(kVerticesPerCall, first + count - start));
}

void TPipelineFlusher::Drawn(long long triangles)
{
    sinceFlush_ += triangles;
    if (sinceFlush_ >= kTrianglesPerFlush)
        Flush();
}

void TPipelineFlusher::DrawnUncounted()
{
    if (std::chrono::steady_clock::now() - lastFlush_ >= kInterval)
        Flush();
}

void TPipelineFlusher::Flush()
{
    glFlush();
    sinceFlush_ = 0;
    lastFlush_ = std::chrono::steady_clock::now();
}

}  // namespace tarn
