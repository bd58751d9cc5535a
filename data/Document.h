#pragma once
// The document: the one data set with its files, and the look values kept beside it.
#include "data/DataSet.h"
#include "data/Normalise.h"
#include "settings/ViewSettings.h"

namespace vellum {

class Ui;

// What the person chose in the file-open dialog, besides the files.
struct LoadOptions {
    int shape = 0;    // 0 two-dimensional shape, 1 three-dimensional shape
    int dataType = 0; // 0 node values, 1 element values, 2 vector data, 3 no data file
    int autoMesh = 0; // 1: build the elements from the nodes instead of an element file
    int polar = 0;    // node coordinates 1 and 2 are radius and angle
    int radians = 0;  // polar angles in radians rather than degrees
};

class Document {
public:
    DataSet dataSet;
    ViewSettings look;

    // The load sequence: nodes, elements (read or built), polar conversion, extents, data
    // rows and their statistics, normalisation and faces, from the files named in
    // dataSet.files; on success the section box becomes the node extents. `normalise` carries the view's look values (DIM, scales, vector
    // length) as they are after the reset before a load; the data type and the column
    // are set here. Returns 0, or 1 after the failing step's message and, where the step
    // has one, the sequence's own second message.
    int Load(Ui& ui, const LoadOptions& options, NormaliseInputs normalise);
};

} // namespace vellum
