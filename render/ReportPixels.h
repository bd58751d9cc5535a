#pragma once
// The pixel work of report pictures, done on the CPU after OpenGL has drawn: pieces
// drawn as tiles put together, supersampled pictures reduced, and the background taken
// out of a picture drawn for transparency.
#include "render/RgbImage.h"
#include "common/RGBColor.h"

namespace vellum {

// Copies `tile` into `picture` with the tile's top left pixel at (x, y) of the picture
// (top row first in both); the alpha plane goes along when both have one.
void pasteTile(RgbaImage& picture, const RgbaImage& tile, int x, int y);

// Each `factor` x `factor` block becomes its mean: smooth edges from a picture drawn
// `factor` times larger. The sides must be multiples of `factor`.
RgbaImage reduceByFactor(const RgbaImage& image, int factor);

// A picture drawn over `background` with its coverage in the alpha plane (0 where only
// the background shows) becomes the graph's own colours: colour = (drawn - (1 - a) x
// background) / a, so that a partly covered edge pixel composites back to what was drawn.
// Pixels of alpha 0 take the background colour.
void separateFromBackground(RgbaImage& image, const RGBColor& background);

} // namespace vellum
