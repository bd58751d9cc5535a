#include "vector/SceneCollector.h"

#include "settings/ViewSettings.h"

namespace vellum {

void collectScene(const SceneContext& c, const CollectRequest& request, VectorScene& out, Ui& ui) {
    const ViewSettings& s = c.settings;
    const int width = request.width, height = request.height;

    // Layers in the renderer's order; the graph and the axes symbol hide by depth.
    out.beginLayer(false);
    // A wireframe without data has nothing for a legend to explain.
    if (s.legendOn[0] == 1 && !(s.MODE == kGraphWireframe && c.state.dataType == kNoDataFile))
        collectLegend(s, width, height, request.withText, out);

    out.beginLayer(true);
    out.divertTo(request.bodyRaster);
    const PageProjection page(graphMatrix(s.DIGREE, s.POSITION, s.SCALE123), width, height);
    auto collectPass = [&](const GraphPass& pass) {
        collectBodyUnderContours(c, pass, page, out);
        if (contoursShown(c, pass)) collectContours(c, pass, page, out, ui);
        collectBodyOverContours(c, pass, page, out);
    };
    if (projectionShown(c)) collectPass(projectionPassOf(s, c.box));
    collectPass(graphPassOf(s));
    collectGrid(c, page, request.withText, out);

    // Probe marks stand over everything of the graph.
    out.beginLayer(false);
    if (request.pins) collectProbeMarks(c, *request.pins, page, request.withText, out);
    else collectProbeMarks(c, {}, page, request.withText, out);

    if (s.axesOn == 1) {
        out.beginLayer(true);
        collectAxesSymbol(s, width, height, request.withText, out);
    }
    if (request.withText) {
        out.beginLayer(false);
        collectTitleAndLabels(s, c.box, width, height, out);
    }
}

} // namespace vellum
