#pragma once
// The camera as numbers: the window-to-world projection and the model-view matrices of
// the scene, computed on the CPU so that tests can say where a point lands on screen.
#include "common/CameraScale.h"

#include <array>

namespace vellum {

// A 4 x 4 matrix in OpenGL's column-major order.
using Matrix4 = std::array<double, 16>;
using Point3 = std::array<double, 3>;

Matrix4 identityMatrix();
Matrix4 multiply(const Matrix4& a, const Matrix4& b); // a * b
Matrix4 translationMatrix(const Point3& offset);
Matrix4 scaleMatrix(double factor);
// A turn by `degrees` about `axis`, as glRotated makes it.
Matrix4 rotationMatrix(double degrees, const Point3& axis);
Point3 transformPoint(const Matrix4& m, const Point3& p);

// The orthographic volume for a drawing area of w x h pixels: 560 / 3 pixels per world
// unit in both directions whatever the size, so a larger window shows more around the
// graph and never stretches it.
struct OrthoVolume {
    double left, right, bottom, top, nearPlane, farPlane;
};
OrthoVolume orthoForWindow(int width, int height);

// Eye at (0, 0, 1) looking at the origin, axis 2 up: the screen-fixed frame of the
// legend and the other decorations.
Matrix4 lookAtMatrix();

// The graph's frame: uniform zoom 1.5 x SCALE123, translation POSITION, then the turns
// about axes 1, 2, 3 by DIGREE (offset by 1800; only the value modulo 360 matters).
Matrix4 graphMatrix(const std::array<int, 3>& digree, const Point3& position, double scale123);

// Where a world point under `modelView` lands in a w x h drawing area, in pixels from the
// top-left corner (x to the right, y downwards).
std::array<double, 2> pixelOf(const Matrix4& modelView, int width, int height, const Point3& point);

} // namespace vellum
