#include "render/ProbeMarksDraw.h"

#include "render/ProbePicker.h"
#include "render/TextRenderer.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {
namespace {

// Marker colours: pins black, the largest value red, the smallest blue.
void setMarkColour(PlacedMark::Kind kind) {
    switch (kind) {
    case PlacedMark::Kind::Pin: glColor3f(0.0f, 0.0f, 0.0f); return;
    case PlacedMark::Kind::Maximum: glColor3f(0.85f, 0.0f, 0.0f); return;
    case PlacedMark::Kind::Minimum: glColor3f(0.0f, 0.0f, 0.85f); return;
    }
}

} // namespace

std::vector<PlacedMark> placeProbeMarks(const SceneContext& c, const std::vector<ProbeMark>& pins) {
    std::vector<PlacedMark> marks;
    for (const ProbeMark& pin : pins)
        marks.push_back({probeMarkPoint(c.dataSet, c.settings, c.state, pin.target), pin.label, PlacedMark::Kind::Pin});
    if (c.settings.showExtremes != 0) {
        const Extremes e = findExtremes(c.dataSet, c.state.dataType, c.settings.selectedColumn);
        if (e.maximum.found) {
            marks.push_back({probeMarkPoint(c.dataSet, c.settings, c.state, e.maximum.target),
                             extremeLabelText(e.maximum, true, c.state.dataType, c.settings), PlacedMark::Kind::Maximum});
            marks.push_back({probeMarkPoint(c.dataSet, c.settings, c.state, e.minimum.target),
                             extremeLabelText(e.minimum, false, c.state.dataType, c.settings), PlacedMark::Kind::Minimum});
        }
    }
    return marks;
}

void drawProbeMarks(const SceneContext& c, const std::vector<ProbeMark>& pins, TextRenderer* text) {
    const std::vector<PlacedMark> marks = placeProbeMarks(c, pins);
    if (marks.empty()) return;
    glDisable(GL_DEPTH_TEST);
    const auto ratio = static_cast<float>(c.pixelRatio);
    // A white ring round a coloured square shows on any colour of the surface.
    for (const bool ring : {true, false}) {
        glPointSize((ring ? 9.0f : 6.0f) * ratio);
        glBegin(GL_POINTS);
        for (const PlacedMark& m : marks) {
            if (ring) glColor3f(1.0f, 1.0f, 1.0f);
            else setMarkColour(m.kind);
            glVertex3d(m.at[0], m.at[1], m.at[2]);
        }
        glEnd();
    }
    glPointSize(1.0f);
    if (text) {
        for (const PlacedMark& m : marks) {
            setMarkColour(m.kind);
            text->setRasterPosition(m.at[0], m.at[1], m.at[2]);
            // Beside the marker, not on it.
            glBitmap(0, 0, 0.0f, 0.0f, 7.0f * ratio, 4.0f * ratio, nullptr);
            text->drawBitmapText(m.label);
        }
    }
    glEnable(GL_DEPTH_TEST);
}

} // namespace vellum
