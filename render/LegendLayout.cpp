#include "render/LegendLayout.h"

#include "common/Codes.h"
#include "render/GridGeometry.h"
#include "common/TextNumber.h"
#include "settings/ViewSettings.h"

namespace vellum {
namespace {

constexpr int kGradientSlices = 10;

// Bar-frame geometry of one orientation: the bar runs along its length from `lengthLow`,
// its thickness spans [thicknessLow, thicknessLow + T].
struct Bar {
    bool horizontal;
    double length;
    double thickness;
    double lengthLow;
    double thicknessLow;

    // The bar-frame point at `fraction` of the length and `across` of the thickness.
    Point3 at(double fraction, double across) const {
        const double along = lengthLow + length * fraction;
        const double side = thicknessLow + thickness * across;
        return horizontal ? Point3{along, side, 0.0} : Point3{side, along, 0.0};
    }
    // A slice from fraction a to b, its low edge in value va and its high edge in vb.
    LegendQuad slice(double a, double b, double va, double vb) const {
        return LegendQuad{{at(a, 0), at(a, 1), at(b, 1), at(b, 0)}, {va, va, vb, vb}};
    }
};

} // namespace

LegendLayout layoutLegend(const ViewSettings& s) {
    LegendLayout layout;
    if (s.legendOn[0] != 1 || s.MODE < kGraphGradation || s.MODE > kGraphVectors) return layout;
    layout.shown = true;

    const double p1 = s.legendPos[0], p2 = s.legendPos[1], p3 = s.legendPos[2];
    const double thickness = s.legendScale[0];
    const double length = s.legendScale[1];
    const bool horizontal = s.legendOn[1] == 1;

    // Values: NUM + 1 texts from MIN to MAX; with no steps, MIN alone at the low end.
    const int num = s.legendNum;
    if (num <= kMaxDivisionsPerAxis) {
        const int steps = num < 1 ? 0 : num;
        for (int k = 0; k <= steps; ++k) {
            const double fraction = steps == 0 ? 0.0 : static_cast<double>(k) / steps;
            const double value = steps == 0 ? s.MIN : s.MIN + k * (s.MAX - s.MIN) / steps;
            const double along = -length / 2 + length * fraction;
            const Point3 anchor = horizontal ? Point3{p2 + along, p1 - (thickness + 1.08), p3}
                                              : Point3{p1 + thickness + 1.55, p2 + along, p3};
            layout.values.push_back({anchor, formatValueText(s.legendFormat(), value)});
        }
    }

    const Bar bar = horizontal ? Bar{true, length, thickness, -length / 2, -thickness}
                               : Bar{false, length, thickness, -length / 2, 0.0};
    layout.barOrigin = horizontal ? Point3{p2, p1 - 1.0, p3} : Point3{p1 + 1.5, p2, p3};
    layout.barOutline = {bar.at(0, 0), bar.at(0, 1), bar.at(1, 1), bar.at(1, 0)};

    if (s.MODE != kGraphContour) {
        for (int k = 0; k < kGradientSlices; ++k)
            layout.quads.push_back(bar.slice(k / 10.0, (k + 1) / 10.0, k * 0.1, (k + 1) * 0.1));
        return layout;
    }
    const int n = s.graph.CONTNUM;
    if (n < 1 || n > kMaxContourDivisions) return layout; // as the contours themselves
    if (s.graph.CONT == 1) {
        for (int k = 0; k < n; ++k) {
            const double value = static_cast<double>(k + 1) / n;
            layout.quads.push_back(bar.slice(static_cast<double>(k) / n, value, value, value));
        }
    } else {
        for (int i = 0; i <= n; ++i) {
            const double fraction = static_cast<double>(i) / n;
            layout.lines.push_back({bar.at(fraction, 0), bar.at(fraction, 1), fraction});
        }
    }
    return layout;
}

} // namespace vellum
