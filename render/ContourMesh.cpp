#include "render/ContourMesh.h"

#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "render/GraphGeometry.h"

namespace vellum {

ContourFill contourFillOf(int CONT, int hide) {
    if (CONT == 1) return ContourFill::bands;
    if (hide == 1) return ContourFill::white;
    return ContourFill::none;
}

void traceContours(const DataSet& dataSet, Ui& ui, const ContourRun& run, ContourSink& sink) {
    const ContourLevels levels(run.divisions);
    if (levels.empty() || run.column < 0) return;
    const auto column = static_cast<size_t>(run.column);
    if (column >= dataSet.columnMinimum.size() || column >= dataSet.columnRange.size()) return;
    const auto toLegend = LegendUnitMapping::make(dataSet.columnMinimum[column], dataSet.columnRange[column],
                                                  run.legendMin, run.legendMax);
    if (!toLegend) return;

    ProgressScope progress(ui, TX("等高線描画中"));
    progress.set(10);
    const size_t elementCount = dataSet.elements.size();
    const size_t quarter = elementCount > 4 ? elementCount / 4 : 0;
    if (quarter == 0) progress.set(80);
    int step = 0;

    // Under filled bands or a white fill the faces inside a solid are hidden, lines and
    // all; with lines alone they show through, so every face is traced.
    const bool skipCovered = run.fill != ContourFill::none && dataSet.anyFaceCovered();
    std::array<ContourCorner, 3> corners;
    std::array<std::array<int, 3>, 2> triangles;
    for (size_t e = 0; e < elementCount; ++e) {
        if (quarter != 0 && e % quarter == 0) progress.set(20 * step++);
        const ElementRecord& element = dataSet.elements[e];
        if (element.visible == 0.0) continue;
        const unsigned covered = skipCovered ? dataSet.coveredFacesOf(e) : 0u;
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
                    if (run.flat) corners[k].position[2] = run.flatZ;
                    corners[k].u = (*toLegend)(node.t);
                }
                if (usable) contourTriangle(levels, corners, run.fill, sink);
            }
        }
    }
    progress.set(100);
}

} // namespace vellum
