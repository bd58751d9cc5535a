#include "render/HeadlessGlContext.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

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
        return genFramebuffers && deleteFramebuffers && bindFramebuffer && genRenderbuffers && deleteRenderbuffers &&
               bindRenderbuffer && renderbufferStorage && framebufferRenderbuffer && checkFramebufferStatus;
    }
};

// eglTerminate ends every context on the display, so the display is terminated only
// when the last context of the process goes away.
int liveContexts = 0;

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

HeadlessGlContext::HeadlessGlContext(int width, int height) : egl_(std::make_unique<Egl>()) {
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
    gl.genFramebuffers(1, &framebuffer_);
    gl.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl.genRenderbuffers(1, &colourBuffer_);
    gl.bindRenderbuffer(GL_RENDERBUFFER, colourBuffer_);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width_, height_);
    gl.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colourBuffer_);
    gl.genRenderbuffers(1, &depthStencilBuffer_);
    gl.bindRenderbuffer(GL_RENDERBUFFER, depthStencilBuffer_);
    gl.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width_, height_);
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
    framebuffer_ = colourBuffer_ = depthStencilBuffer_ = 0;
}

bool HeadlessGlContext::resize(int width, int height) {
    if (egl_->context == EGL_NO_CONTEXT || !egl_->gl.genFramebuffers || !makeCurrent()) return false;
    destroyBuffers();
    width_ = width;
    height_ = height;
    ok_ = createBuffers();
    return ok_;
}

RgbImage HeadlessGlContext::readPixels() const {
    // Another context may have been made current since this one drew.
    if (!ok_ || eglMakeCurrent(egl_->display, EGL_NO_SURFACE, EGL_NO_SURFACE, egl_->context) != EGL_TRUE) return {};
    return readFramePixels(width_, height_);
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

} // namespace vellum
