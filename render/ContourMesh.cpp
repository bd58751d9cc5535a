#include "render/ContourMesh.h"

#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "render/GraphGeometry.h"

#include <future>
#include <optional>

namespace vellum {

ContourFill contourFillOf(int CONT, int hide) {
    if (CONT == 1) return ContourFill::bands;
    if (hide == 1) return ContourFill::white;
    return ContourFill::none;
}

namespace {

// What every face traced in a run shares.
struct TraceSetup {
    ContourLevels levels;
    LegendUnitMapping toLegend;
    bool skipCovered = false;
};

// The levels and the legend mapping of a run; nothing when nothing is to be traced.
std::optional<TraceSetup> traceSetupOf(const DataSet& dataSet, const ContourRun& run) {
    ContourLevels levels(run.divisions);
    if (levels.empty() || run.column < 0) return std::nullopt;
    const auto column = static_cast<size_t>(run.column);
    if (column >= dataSet.columnMinimum.size() || column >= dataSet.columnRange.size()) return std::nullopt;
    const auto toLegend = LegendUnitMapping::make(dataSet.columnMinimum[column], dataSet.columnRange[column],
                                                  run.legendMin, run.legendMax);
    if (!toLegend) return std::nullopt;
    // Under filled bands or a white fill the faces inside a solid are hidden, lines and
    // all; with lines alone they show through, so every face is traced.
    const bool skipCovered = run.fill != ContourFill::none && dataSet.anyFaceCovered();
    return TraceSetup{std::move(levels), *toLegend, skipCovered};
}

// Feeds the triangles of the visible faces of elements [first, last) to the sink; calls
// `reached(e)` before element e.
template <class Reached>
void traceElements(const DataSet& dataSet, const ContourRun& run, const TraceSetup& setup, size_t first, size_t last,
                   ContourSink& sink, Reached reached) {
    std::array<ContourCorner, 3> corners;
    std::array<std::array<int, 3>, 2> triangles;
    for (size_t e = first; e < last; ++e) {
        reached(e);
        const ElementRecord& element = dataSet.elements[e];
        if (element.visible == 0.0) continue;
        const unsigned covered = setup.skipCovered ? dataSet.coveredFacesOf(e) : 0u;
        for (size_t f = 0; f < element.faceCount; ++f) {
            if ((covered >> f & 1u) != 0) continue;
            const FacePattern* face = elementFace(element, f);
            if (!face) continue;
            const int triangleCount = splitFaceIntoTriangles(face->count, triangles);
            for (int t = 0; t < triangleCount; ++t) {
                bool usable = true;
                for (size_t k = 0; k < 3; ++k) {
                    const uint8_t position = face->positions[static_cast<size_t>(triangles[static_cast<size_t>(t)][k])];
                    if (element.nodes[position] >= dataSet.nodes.size()) {
                        usable = false;
                        break;
                    }
                    const NodeRecord& node = dataSet.nodes[element.nodes[position]];
                    corners[k].position = node.position;
                    corners[k].node = element.nodes[position];
                    if (run.flat) {
                        corners[k].position[2] = run.flatZ;
                        corners[k].node = kNoNode; // lies elsewhere than its node
                    }
                    corners[k].u = setup.toLegend(node.t);
                }
                if (usable) contourTriangle(setup.levels, corners, run.fill, sink);
            }
        }
    }
}

// The bar at 0, 20, 40 and 60 as the quarters of `count` elements are reached.
class QuarterProgress {
public:
    QuarterProgress(ProgressScope& progress, size_t count)
        : progress_(progress), quarter_(count > 4 ? count / 4 : 0) {
        if (quarter_ == 0) progress_.set(80);
    }
    void operator()(size_t e) {
        if (quarter_ != 0 && e % quarter_ == 0) progress_.set(20 * step_++);
    }

private:
    ProgressScope& progress_;
    size_t quarter_;
    int step_ = 0;
};

} // namespace

void traceContours(const DataSet& dataSet, Ui& ui, const ContourRun& run, ContourSink& sink) {
    const std::optional<TraceSetup> setup = traceSetupOf(dataSet, run);
    if (!setup) return;
    ProgressScope progress(ui, TX("等高線描画中"));
    progress.set(10);
    const size_t elementCount = dataSet.elements.size();
    traceElements(dataSet, run, *setup, 0, elementCount, sink, QuarterProgress(progress, elementCount));
    progress.set(100);
}

void traceContoursInTwo(const DataSet& dataSet, Ui& ui, const ContourRun& run, ContourSink& first,
                        ContourSink& second) {
    const std::optional<TraceSetup> setup = traceSetupOf(dataSet, run);
    if (!setup) return;
    ProgressScope progress(ui, TX("等高線描画中"));
    progress.set(10);
    const size_t elementCount = dataSet.elements.size();
    const size_t middle = elementCount / 2;
    // The future waits for the second half however the first ends, and hands on what the
    // second half threw.
    std::future<void> secondHalf = std::async(std::launch::async, [&] {
        traceElements(dataSet, run, *setup, middle, elementCount, second, [](size_t) {});
    });
    traceElements(dataSet, run, *setup, 0, middle, first, QuarterProgress(progress, middle));
    secondHalf.get();
    progress.set(100);
}

} // namespace vellum
