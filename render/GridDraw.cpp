#include "render/GridDraw.h"

#include "data/DataSet.h"
#include "render/ColourMap.h"
#include "render/GlState.h"
#include "render/SceneContext.h"
#include "render/TextRenderer.h"
#include "settings/ViewSettings.h"

#include <GL/gl.h>

namespace vellum {

// The division lines go to OpenGL straight from their array.
static_assert(sizeof(Segment3) == 6 * sizeof(double));

GridKey gridKeyOf(const SceneContext& scene) {
    const ViewSettings& s = scene.settings;
    GridKey k;
    k.revision = scene.dataSet.revision();
    k.dataType = scene.state.dataType;
    k.dim = s.DIM;
    k.column = s.selectedColumn;
    k.box = scene.box;
    k.on = s.gridOn;
    k.count = s.gridNum;
    k.valuesOn = s.gridVal;
    k.valueStyle = s.VALSTYLE;
    k.valueDigits = s.VALSHO;
    k.overGridBox = s.GRIDDEV;
    k.byValue = s.DIVISIONLINESTYLE;
    k.step = s.DIVISIONLINEVALUE;
    k.divisionRange = s.divisionRange;
    k.gridSize = s.gridSize;
    k.valueShift = s.gridValuePos;
    return k;
}

bool GridLayer::prepare(const SceneContext& scene) {
    GridKey key = gridKeyOf(scene);
    if (keyed_ && key == key_) return false;
    key_ = key;
    keyed_ = true;
    picture_ = gridPictureOf(scene.dataSet, scene.settings, scene.state.dataType, scene.box);
    return true;
}

void GridLayer::draw(const SceneContext& scene, TextRenderer* text) {
    prepare(scene);
    const ViewSettings& s = scene.settings;
    glPushAttrib(GL_LINE_BIT | GL_CURRENT_BIT);
    setColour(colourOf(s.COLOR2));
    setLineStyle(s.DWID2, s.style2Pattern(), scene.pixelRatio);
    if (!picture_.divisions.empty()) {
        ClientArrays arrays(false);
        glVertexPointer(3, GL_DOUBLE, 0, picture_.divisions.data());
        glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(picture_.divisions.size() * 2));
    }

    setColour(colourOf(s.gridColor));
    setLineStyle(s.DWID, s.gridPattern(), scene.pixelRatio);
    for (const auto& outline : picture_.outlines) {
        glBegin(GL_LINE_LOOP);
        for (const Point3& corner : outline) glVertex3d(corner[0], corner[1], corner[2]);
        glEnd();
    }

    if (text) {
        const Colour textColour = colourOf(s.gridStringColor);
        for (const GridValueText& value : picture_.values) {
            setColour(textColour);
            text->setRasterPosition(value.anchor[0], value.anchor[1], value.anchor[2]);
            text->drawBitmapText(value.text);
        }
    }
    glPopAttrib();
}

} // namespace vellum
