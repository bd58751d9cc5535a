#include "render/PrimitiveLists.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace vellum {

PrimitiveLists::~PrimitiveLists() {
    release();
    if (quadric_) gluDeleteQuadric(quadric_);
}

GLUquadric* PrimitiveLists::quadric() {
    if (!quadric_) {
        quadric_ = gluNewQuadric();
        if (quadric_) {
            gluQuadricDrawStyle(quadric_, GLU_FILL);
            gluQuadricNormals(quadric_, GLU_SMOOTH);
        }
    }
    return quadric_;
}

void PrimitiveLists::drawSphere(double radius) {
    auto found = spheres_.find(radius);
    if (found == spheres_.end()) {
        GLUquadric* q = quadric();
        const GLuint list = glGenLists(1);
        if (!q || list == 0) return;
        glNewList(list, GL_COMPILE);
        gluSphere(q, radius, 16, 16);
        glEndList();
        found = spheres_.emplace(radius, list).first;
    }
    glCallList(found->second);
}

void PrimitiveLists::drawCone(double baseRadius, double height) {
    const std::pair<double, double> key{baseRadius, height};
    auto found = cones_.find(key);
    if (found == cones_.end()) {
        GLUquadric* q = quadric();
        const GLuint list = glGenLists(1);
        if (!q || list == 0) return;
        glNewList(list, GL_COMPILE);
        gluCylinder(q, baseRadius, 0.0, height, 15, 10);
        glEndList();
        found = cones_.emplace(key, list).first;
    }
    glCallList(found->second);
}

void PrimitiveLists::release() {
    for (const auto& [radius, list] : spheres_) glDeleteLists(list, 1);
    for (const auto& [size, list] : cones_) glDeleteLists(list, 1);
    spheres_.clear();
    cones_.clear();
}

} // namespace vellum
