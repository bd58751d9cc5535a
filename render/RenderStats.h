#pragma once
// How often the renderer built each piece of geometry it keeps between paints, and how
// often it could put back the whole last picture. A paint whose data and look are
// unchanged builds nothing; tests and the benchmarks read these.
namespace vellum {

struct RenderStats {
    int graphBuilds = 0;             // the graph body: surface, lines, points, vectors
    int projectionBuilds = 0;        // the projection's body
    int graphContourBuilds = 0;      // contour lines and bands of the graph
    int projectionContourBuilds = 0; // and of the projection
    int gridBuilds = 0;              // grid planes, division lines and grid values
    // Paints that put back the last picture because nothing it was made from changed.
    int framesReused = 0;

    // Builds of every kind.
    int total() const {
        return graphBuilds + projectionBuilds + graphContourBuilds + projectionContourBuilds + gridBuilds;
    }
    friend bool operator==(const RenderStats&, const RenderStats&) = default;
};

} // namespace vellum
