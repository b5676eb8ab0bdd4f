#include "viewer/render/TriangleSink.h"

#include <GL/gl.h>

namespace tarn {

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
    for (auto vertex : vertices) {
        vertex.normal = vertices[0].normal;
        target_.push_back(vertex);
    }
}

void TRecordingSink::Outline(const std::array<TSceneVertex, 4>& vertices)
{
    for (auto vertex : vertices) {
        vertex.normal = vertices[0].normal;
        vertex.colour = vertices[0].colour;
        target_.push_back(vertex);
    }
}

TBatchSink::TBatchSink() { batch_.reserve(kBatchVertices); }

TBatchSink::~TBatchSink() = default;

void TBatchSink::Triangle(const std::array<TSceneVertex, 3>& vertices)
{
    const std::size_t at = batch_.size();
    batch_.resize(at + 3);
    for (std::size_t k = 0; k < 3; ++k) {
        batch_[at + k] = vertices[k];
        batch_[at + k].normal = vertices[0].normal;
    }
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
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glInterleavedArrays(GL_C4F_N3F_V3F, 0, batch_.data());
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(batch_.size()));
    glPopClientAttrib();
    flusher_.Drawn(static_cast<long long>(batch_.size() / 3));
    batch_.clear();
}

void TPipelineFlusher::Drawn(long long triangles)
{
    sinceFlush_ += triangles;
    if (sinceFlush_ < kTrianglesPerFlush)
        return;
    glFlush();
    sinceFlush_ = 0;
}

}  // namespace tarn
