#include "model/ViewInteraction.h"

#include "common/CameraScale.h"
#include "common/Codes.h"
#include "model/Document.h"

#include <cmath>
#include <cstdlib>

namespace vellum {
namespace {

constexpr int kLargestDragStep = 29;
constexpr double kMoveStep = 0.01; // world units per pixel of a drag

// Angles keep their 1800 offset; one far from the int limits (from a file) is taken
// modulo 360 first, so a step can never overflow.
void turn(int& angle, int step) {
    if (angle > 1'000'000'000 || angle < -1'000'000'000) angle %= 360;
    angle += step;
}

void move(std::array<double, 3>& position, int dx, int dy) {
    position[0] += kMoveStep * dx;
    position[1] -= kMoveStep * dy;
}

// The graph kind after key S: the next of the five, skipping what the data cannot show.
int nextGraphKind(int mode, int dataType) {
    int next = (mode + 1) % 5;
    if (next < 0) next += 5;
    switch (dataType) {
    case kNodeValues: return next == kGraphVectors ? kGraphWireframe : next;
    case kElementValues: return next == kGraphGradation ? next : kGraphWireframe;
    case kVectorData: return next;
    default: return kGraphWireframe;
    }
}

} // namespace

bool applyDrag(ViewSettings& look, int mouseMode, int dx, int dy) {
    if (std::abs(dx) > kLargestDragStep || std::abs(dy) > kLargestDragStep) return false;
    switch (mouseMode) {
    case 0:
        turn(look.DIGREE[0], dy);
        turn(look.DIGREE[1], dx);
        break;
    case 1: turn(look.DIGREE[2], dx); break;
    case 2: move(look.POSITION, dx, dy); break;
    case 3: look.SCALE123 += kMoveStep * dy; break;
    case 4: move(look.legendPos, dx, dy); break;
    case 5:
        look.legendScale[0] += kMoveStep * dy;
        look.legendScale[1] += kMoveStep * dy;
        break;
    case 6: move(look.axesPos, dx, dy); break;
    case 7: look.axesScale += kMoveStep * dy; break;
    case 8: case 9: case 10: move(look.gridValuePos[static_cast<size_t>(mouseMode - 8)], dx, dy); break;
    case 11:
        look.TITLEPOS[0] += kMoveStep * dx;
        look.TITLEPOS[1] -= kMoveStep * dy;
        break;
    case 12: case 13: case 14: move(look.labelPos[static_cast<size_t>(mouseMode - 12)], dx, dy); break;
    default: break;
    }
    return true;
}

bool zoomToSelection(ViewSettings& look, int width, int height, int ax, int ay, int x, int y) {
    const int dx = x - ax;
    const int dy = y - ay;
    if (dx == 0 || dy == 0 || width <= 0 || height <= 0) return false;
    // At a zero overall scale a pixel stands for no distance: the move would be infinite
    // and would be written to every look file after it.
    if (look.SCALE123 == 0.0 || !std::isfinite(look.SCALE123)) return false;
    // Whole-number divisions truncate towards zero, as the centre of the area is counted.
    const int cx = (ax + x) / 2 - width / 2;
    const int cy = (ay + y) / 2 - height / 2;
    // The camera's own scale, so the point under the selection's centre lands in the middle
    // of the area at every window size.
    const double unitsPerPixel = positionPerPixel(look.SCALE123);
    look.POSITION[0] -= cx * unitsPerPixel;
    look.POSITION[1] += cy * unitsPerPixel;
    const int ratio = width / height;
    if (static_cast<long long>(dy) * ratio <= dx) look.SCALE123 *= static_cast<double>(width) / std::abs(dx);
    else look.SCALE123 *= static_cast<double>(height) / std::abs(dy);
    look.mouseMode = 0;
    return true;
}

bool applyKey(Document& document, ViewKey key, Ui& ui) {
    if (document.loaded != 1) return false; // nothing to turn on an empty view
    ViewSettings& look = document.look;
    switch (key) {
    case ViewKey::W: turn(look.DIGREE[0], 1); return true;
    case ViewKey::X: turn(look.DIGREE[0], -1); return true;
    case ViewKey::D: turn(look.DIGREE[1], 1); return true;
    case ViewKey::A: turn(look.DIGREE[1], -1); return true;
    case ViewKey::Q: turn(look.DIGREE[2], 1); return true;
    case ViewKey::C: turn(look.DIGREE[2], -1); return true;
    case ViewKey::E: look.SCALE123 += 0.01; return true;
    case ViewKey::Z: look.SCALE123 -= 0.01; return true;
    case ViewKey::Left: look.POSITION[0] -= 0.01; return true;
    case ViewKey::Right: look.POSITION[0] += 0.01; return true;
    case ViewKey::Up: look.POSITION[1] += 0.01; return true;
    case ViewKey::Down: look.POSITION[1] -= 0.01; return true;
    case ViewKey::R: return true;
    case ViewKey::G: {
        // The plain maps come first, then the inverted ones; code 21 is never reached.
        const int code = (look.colorMode + 2) % 21;
        look.colorMode = code < 0 ? code + 21 : code;
        return true;
    }
    case ViewKey::S: look.MODE = nextGraphKind(look.MODE, document.options.dataType); return true;
    case ViewKey::M:
    case ViewKey::N: {
        const int dataType = document.options.dataType;
        const int columns = static_cast<int>(document.dataSet.columnCount);
        if ((dataType != kNodeValues && dataType != kElementValues) || columns <= 0) return true;
        const int column = look.selectedColumn;
        const int next = key == ViewKey::M ? (column + 1) % columns : (column - 1 + columns) % columns;
        document.SelectColumn(ui, next < 0 ? 0 : next);
        return true;
    }
    }
    return false;
}

} // namespace vellum
