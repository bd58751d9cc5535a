#include "render/GlState.h"

#include "render/ColourMap.h"
#include "render/GlBuffer.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace vellum {
namespace {

bool versionAtLeast(int wantMajor, int wantMinor) {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) return false;
    return major > wantMajor || (major == wantMajor && minor >= wantMinor);
}

} // namespace

GlStateScope::GlStateScope() {
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glPushClientAttrib(GL_CLIENT_ALL_ATTRIB_BITS);
    // Read back rather than pushed: the projection stack may be only two deep.
    glGetDoublev(GL_PROJECTION_MATRIX, projection_.data());
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView_.data());
    buffers_ = versionAtLeast(1, 5);
    if (buffers_) {
        glGetIntegerv(GL_ARRAY_BUFFER_BINDING, &arrayBuffer_);
        glGetIntegerv(GL_ELEMENT_ARRAY_BUFFER_BINDING, &elementBuffer_);
        unbindGlBuffers();
    }
    // Arrays the window left switched on would be read by every draw here.
    for (const GLenum array : {GL_NORMAL_ARRAY, GL_TEXTURE_COORD_ARRAY, GL_INDEX_ARRAY, GL_EDGE_FLAG_ARRAY,
                               GL_VERTEX_ARRAY, GL_COLOR_ARRAY})
        glDisableClientState(array);
    // A toolkit may leave a shader program bound; it would replace the fixed pipeline.
    programs_ = versionAtLeast(2, 0);
    if (programs_) {
        glGetIntegerv(GL_CURRENT_PROGRAM, &program_);
        if (program_ != 0) glUseProgram(0);
    }
}

GlStateScope::~GlStateScope() {
    if (programs_ && program_ != 0) glUseProgram(static_cast<GLuint>(program_));
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(projection_.data());
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd(modelView_.data());
    glPopClientAttrib();
    if (buffers_) {
        glBindBuffer(GL_ARRAY_BUFFER, static_cast<GLuint>(arrayBuffer_));
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLuint>(elementBuffer_));
    }
    glPopAttrib(); // the matrix mode too
}

void setColour(const Colour& c) { glColor3f(c.red, c.green, c.blue); }

void setLineStyle(double width, uint16_t pattern, double pixelRatio) {
    const double pixels = width > 0.0 ? width : 1.0;
    glLineWidth(static_cast<GLfloat>(pixels * pixelRatio));
    glLineStipple(std::max(1, static_cast<int>(std::lround(pixelRatio))), pattern);
}

void setPointSize(double size, double pixelRatio) { glPointSize(static_cast<GLfloat>(size * pixelRatio)); }

ClientArrays::ClientArrays(bool colours) {
    glEnableClientState(GL_VERTEX_ARRAY);
    if (colours) glEnableClientState(GL_COLOR_ARRAY);
}

ClientArrays::~ClientArrays() {
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    unbindGlBuffers();
}

WindowMapping currentWindowMapping() {
    WindowMapping view;
    glGetDoublev(GL_MODELVIEW_MATRIX, view.modelView.data());
    glGetDoublev(GL_PROJECTION_MATRIX, view.projection.data());
    glGetIntegerv(GL_VIEWPORT, view.viewport.data());
    return view;
}

bool multisampledContext() {
    GLint sampleBuffers = 0;
    glGetIntegerv(GL_SAMPLE_BUFFERS, &sampleBuffers);
    return sampleBuffers != 0;
}

} // namespace vellum
