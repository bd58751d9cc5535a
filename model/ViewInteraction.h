#pragma once
// Turning, moving and zooming the graph and its decorations with the mouse and the keys,
// as arithmetic on the look record. The view turns Qt's events into these calls.
#include "settings/ViewSettings.h"

namespace vellum {

class Document;
class Ui;

// A left-button drag step of (dx, dy) window pixels (x right, y down) in mouse mode
// 0..14. Steps of 30 pixels or more in either direction are taken for jumps and change
// nothing; false then. Mode 15 (the selection zoom) changes nothing while dragging.
bool applyDrag(ViewSettings& look, int mouseMode, int dx, int dy);

// The zoom to the selection from the anchor (ax, ay) to the release point (x, y) in a
// drawing area of width x height pixels: the selection's centre moves to the middle and
// its larger side fills the area. A selection without width or height would zoom without
// end, and at an overall scale of 0 the move would; such a selection is ignored (false),
// and mode 15 stays chosen. On success the mode becomes 0.
bool zoomToSelection(ViewSettings& look, int width, int height, int ax, int ay, int x, int y);

enum class ViewKey { W, X, D, A, Q, C, E, Z, Left, Right, Up, Down, R, G, S, M, N };

// A key pressed on the view: true when a graph is loaded and the key is one of the view's
// (the caller then sets the dragging flag and repaints); an empty view changes nothing.
// M and N choose the next or previous data column of node or element values and rebuild
// the drawing data for it.
bool applyKey(Document& document, ViewKey key, Ui& ui);

} // namespace vellum
