#pragma once
// Display lists of the solid spheres and cones (balls, vector heads), one per distinct
// size, built on first use and released when a new data set is loaded so they do not
// grow without bound over a long session.
#include <cstddef>
#include <map>
#include <utility>

struct GLUquadric;

namespace vellum {

class PrimitiveLists {
public:
    PrimitiveLists() = default;
    // Must run while the context the lists were built in is current.
    ~PrimitiveLists();
    PrimitiveLists(const PrimitiveLists&) = delete;
    PrimitiveLists& operator=(const PrimitiveLists&) = delete;

    // Draws a filled sphere (16 slices, 16 stacks) centred on the current origin.
    void drawSphere(double radius);
    // Draws a filled cone (15 slices, 10 stacks) with its base on the current origin and
    // its apex along axis 3.
    void drawCone(double baseRadius, double height);

    // Deletes every list; the next draw builds them again.
    void release();
    size_t listCount() const { return spheres_.size() + cones_.size(); }

private:
    GLUquadric* quadric();

    GLUquadric* quadric_ = nullptr;
    std::map<double, unsigned> spheres_;
    std::map<std::pair<double, double>, unsigned> cones_;
};

} // namespace vellum
