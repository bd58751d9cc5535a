#include "render/LegendDraw.h"

#include "render/ColourMap.h"
#include "render/GlState.h"
#include "render/LegendLayout.h"
#include "render/TextRenderer.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {
namespace {

void vertex(const Point3& p) { glVertex3d(p[0], p[1], p[2]); }

} // namespace

void drawLegendBar(const ViewSettings& settings, TextRenderer* text, double pixelRatio) {
    const LegendLayout legend = layoutLegend(settings);
    if (!legend.shown) return;
    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);

    const Colour textColour = colourOf(settings.legendStringColor);
    if (text) {
        for (const LegendText& value : legend.values) {
            setColour(textColour);
            text->setRasterPosition(value.anchor[0], value.anchor[1], value.anchor[2]);
            text->drawBitmapText(value.text);
        }
    }

    glPushMatrix();
    glTranslated(legend.barOrigin[0], legend.barOrigin[1], legend.barOrigin[2]);
    glColor3f(0.0f, 0.0f, 0.0f);
    setLineStyle(1.0, 0xFFFF, pixelRatio);
    glBegin(GL_LINE_LOOP);
    for (const Point3& corner : legend.barOutline) vertex(corner);
    glEnd();

    // The bar shows the map itself: values are used as they are, not placed in MIN..MAX.
    const UserColours& look = settings.userColours;
    auto setColour = [&](double value) {
        const Colour c = colourForCode(settings.colorMode, value, look);
        glColor3f(c.red, c.green, c.blue);
    };
    glBegin(GL_QUADS);
    for (const LegendQuad& quad : legend.quads) {
        for (size_t k = 0; k < 4; ++k) {
            setColour(quad.values[k]);
            vertex(quad.corners[k]);
        }
    }
    glEnd();
    if (!legend.lines.empty()) {
        setLineStyle(kLegendLevelLineWidth, 0xFFFF, pixelRatio);
        glBegin(GL_LINES);
        for (const LegendLine& line : legend.lines) {
            setColour(line.value);
            vertex(line.from);
            vertex(line.to);
        }
        glEnd();
    }
    glPopMatrix();
    glPopAttrib();
}

} // namespace vellum
