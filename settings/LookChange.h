#pragma once
// What a change of the look record asks for: a repaint only, or first new drawing
// coordinates and faces. The camera, colours, grid and every decoration are drawn from
// the record as it is; only the inputs of the normalisation and the face building change
// the data set's drawing data.
#include "settings/ViewSettings.h"

namespace vellum {

struct LookChange {
    bool any = false;         // something differs: repaint
    bool drawingData = false; // normalise and build the faces again before painting
};

LookChange compareLooks(const ViewSettings& before, const ViewSettings& after);

} // namespace vellum
