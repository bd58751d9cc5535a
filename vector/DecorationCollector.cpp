#include "vector/SceneCollector.h"

#include "render/GridDraw.h"
#include "render/LegendLayout.h"
#include "render/ProbeMarksDraw.h"
#include "render/TextRenderer.h"
#include "render/TitleLayout.h"
#include "settings/ViewSettings.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vellum {
namespace {

constexpr Colour kBlack{0.0f, 0.0f, 0.0f};

// The axes symbol's measures, as the renderer draws it.
constexpr double kAxisLength = 0.3;
constexpr double kConeRadius = 0.02;
constexpr double kConeHeight = 0.05;
constexpr std::array<std::array<double, 3>, 3> kLetterPositions{
    {{0.31, 0.04, 0.03}, {0.03, 0.31, 0.04}, {0.04, 0.03, 0.31}}};
constexpr int kConeSlices = 24;

// Bitmap text stands at its raster position; OpenGL drops it when that lies outside the view.
void addBitmapText(const PagePoint& anchor, const std::string& text, const Colour& colour, int width, int height,
                   VectorScene& out) {
    if (text.empty() || anchor.x < 0.0f || anchor.y < 0.0f || anchor.x > width || anchor.y > height) return;
    PageText t;
    t.text = text;
    t.anchor = anchor;
    t.colour = colour;
    t.across[0] = static_cast<float>(kBitmapTextPixels);
    t.up[1] = -static_cast<float>(kBitmapTextPixels);
    out.text(std::move(t));
}

// Outline text: one em along axes 1 and 2 of `frame`, centred on its origin.
void addOutlineText(const PageProjection& page, const std::string& text, const Colour& colour, VectorScene& out) {
    if (text.empty()) return;
    const PagePoint origin = page(Point3{0, 0, 0}), x = page(Point3{1, 0, 0}), y = page(Point3{0, 1, 0});
    PageText t;
    t.text = text;
    t.colour = colour;
    t.centred = true;
    t.anchor = origin;
    t.across[0] = x.x - origin.x;
    t.across[1] = x.y - origin.y;
    t.up[0] = y.x - origin.x;
    t.up[1] = y.y - origin.y;
    out.text(std::move(t));
}

Matrix4 turnedWithCamera(const Matrix4& m, const ViewSettings& s) {
    Matrix4 r = multiply(m, rotationMatrix(s.degrees(0), Point3{1, 0, 0}));
    r = multiply(r, rotationMatrix(s.degrees(1), Point3{0, 1, 0}));
    return multiply(r, rotationMatrix(s.degrees(2), Point3{0, 0, 1}));
}

Matrix4 cameraTurnUndone(const Matrix4& m, const ViewSettings& s) {
    Matrix4 r = multiply(m, rotationMatrix(-s.degrees(2), Point3{0, 0, 1}));
    r = multiply(r, rotationMatrix(-s.degrees(1), Point3{0, 1, 0}));
    return multiply(r, rotationMatrix(-s.degrees(0), Point3{1, 0, 0}));
}

Matrix4 scaled(const Matrix4& m, double x, double y, double z) {
    Matrix4 s = identityMatrix();
    s[0] = x;
    s[5] = y;
    s[10] = z;
    return multiply(m, s);
}

// The convex hull of points on the page (monotone chain), counter-clockwise.
std::vector<PagePoint> hullOf(std::vector<PagePoint> p) {
    std::sort(p.begin(), p.end(), [](const PagePoint& a, const PagePoint& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    if (p.size() < 3) return p;
    auto cross = [](const PagePoint& o, const PagePoint& a, const PagePoint& b) {
        return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
    };
    std::vector<PagePoint> hull(2 * p.size());
    size_t k = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        while (k >= 2 && cross(hull[k - 2], hull[k - 1], p[i]) <= 0) --k;
        hull[k++] = p[i];
    }
    for (size_t i = p.size() - 1, t = k + 1; i > 0; --i) {
        while (k >= t && cross(hull[k - 2], hull[k - 1], p[i - 1]) <= 0) --k;
        hull[k++] = p[i - 1];
    }
    hull.resize(k - 1);
    return hull;
}

} // namespace

void collectCone(const PageProjection& page, const Matrix4& frame, double baseRadius, double height,
                 const Colour& colour, VectorScene& out) {
    // The shape is unlit, as OpenGL draws it here: its outline is the hull of the base
    // circle and the apex, cut into triangles round the hull's centre so that each piece
    // is sorted by its own depth.
    const PageProjection cone = page.under(frame);
    std::vector<PagePoint> points;
    for (int i = 0; i < kConeSlices; ++i) {
        const double a = 2.0 * std::numbers::pi * i / kConeSlices;
        points.push_back(cone(Point3{baseRadius * std::cos(a), baseRadius * std::sin(a), 0.0}));
    }
    points.push_back(cone(Point3{0, 0, height}));
    const std::vector<PagePoint> hull = hullOf(points);
    if (hull.size() < 3) return;
    float depth = points.front().z;
    for (const PagePoint& p : points) depth = std::max(depth, p.z);
    PagePoint middle{0, 0, depth};
    for (const PagePoint& p : hull) middle.x += p.x / hull.size(), middle.y += p.y / hull.size();
    const Colour tints[3] = {colour, colour, colour};
    for (size_t i = 0; i < hull.size(); ++i) {
        PagePoint tri[3] = {middle, hull[i], hull[(i + 1) % hull.size()]};
        for (PagePoint& p : tri) p.z = depth;
        out.polygon(tri, tints, 3);
    }
}

void collectLegend(const ViewSettings& s, int width, int height, bool withText, VectorScene& out) {
    const LegendLayout legend = layoutLegend(s);
    if (!legend.shown) return;
    const PageProjection screen(lookAtMatrix(), width, height);
    const PageProjection bar(multiply(lookAtMatrix(), translationMatrix(legend.barOrigin)), width, height);
    // The fill first: OpenGL's polygon offset keeps the outline and level lines over it.
    for (const LegendQuad& quad : legend.quads) {
        PagePoint corners[4];
        Colour tints[4];
        for (size_t k = 0; k < 4; ++k) {
            corners[k] = bar(quad.corners[k]);
            tints[k] = colourForCode(s.colorMode, quad.values[k], s.userColours);
        }
        out.polygon(corners, tints, 4);
    }
    for (size_t k = 0; k < 4; ++k)
        out.line(bar(legend.barOutline[k]), bar(legend.barOutline[(k + 1) % 4]), kBlack, LineStyle{1.0f, 0xFFFF});
    for (const LegendLine& line : legend.lines)
        out.line(bar(line.from), bar(line.to), colourForCode(s.colorMode, line.value, s.userColours),
                 LineStyle{static_cast<float>(kLegendLevelLineWidth), 0xFFFF});
    if (!withText) return;
    for (const LegendText& value : legend.values)
        addBitmapText(screen(value.anchor), value.text, colourOf(s.legendStringColor), width, height, out);
}

void collectGrid(const SceneContext& scene, const PageProjection& page, bool withText, VectorScene& out) {
    const ViewSettings& s = scene.settings;
    const GridPicture picture = gridPictureOf(scene.dataSet, s, scene.state.dataType, scene.box);
    const LineStyle divisions{static_cast<float>(s.DWID2), s.style2Pattern()};
    for (const Segment3& segment : picture.divisions)
        out.line(page(segment.from), page(segment.to), colourOf(s.COLOR2), divisions);
    const LineStyle outlines{static_cast<float>(s.DWID), s.gridPattern()};
    for (const auto& outline : picture.outlines)
        for (size_t k = 0; k < 4; ++k)
            out.line(page(outline[k]), page(outline[(k + 1) % 4]), colourOf(s.gridColor), outlines);
    if (!withText) return;
    for (const GridValueText& value : picture.values)
        addBitmapText(page(value.anchor), value.text, colourOf(s.gridStringColor), page.width(), page.height(), out);
}

void collectProbeMarks(const SceneContext& scene, const std::vector<ProbeMark>& pins, const PageProjection& page,
                       bool withText, VectorScene& out) {
    const std::vector<PlacedMark> marks = placeProbeMarks(scene, pins);
    auto colourOfMark = [](PlacedMark::Kind kind) {
        switch (kind) {
        case PlacedMark::Kind::Maximum: return Colour{0.85f, 0.0f, 0.0f};
        case PlacedMark::Kind::Minimum: return Colour{0.0f, 0.0f, 0.85f};
        case PlacedMark::Kind::Pin: break;
        }
        return kBlack;
    };
    // A white ring round a coloured square shows on any colour of the surface.
    for (const PlacedMark& m : marks) out.dot(page(m.at), Colour{1.0f, 1.0f, 1.0f}, 4.5f, true);
    for (const PlacedMark& m : marks) out.dot(page(m.at), colourOfMark(m.kind), 3.0f, true);
    if (!withText) return;
    const int width = page.width(), height = page.height();
    for (const PlacedMark& m : marks) {
        const PagePoint at = page(m.at);
        if (at.x < 0.0f || at.y < 0.0f || at.x > width || at.y > height) continue;
        // Beside the marker, not on it.
        addBitmapText(PagePoint{at.x + 7.0f, at.y - 4.0f, at.z}, m.label, colourOfMark(m.kind), width + 7, height + 4,
                      out);
    }
}

void collectAxesSymbol(const ViewSettings& s, int width, int height, bool withText, VectorScene& out) {
    Matrix4 frame = multiply(lookAtMatrix(), translationMatrix(Point3{s.axesPos[0] - 1.5, s.axesPos[1] - 1.0, s.axesPos[2]}));
    frame = scaled(turnedWithCamera(frame, s), s.axesScale, s.axesScale, s.axesScale);
    const PageProjection page(frame, width, height);
    const Colour colour = colourOf(s.axesColor);
    const LineStyle style{static_cast<float>(s.WID), s.axesPattern()};
    const PagePoint origin = page(Point3{0, 0, 0});
    out.line(origin, page(Point3{kAxisLength, 0, 0}), colour, style);
    out.line(origin, page(Point3{0, kAxisLength, 0}), colour, style);
    out.line(origin, page(Point3{0, 0, kAxisLength}), colour, style);

    const Matrix4 turns[3] = {
        multiply(multiply(frame, translationMatrix(Point3{kAxisLength, 0, 0})), rotationMatrix(90.0, Point3{0, 1, 0})),
        multiply(multiply(frame, translationMatrix(Point3{0, kAxisLength, 0})), rotationMatrix(-90.0, Point3{1, 0, 0})),
        multiply(frame, translationMatrix(Point3{0, 0, kAxisLength}))};
    const PageProjection screen(lookAtMatrix(), width, height);
    for (const Matrix4& turn : turns) collectCone(screen, turn, kConeRadius, kConeHeight, colour, out);


    if (!withText) return;
    for (size_t axis = 0; axis < 3; ++axis) {
        Matrix4 letter = multiply(frame, translationMatrix(Point3{kLetterPositions[axis][0], kLetterPositions[axis][1],
                                                                  kLetterPositions[axis][2]}));
        letter = scaled(cameraTurnUndone(letter, s), kNameTextScale, kNameTextScale, kNameTextScale);
        addOutlineText(screen.under(letter), s.axesVal[axis], colour, out);
    }
}

void collectTitleAndLabels(const ViewSettings& s, const DrawingBox& box, int width, int height, VectorScene& out) {
    const PageProjection screen(lookAtMatrix(), width, height);
    if (!s.TITLE.empty()) {
        const Matrix4 title = multiply(lookAtMatrix(), translationMatrix(titleOrigin(s)));
        addOutlineText(screen.under(scaled(title, kNameTextScale, kNameTextScale, 1.0)), s.TITLE, colourOf(s.STRINGCOLOR0),
                       out);
    }
    const Matrix4 turned = turnedWithCamera(lookAtMatrix(), s);
    for (int axis = 0; axis < 3; ++axis) {
        const auto index = static_cast<size_t>(axis);
        if (s.LABEL[index].empty()) continue;
        Matrix4 label = multiply(turned, translationMatrix(labelOrigin(s, axis, box.minimum[0], box.minimum[1])));
        label = multiply(cameraTurnUndone(label, s), rotationMatrix(s.labelAngle[index], Point3{0, 0, 1}));
        addOutlineText(screen.under(scaled(label, kNameTextScale, kNameTextScale, 1.0)), s.LABEL[index],
                       colourOf(s.labelColor[index]), out);
    }
}

} // namespace vellum
