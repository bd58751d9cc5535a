#include "render/PrimitiveLists.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace vellum {
namespace {

// Builds one list from `shape`; a failed build is remembered as 0 so it is not retried
// while another list is being compiled.
template <class Shape>
unsigned buildList(GLUquadric* q, Shape&& shape) {
    if (!q) return 0;
    const GLuint list = glGenLists(1);
    if (list == 0) return 0;
    glNewList(list, GL_COMPILE);
    shape(q);
    glEndList();
    return list;
}

} // namespace

PrimitiveLists::~PrimitiveLists() {
    if (quadric_) gluDeleteQuadric(quadric_); // memory only, no OpenGL call
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

unsigned PrimitiveLists::sphere(double radius) {
    if (auto found = spheres_.find(radius); found != spheres_.end()) return found->second;
    const unsigned list = buildList(quadric(), [radius](GLUquadric* q) { gluSphere(q, radius, 16, 16); });
    spheres_.emplace(radius, list);
    return list;
}

unsigned PrimitiveLists::cone(double baseRadius, double height) {
    const std::pair<double, double> key{baseRadius, height};
    if (auto found = cones_.find(key); found != cones_.end()) return found->second;
    const unsigned list =
        buildList(quadric(), [=](GLUquadric* q) { gluCylinder(q, baseRadius, 0.0, height, 15, 10); });
    cones_.emplace(key, list);
    return list;
}

void PrimitiveLists::drawSphere(double radius) {
    if (const unsigned list = sphere(radius)) glCallList(list);
}

void PrimitiveLists::drawCone(double baseRadius, double height) {
    if (const unsigned list = cone(baseRadius, height)) glCallList(list);
}

void PrimitiveLists::release() {
    for (const auto& [radius, list] : spheres_)
        if (list != 0) glDeleteLists(list, 1);
    for (const auto& [size, list] : cones_)
        if (list != 0) glDeleteLists(list, 1);
    spheres_.clear();
    cones_.clear();
}

} // namespace vellum
