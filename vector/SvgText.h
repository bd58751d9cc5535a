#pragma once
// Cairo writes the texts of an SVG as glyph shapes, which no viewer can select or search.
// The same texts go over them as invisible text elements in the same places.
#include "vector/CairoPainter.h"

#include <string>
#include <vector>

namespace vellum {

// The texts (valid UTF-8, as the painter gives them) as SVG text elements, fully
// transparent, in `family` one unit an em. Markup characters are escaped and control
// characters left out, so that no title makes the file unreadable.
std::string svgTextElements(const std::vector<PlacedText>& texts, const std::string& family);

// Puts `elements` before the closing tag of the SVG file at `path`. False when the file
// cannot be read or written, or has no closing tag.
bool insertIntoSvg(const std::string& path, const std::string& elements);

} // namespace vellum
