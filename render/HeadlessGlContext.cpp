#include "render/HeadlessGlContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace vellum {
namespace {

// Framebuffer objects are not part of OpenGL 1.1, so their entry points are looked up.
struct FramebufferFunctions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    // Only for multisampled pictures; a context without them draws plain ones.
    PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC renderbufferStorageMultisample = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;

    bool load() {
        genFramebuffers = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(eglGetProcAddress("glGenFramebuffers"));
        deleteFramebuffers = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(eglGetProcAddress("glDeleteFramebuffers"));
        bindFramebuffer = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(eglGetProcAddress("glBindFramebuffer"));
        genRenderbuffers = reinterpret_cast<PFNGLGENRENDERBUFFERSPROC>(eglGetProcAddress("glGenRenderbuffers"));
        deleteRenderbuffers = reinterpret_cast<PFNGLDELETERENDERBUFFERSPROC>(eglGetProcAddress("glDeleteRenderbuffers"));
        bindRenderbuffer = reinterpret_cast<PFNGLBINDRENDERBUFFERPROC>(eglGetProcAddress("glBindRenderbuffer"));
        renderbufferStorage = reinterpret_cast<PFNGLRENDERBUFFERSTORAGEPROC>(eglGetProcAddress("glRenderbufferStorage"));
        framebufferRenderbuffer =
            reinterpret_cast<PFNGLFRAMEBUFFERRENDERBUFFERPROC>(eglGetProcAddress("glFramebufferRenderbuffer"));
        checkFramebufferStatus =
            reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(eglGetProcAddress("glCheckFramebufferStatus"));
        renderbufferStorageMultisample = reinterpret_cast<PFNGLRENDERBUFFERSTORAGEMULTISAMPLEPROC>(
            eglGetProcAddress("glRenderbufferStorageMultisample"));
        blitFramebuffer = reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(eglGetProcAddress("glBlitFramebuffer"));
        return genFramebuffers && deleteFramebuffers && bindFramebuffer && genRenderbuffers && deleteRenderbuffers &&
               bindRenderbuffer && renderbufferStorage && framebufferRenderbuffer && checkFramebufferStatus;
    }
};

// eglTerminate ends every context on the display, so the display is terminated only
// when the last context of the process goes away.
std::atomic<int> liveContexts = 0;

} // namespace

bool startSurfacelessDisplay() {
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) return false;
    const EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    return display != EGL_NO_DISPLAY && eglInitialize(display, &major, &minor);
}

struct HeadlessGlContext::Egl {
    EGLDisplay display = EGL_NO_DISPLAY;
    EGLContext context = EGL_NO_CONTEXT;
    bool counted = false;
    FramebufferFunctions gl;
};

HeadlessGlContext::HeadlessGlContext(int width, int height, bool multisample)
    : egl_(std::make_unique<Egl>()), multisample_(multisample) {
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) {
        error_ = "EGL has no eglGetPlatformDisplayEXT";
        return;
    }
    egl_->display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (egl_->display == EGL_NO_DISPLAY || !eglInitialize(egl_->display, &major, &minor)) {
        error_ = "the surfaceless EGL display cannot be initialised";
        return;
    }
    egl_->counted = true;
    ++liveContexts;
    if (!eglBindAPI(EGL_OPENGL_API)) {
        error_ = "EGL cannot bind desktop OpenGL";
        return;
    }
    const EGLint configAttributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config = nullptr;
    EGLint configCount = 0;
    if (!eglChooseConfig(egl_->display, configAttributes, &config, 1, &configCount) || configCount < 1)
        config = nullptr; // the surfaceless platform also accepts a context without a config
    const EGLint contextAttributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK,
                                        EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT, EGL_NONE};
    egl_->context = eglCreateContext(egl_->display, config, EGL_NO_CONTEXT, contextAttributes);
    if (egl_->context == EGL_NO_CONTEXT) {
        error_ = "no compatibility-profile OpenGL context";
        return;
    }
    if (!makeCurrent()) {
        error_ = "the OpenGL context cannot be made current";
        return;
    }
    if (!egl_->gl.load()) {
        error_ = "OpenGL has no framebuffer objects";
        return;
    }
    width_ = width;
    height_ = height;
    ok_ = createBuffers();
}

HeadlessGlContext::~HeadlessGlContext() {
    if (egl_->context != EGL_NO_CONTEXT) {
        if (makeCurrent()) destroyBuffers();
        eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(egl_->display, egl_->context);
    }
    if (egl_->counted && --liveContexts == 0) {
        eglTerminate(egl_->display);
        eglReleaseThread();
    }
}

void HeadlessGlContext::release() {
    if (egl_->context != EGL_NO_CONTEXT) eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
}

bool HeadlessGlContext::makeCurrent() {
    return egl_->context != EGL_NO_CONTEXT &&
           eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, egl_->context) == EGL_TRUE;
}

bool HeadlessGlContext::createBuffers() {
    if (width_ <= 0 || height_ <= 0) {
        error_ = "the drawing area has no pixels";
        return false;
    }
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
    if (width_ > maxSize || height_ > maxSize) {
        error_ = "the drawing area is larger than OpenGL allows";
        return false;
    }
    const FramebufferFunctions& gl = egl_->gl;
    samples_ = 0;
    if (multisample_ && gl.renderbufferStorageMultisample && gl.blitFramebuffer) {
        GLint most = 0;
        glGetIntegerv(GL_MAX_SAMPLES, &most);
        samples_ = most >= 2 ? most : 0;
    }
    if (samples_ > 0) {
        // The plain buffer the multisampled frame is resolved into for reading.
        gl.genFramebuffers(1, &resolveFramebuffer_);
        gl.bindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer_);
        gl.genRenderbuffers(1, &resolveColourBuffer_);
        gl.bindRenderbuffer(GL_RENDERBUFFER, resolveColourBuffer_);
        gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
        gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, resolveColourBuffer_);
        if (gl.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            error_ = "the off-screen buffer is incomplete";
            return false;
        }
    }
    // Storage for the drawing buffers: multisampled when asked and offered.
    auto storage = [&](GLenum format) {
        if (samples_ > 0) gl.renderbufferStorageMultisample(GL_RENDERBUFFER, samples_, format, width_, height_);
        else gl.renderbufferStorage(GL_RENDERBUFFER, format, width_, height_);
    };
    gl.genFramebuffers(1, &framebuffer_);
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl.genRenderbuffers(1, &colourBuffer_);
    gl.bindRenderbuffer(GL_RENDERBUFFER, colourBuffer_);
    storage(GL_RGBA8);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer_);
    gl.genRenderbuffers(1, &depthStencilBuffer_);
    gl.bindRenderbuffer(GL_RENDERBUFFER, depthStencilBuffer_);
    storage(GL_DEPTH24_STENCIL8);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencilBuffer_);
    if (gl.checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
        error_ = "the off-screen buffer is incomplete";
        return false;
    }
    glDrawBuffer(GL_COLOR_ATTACHMENT0);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    return true;
}

void HeadlessGlContext::destroyBuffers() {
    const FramebufferFunctions& gl = egl_->gl;
    if (!gl.deleteFramebuffers) return;
    gl.bindFramebuffer(GL_FRAMEBUFFER, 0);
    if (framebuffer_) gl.deleteFramebuffers(1, &framebuffer_);
    if (colourBuffer_) gl.deleteRenderbuffers(1, &colourBuffer_);
    if (depthStencilBuffer_) gl.deleteRenderbuffers(1, &depthStencilBuffer_);
    if (resolveFramebuffer_) gl.deleteFramebuffers(1, &resolveFramebuffer_);
    if (resolveColourBuffer_) gl.deleteRenderbuffers(1, &resolveColourBuffer_);
    framebuffer_ = colourBuffer_ = depthStencilBuffer_ = resolveFramebuffer_ = resolveColourBuffer_ = 0;
}

bool HeadlessGlContext::resize(int width, int height) {
    if (egl_->context == EGL_NO_CONTEXT || !egl_->gl.genFramebuffers || !makeCurrent()) return false;
    destroyBuffers();
    width_ = width;
    height_ = height;
    ok_ = createBuffers();
    return ok_;
}

int HeadlessGlContext::largestSide() const {
    if (egl_->context == EGL_NO_CONTEXT ||
        eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, egl_->context) != EGL_TRUE)
        return 0;
    GLint renderbuffer = 0;
    GLint viewport[2] = {0, 0};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &renderbuffer);
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, viewport);
    return std::min({renderbuffer, viewport[0], viewport[1]});
}

bool HeadlessGlContext::prepareRead(int width, int height) const {
    // Another context may have been made current since this one drew.
    if (!ok_ || eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, egl_->context) != EGL_TRUE) return false;
    if (samples_ == 0) return true;
    const FramebufferFunctions& gl = egl_->gl;
    gl.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    gl.bindFramebuffer(GL_DRAW_FRAMEBUFFER, resolveFramebuffer_);
    gl.blitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl.bindFramebuffer(GL_FRAMEBUFFER, resolveFramebuffer_);
    glReadBuffer(GL_COLOR_ATTACHMENT0);
    return true;
}

void HeadlessGlContext::endRead() const {
    // The next picture is drawn multisampled again.
    if (samples_ != 0) egl_->gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

RgbImage HeadlessGlContext::readPixels() const {
    if (!prepareRead(width_, height_)) return {};
    RgbImage image = readFramePixels(width_, height_);
    endRead();
    return image;
}

RgbaImage HeadlessGlContext::readRgbaPixels(int width, int height) const {
    if (width <= 0 || height <= 0) width = width_, height = height_;
    width = std::min(width, width_);
    height = std::min(height, height_);
    if (!prepareRead(width, height)) return {};
    RgbaImage image = readFrameRgbaPixels(width, height, readBuffer_);
    endRead();
    return image;
}

RgbImage readFramePixels(int width, int height) {
    RgbImage image;
    if (width <= 0 || height <= 0) return image;
    image.width = width;
    image.height = height;
    const size_t rowBytes = static_cast<size_t>(width) * 3;
    std::vector<uint8_t> bottomUp(rowBytes * static_cast<size_t>(height));
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottomUp.data());
    image.pixels.resize(bottomUp.size());
    for (int y = 0; y < height; ++y)
        std::memcpy(image.pixels.data() + static_cast<size_t>(y) * rowBytes,
                    bottomUp.data() + static_cast<size_t>(height - 1 - y) * rowBytes, rowBytes);
    return image;
}

RgbaImage readFrameRgbaPixels(int width, int height, std::vector<uint8_t>& bottomUp) {
    RgbaImage image;
    if (width <= 0 || height <= 0) return image;
    image.colour.width = width;
    image.colour.height = height;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (bottomUp.size() < count * 4) bottomUp.resize(count * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    image.colour.pixels.resize(count * 3);
    image.alpha.resize(count);
    for (int y = 0; y < height; ++y) {
        const uint8_t* from = bottomUp.data() + static_cast<size_t>(height - 1 - y) * static_cast<size_t>(width) * 4;
        const size_t first = static_cast<size_t>(y) * static_cast<size_t>(width);
        for (size_t x = 0; x < static_cast<size_t>(width); ++x, from += 4) {
            std::memcpy(image.colour.pixels.data() + (first + x) * 3, from, 3);
            image.alpha[first + x] = from[3];
        }
    }
    return image;
}

} // namespace vellum
