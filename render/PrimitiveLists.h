#pragma once
// Display lists of the solid spheres and cones (balls, vector heads, the axes symbol's
// cones), one per distinct size, built on first use. Their owner releases them when what
// they were made for changes, so they do not grow without bound over a long session.
#include <cstddef>
#include <map>
#include <utility>

struct GLUquadric;

namespace vellum {

class PrimitiveLists {
public:
    PrimitiveLists() = default;
    // Frees the quadric only: the lists belong to a context that may already be gone.
    ~PrimitiveLists();
    PrimitiveLists(const PrimitiveLists&) = delete;
    PrimitiveLists& operator=(const PrimitiveLists&) = delete;

    // The list of a filled sphere (16 slices, 16 stacks) centred on the origin, built now
    // when missing; 0 when it cannot be built. Build lists before compiling a list that
    // calls them: lists cannot be built while another is being compiled.
    unsigned sphere(double radius);
    // A filled cone (15 slices, 10 stacks) with its base on the origin and its apex along
    // axis 3.
    unsigned cone(double baseRadius, double height);

    void drawSphere(double radius);
    void drawCone(double baseRadius, double height);

    // Deletes every list (the context they were built in must be current); the next use
    // builds them again.
    void release();
    size_t listCount() const { return spheres_.size() + cones_.size(); }

private:
    GLUquadric* quadric();

    GLUquadric* quadric_ = nullptr;
    std::map<double, unsigned> spheres_;
    std::map<std::pair<double, double>, unsigned> cones_;
};

} // namespace vellum
