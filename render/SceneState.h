#pragma once
// What kind of graph is loaded: the data type and the shape choice. Never stored in a
// settings file; the document knows it from the last load.
#include "common/Codes.h"

namespace vellum {

struct SceneState {
    int dataType = kNoDataFile; // kNodeValues, kElementValues, kVectorData or kNoDataFile
    int shape = kSheetShape;    // kSheetShape or kSolidShape

    friend bool operator==(const SceneState&, const SceneState&) = default;
};

} // namespace vellum
