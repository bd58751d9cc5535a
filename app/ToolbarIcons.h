#pragma once
// The toolbar's pictures: one small glyph per command, drawn rather than shipped.
#include <QIcon>

namespace vellum {

QIcon toolbarIcon(int commandId);

// The program's own icon, for the window and the about box.
QIcon programIcon();

} // namespace vellum
