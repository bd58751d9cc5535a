#include "render/TitleDraw.h"

#include "render/ColourMap.h"
#include "render/TextRenderer.h"
#include "render/TitleLayout.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {
namespace {

void drawName(const std::string& name, const RGBColor& colour, TextRenderer& text) {
    const Colour c = colourOf(colour);
    glColor3f(c.red, c.green, c.blue);
    glScaled(kNameTextScale, kNameTextScale, 1.0);
    text.drawCentredText(name);
}

} // namespace

void turnWithCamera(const ViewSettings& s) {
    glRotated(s.degrees(0), 1.0, 0.0, 0.0);
    glRotated(s.degrees(1), 0.0, 1.0, 0.0);
    glRotated(s.degrees(2), 0.0, 0.0, 1.0);
}

void undoCameraTurn(const ViewSettings& s) {
    glRotated(-s.degrees(2), 0.0, 0.0, 1.0);
    glRotated(-s.degrees(1), 0.0, 1.0, 0.0);
    glRotated(-s.degrees(0), 1.0, 0.0, 0.0);
}

void drawTitleAndAxisLabels(const ViewSettings& s, TextRenderer& text, double gridLowX, double gridLowY) {
    glPushAttrib(GL_CURRENT_BIT);
    if (!s.TITLE.empty()) {
        glPushMatrix();
        const Point3 origin = titleOrigin(s);
        glTranslated(origin[0], origin[1], origin[2]);
        drawName(s.TITLE, s.STRINGCOLOR0, text);
        glPopMatrix();
    }

    glPushMatrix();
    turnWithCamera(s);
    for (int axis = 0; axis < 3; ++axis) {
        const auto index = static_cast<size_t>(axis);
        if (s.LABEL[index].empty()) continue;
        glPushMatrix();
        const Point3 origin = labelOrigin(s, axis, gridLowX, gridLowY);
        glTranslated(origin[0], origin[1], origin[2]);
        // Face the viewer again, then turn by the label's own angle on the screen.
        undoCameraTurn(s);
        glRotated(s.labelAngle[index], 0.0, 0.0, 1.0);
        drawName(s.LABEL[index], s.labelColor[index], text);
        glPopMatrix();
    }
    glPopMatrix();
    glPopAttrib();
}

} // namespace vellum
