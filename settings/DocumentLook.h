#pragma once
// The look values the document holds next to the data set, so that the colour
// function, the settings file and the settings sheet all see one value.
#include "common/RGBColor.h"

namespace vellum {

struct DocumentLook {
    RGBColor ORIGN1{0, 0, 0};
    RGBColor ORIGN2{128, 128, 128};
    RGBColor ORIGN3{255, 255, 255};
    double MAX = 0.0;
    double MIN = 0.0;
    int RECTSCALE = 0;   // copy of the view's value, updated whenever it is set
    int contourFlag = 0; // set while contours are drawn: values are legend units
};

} // namespace vellum
