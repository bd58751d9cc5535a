#pragma once
// One request for a picture, whichever kind of file it goes to: a vector picture takes
// the area, scale, background, data, text and pins of the off-screen picture asked for.
// Smoothing means nothing to lines and faces that are drawn exactly.
#include "render/OffscreenPicture.h"
#include "vector/VectorPicture.h"

namespace vellum {

inline VectorRequest vectorRequestOf(const OffscreenRequest& picture) {
    VectorRequest request;
    request.width = picture.width;
    request.height = picture.height;
    request.scale = picture.scale;
    request.transparent = picture.transparent;
    request.dataSet = picture.dataSet;
    request.state = picture.state;
    request.withText = picture.withText;
    request.font = picture.font;
    request.pins = picture.pins;
    return request;
}

} // namespace vellum
