#include "model/StatusTexts.h"

#include "common/Numbers.h"
#include "common/Texts.h"
#include "data/DataSet.h"
#include "settings/ViewSettings.h"

namespace vellum {

StatusPanes statusPanesFor(const ViewSettings& settings, const DataSet& dataSet, int dataType) {
    StatusPanes panes;
    const auto& p = settings.POSITION;
    panes.translation = formatC("%4.2f/%4.2f/%4.2f", p[0], p[1], p[2]);
    const auto& s = settings.SCALE;
    panes.scale = formatC("%4.2f[%4.2f/%4.2f/%4.2f]", settings.SCALE123, s[0], s[1], s[2]);
    panes.rotation = formatC("%3d/%3d/%3d", settings.degrees(0), settings.degrees(1), settings.degrees(2));
    switch (dataType) {
    case 0:
    case 1: panes.column = formatC("%d/-/-", settings.selectedColumn + 1); break;
    case 2: {
        const auto& v = dataSet.vectorColumns;
        panes.column = formatC("%d/%d/%d", v[0] + 1, v[1] + 1, v[2] + 1);
        break;
    }
    default: panes.column = "-/-/-"; break;
    }
    return panes;
}

// Source texts: the window translates the captions where it shows them.
StatusPanes statusPaneCaptions() { return StatusPanes{TX("平行位置"), TX("拡大率"), TX("回転角"), TX("ﾃﾞｰﾀ列")}; }

} // namespace vellum
