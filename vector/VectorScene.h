#pragma once
// The picture as flat pieces on the page: polygons, lines, dots and texts in drawing-area
// pixels (x to the right, y down), each with its depth, put in the order a painter draws
// them so that what OpenGL's depth test would hide ends up underneath.
#include "render/Camera.h"
#include "render/ColourMap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vellum {

// A point on the page; z grows towards the viewer.
struct PagePoint {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

// A world point under `modelView` on a w x h drawing area, the way OpenGL places it.
class PageProjection {
public:
    PageProjection(const Matrix4& modelView, int width, int height);
    PagePoint operator()(const Point3& p) const;
    const Matrix4& modelView() const { return modelView_; }
    // The same page under another frame.
    PageProjection under(const Matrix4& modelView) const;
    int width() const { return static_cast<int>(halfWidth_ * 2.0); }
    int height() const { return static_cast<int>(halfHeight_ * 2.0); }
    // Pixels on the page per world unit of the current frame (its uniform zoom).
    double pixelsPerUnit() const;

private:
    Matrix4 modelView_;
    double halfWidth_, halfHeight_;
};

struct LineStyle {
    float width = 1.0f;       // pixels; 0 draws one pixel, as OpenGL does
    uint16_t pattern = 0xFFFF; // the stipple, bit 0 first
};

// Texts: bitmap text starts at its anchor on the baseline, 12 pixels an em; outline text
// is centred on its anchor, one em along `across` and `up` (page vectors).
struct PageText {
    std::string text;
    PagePoint anchor;
    Colour colour;
    bool centred = false;
    float across[2] = {12.0f, 0.0f};
    float up[2] = {0.0f, -12.0f};
};

// Pieces of one kind of drawing; the layer decides the order first, then, in layers
// that stand for OpenGL's depth test, the depth.
class FaceRaster;

class VectorScene {
public:
    enum class Kind : uint8_t { Polygon, Line, Dot, Text };
    struct Item {
        float depth;
        uint32_t layer;
        uint32_t sequence;
        Kind kind;
        uint32_t index; // into the kind's array
    };
    struct Polygon {
        PagePoint corners[5];
        Colour colours[5];
        uint8_t count;
        bool smooth; // corners differ in colour
    };
    struct Line {
        PagePoint from, to;
        Colour colour;
        LineStyle style;
        float dashOffset; // pixels of the stipple already used before `from`
    };
    struct Dot {
        PagePoint at;
        Colour colour;
        float radius; // pixels
        bool square;  // an OpenGL point, not a ball
    };

    // Later pieces go in a new layer; `depthSorted` says whether it hides by depth. Its
    // index is returned.
    uint32_t beginLayer(bool depthSorted);
    // Faces, lines and dots of the current layer go into `raster` as they come (texts
    // stay here), until a new layer begins.
    void divertTo(FaceRaster* raster) { raster_ = raster; }
    void polygon(const PagePoint* corners, const Colour* colours, int count);
    void line(const PagePoint& from, const PagePoint& to, const Colour& colour, const LineStyle& style);
    void dot(const PagePoint& at, const Colour& colour, float radius, bool square);
    void text(PageText text);

    // Puts the items in painting order for a `width` x `height` page. Lines and dots on a
    // face are drawn after it; those wholly behind faces are left out.
    void order(int width, int height);

    const std::vector<Item>& items() const { return items_; }
    const Polygon& polygonAt(uint32_t i) const { return polygons_[i]; }
    const Line& lineAt(uint32_t i) const { return lines_[i]; }
    const Dot& dotAt(uint32_t i) const { return dots_[i]; }
    const PageText& textAt(uint32_t i) const { return texts_[i]; }
    size_t polygonCount() const { return polygons_.size(); }

private:
    void add(Kind kind, uint32_t index, float depth);
    void dropHidden(uint32_t layer, int width, int height);

    std::vector<Item> items_;
    std::vector<Polygon> polygons_;
    std::vector<Line> lines_;
    std::vector<Dot> dots_;
    std::vector<PageText> texts_;
    struct Layer {
        bool sorted = false;
        double faceExtent = 0.0; // summed depth extent of the layer's polygons
        size_t faces = 0;
    };
    std::vector<Layer> layers_;
    FaceRaster* raster_ = nullptr;
};

} // namespace vellum
