#pragma once
// Contour pieces as coloured vertex arrays, computed without OpenGL: bands in the colour
// of their upper level, lines in the colour of their level or in one colour.
#include "render/ColourMap.h"
#include "render/ContourGeometry.h"

#include <functional>
#include <vector>

namespace vellum {

struct RGBColor;
class PixelCentres;

struct ContourColours {
    std::vector<Colour> bands;  // 0 to n + 1
    std::vector<Colour> levels; // 0 to n
};
// `lineMode` is CONTMODE: 0 lines in the graph's colours, 1 all in `lineColour`.
ContourColours contourColoursOf(const ContourLevels& levels, int colourCode, int lineMode, const RGBColor& lineColour,
                                const UserColours& look);

// Collects fills (as triangles) and lines as interleaved x, y, z, red, green, blue and
// hands them on in batches, so that the vertices of a million-node contour graph never
// sit in memory all at once.
class ContourBatcher : public ContourSink {
public:
    static constexpr size_t kFloatsPerVertex = 6;
    // May take the vectors' contents (swap them for empty ones); the batcher clears them after.
    using Emit = std::function<void(std::vector<float>& fills, std::vector<float>& lines)>;

    ContourBatcher(ContourColours colours, size_t batchVertices, Emit emit);
    // Leaves out fill triangles that light no pixel of a picture drawn once. The batches
    // still end where they would with every triangle, so fills and lines reach OpenGL in
    // the same order either way.
    void skipFillsBetweenPixels(const PixelCentres* centres) { centres_ = centres; }
    void fill(const Point3* corners, int count, int band) override;
    void line(const Point3& from, const Point3& to, int level) override;
    // Hands on what is left.
    void finish();

private:
    void add(std::vector<float>& batch, const float* p, const Colour& c) const;
    void flushIfFull();

    ContourColours colours_;
    size_t batchFloats_;
    Emit emit_;
    std::vector<float> fills_, lines_;
    size_t fillFloatsOffered_ = 0; // kept or not
    const PixelCentres* centres_ = nullptr;
};

} // namespace vellum
