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

}  // namespace tarn
