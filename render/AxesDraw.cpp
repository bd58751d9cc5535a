#include "render/AxesDraw.h"

#include "render/ColourMap.h"
#include "render/GlState.h"
#include "render/PrimitiveLists.h"
#include "render/TextRenderer.h"
#include "render/TitleDraw.h"
#include "render/TitleLayout.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {

namespace {

constexpr double kAxisLength = 0.3;
constexpr double kConeRadius = 0.02;
constexpr double kConeHeight = 0.05;
// Where each axis name stands: just past the line's end, a little off to the side.
constexpr std::array<std::array<double, 3>, 3> kLetterPositions{
    {{0.31, 0.04, 0.03}, {0.03, 0.31, 0.04}, {0.04, 0.03, 0.31}}};

} // namespace

void drawAxesSymbol(const ViewSettings& s, TextRenderer* text, PrimitiveLists& cones, double pixelRatio) {
    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    glPushMatrix();
    glTranslated(s.axesPos[0] - 1.5, s.axesPos[1] - 1.0, s.axesPos[2]);
    turnWithCamera(s);
    glScaled(s.axesScale, s.axesScale, s.axesScale);

    const Colour colour = colourOf(s.axesColor);
    glColor3f(colour.red, colour.green, colour.blue);
    setLineStyle(s.WID, s.axesPattern(), pixelRatio);
    glBegin(GL_LINES);
    glVertex3d(0, 0, 0), glVertex3d(kAxisLength, 0, 0);
    glVertex3d(0, 0, 0), glVertex3d(0, kAxisLength, 0);
    glVertex3d(0, 0, 0), glVertex3d(0, 0, kAxisLength);
    glEnd();

    for (size_t axis = 0; axis < 3 && text; ++axis) {
        glPushMatrix();
        glTranslated(kLetterPositions[axis][0], kLetterPositions[axis][1], kLetterPositions[axis][2]);
        undoCameraTurn(s);
        glScaled(kNameTextScale, kNameTextScale, kNameTextScale);
        text->drawCentredText(s.axesVal[axis]);
        glPopMatrix();
    }

    // Cones point along axis 3; the first two are turned onto their axes.
    glPushMatrix();
    glTranslated(kAxisLength, 0, 0);
    glRotated(90.0, 0.0, 1.0, 0.0);
    cones.drawCone(kConeRadius, kConeHeight);
    glPopMatrix();
    glPushMatrix();
    glTranslated(0, kAxisLength, 0);
    glRotated(-90.0, 1.0, 0.0, 0.0);
    cones.drawCone(kConeRadius, kConeHeight);
    glPopMatrix();
    glPushMatrix();
    glTranslated(0, 0, kAxisLength);
    cones.drawCone(kConeRadius, kConeHeight);
    glPopMatrix();

    glPopMatrix();
    glPopAttrib();
}

} // namespace vellum
