#include "render/Camera.h"

#include <cmath>
#include <numbers>

namespace vellum {

Matrix4 identityMatrix() { return Matrix4{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

Matrix4 multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 r{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + row] * b[column * 4 + k];
            r[column * 4 + row] = sum;
        }
    return r;
}

Matrix4 translationMatrix(const Point3& offset) {
    Matrix4 m = identityMatrix();
    m[12] = offset[0];
    m[13] = offset[1];
    m[14] = offset[2];
    return m;
}

Matrix4 scaleMatrix(double factor) {
    Matrix4 m = identityMatrix();
    m[0] = m[5] = m[10] = factor;
    return m;
}

Matrix4 rotationMatrix(double degrees, const Point3& axis) {
    const double length = std::sqrt(axis[0] * axis[0] + axis[1] * axis[1] + axis[2] * axis[2]);
    if (length == 0.0) return identityMatrix();
    const double x = axis[0] / length, y = axis[1] / length, z = axis[2] / length;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians), k = 1.0 - c;
    return Matrix4{x * x * k + c,     y * x * k + z * s, x * z * k - y * s, 0,
                   x * y * k - z * s, y * y * k + c,     y * z * k + x * s, 0,
                   x * z * k + y * s, y * z * k - x * s, z * z * k + c,     0,
                   0,                 0,                 0,                 1};
}

Point3 transformPoint(const Matrix4& m, const Point3& p) {
    return Point3{m[0] * p[0] + m[4] * p[1] + m[8] * p[2] + m[12], m[1] * p[0] + m[5] * p[1] + m[9] * p[2] + m[13],
                  m[2] * p[0] + m[6] * p[1] + m[10] * p[2] + m[14]};
}

OrthoVolume orthoForWindow(int width, int height) {
    const double halfWidth = width / (2.0 * kPixelsPerWorldUnit), halfHeight = height / (2.0 * kPixelsPerWorldUnit);
    return OrthoVolume{-halfWidth, halfWidth, -halfHeight, halfHeight, -1000.0, 1000.0};
}

Matrix4 lookAtMatrix() {
    // gluLookAt with eye (0, 0, 1), centre at the origin and axis 2 up is a shift by -1
    // along the line of sight.
    return translationMatrix(Point3{0.0, 0.0, -1.0});
}

Matrix4 graphMatrix(const std::array<int, 3>& digree, const Point3& position, double scale123) {
    Matrix4 m = multiply(lookAtMatrix(), scaleMatrix(kGraphZoomPerScale * scale123));
    m = multiply(m, translationMatrix(position));
    m = multiply(m, rotationMatrix(digree[0] % 360, Point3{1, 0, 0}));
    m = multiply(m, rotationMatrix(digree[1] % 360, Point3{0, 1, 0}));
    m = multiply(m, rotationMatrix(digree[2] % 360, Point3{0, 0, 1}));
    return m;
}

std::array<double, 2> pixelOf(const Matrix4& modelView, int width, int height, const Point3& point) {
    const Point3 eye = transformPoint(modelView, point);
    const OrthoVolume o = orthoForWindow(width, height);
    const double x = (eye[0] - o.left) / (o.right - o.left) * width;
    const double yUp = (eye[1] - o.bottom) / (o.top - o.bottom) * height;
    return {x, height - yUp};
}

} // namespace vellum
