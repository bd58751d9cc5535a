#include "render/DragOutline.h"

#include "render/GlState.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>

#include <cmath>
#include <utility>

namespace vellum {
namespace {

void drawIndices(GLenum mode, const std::vector<uint32_t>& indices) {
    if (!indices.empty()) glDrawElements(mode, static_cast<GLsizei>(indices.size()), GL_UNSIGNED_INT, indices.data());
}

} // namespace

void DragOutline::keepNodeOutline(std::vector<float> nodePositions, std::vector<uint32_t> segments) {
    release();
    positions_ = std::move(nodePositions);
    segments_ = std::move(segments);
    built_ = true;
}

void DragOutline::keepOwnVertices(const ColouredVertices& lines) {
    release();
    positions_ = lines.positions;
    ownPositions_.store(GlBuffer::Kind::vertices, lines.positions);
    ownColours_.store(GlBuffer::Kind::vertices, lines.colours);
    ownVertices_ = true;
    built_ = true;
}

void DragOutline::draw(const GlBuffer* nodePositions, const GlBuffer* nodeColours, uint16_t linePattern) {
    if (!built_ || (!ownVertices_ && !nodePositions)) return;
    const WindowMapping mapping = currentWindowMapping();
    GLfloat lineWidth = 1.0f;
    glGetFloatv(GL_LINE_WIDTH, &lineWidth);
    PixelFitting fitting;
    fitting.width = mapping.viewport[2];
    fitting.height = mapping.viewport[3];
    fitting.margin = 0.5f * std::fmax(lineWidth, 1.0f);
    fitting.shortSegmentsShow = (linePattern & 1u) != 0;
    toWindow(positions_, mapping, windowXy_);
    fitOutlineToPixels(windowXy_, segments_, fitting, fitted_, cells_);

    const GlBuffer* positions = ownVertices_ ? &ownPositions_ : nodePositions;
    const GlBuffer* colours = ownVertices_ ? &ownColours_ : nodeColours;
    ClientArrays arrays(colours != nullptr);
    unbindGlBuffers(); // the index lists below are in memory
    glVertexPointer(3, GL_FLOAT, 0, positions->bind());
    if (colours) glColorPointer(3, GL_FLOAT, 0, colours->bind());
    drawIndices(GL_LINES, fitted_.lines);
    // A point as wide as the line lights the pixel a short segment would.
    glPointSize(lineWidth);
    drawIndices(GL_POINTS, fitted_.points);
}

void DragOutline::release() {
    ownPositions_.release();
    ownColours_.release();
    positions_ = {};
    segments_ = {};
    windowXy_ = {};
    cells_ = {};
    fitted_ = {};
    ownVertices_ = false;
    built_ = false;
}

} // namespace vellum
