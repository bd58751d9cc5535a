#include "render/FrameCache.h"

#include "render/GlState.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>

namespace vellum {
namespace {

bool versionAtLeast(int wantMajor) {
    const auto* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    int major = 0, minor = 0;
    if (!version || std::sscanf(version, "%d.%d", &major, &minor) != 2) return false;
    return major >= wantMajor;
}

} // namespace

int FrameCache::boundFramebuffer() {
    if (!versionAtLeast(3)) return 0;
    GLint bound = 0;
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &bound);
    return bound;
}

bool FrameCache::restore(const FrameKey& key) {
    if (!valid_ || !(key == key_)) return false;
    // Texel i lands exactly on pixel i: a quad over the whole viewport, nearest texels,
    // nothing between the texture and the pixels.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, 1.0, 0.0, 1.0, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_DITHER);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    const double right = static_cast<double>(key.width) / textureWidth_;
    const double top = static_cast<double>(key.height) / textureHeight_;
    glBegin(GL_QUADS);
    glTexCoord2d(0.0, 0.0), glVertex2d(0.0, 0.0);
    glTexCoord2d(right, 0.0), glVertex2d(1.0, 0.0);
    glTexCoord2d(right, top), glVertex2d(1.0, 1.0);
    glTexCoord2d(0.0, top), glVertex2d(0.0, 1.0);
    glEnd();
    return true;
}

void FrameCache::keep(const FrameKey& key) {
    valid_ = false;
    // Textures of any size came with OpenGL 2.0; a multisampled buffer cannot be copied.
    if (!versionAtLeast(2) || multisampledContext() || key.width <= 0 || key.height <= 0) return;
    if (texture_ == 0) {
        GLuint texture = 0;
        glGenTextures(1, &texture);
        texture_ = texture;
        if (texture_ == 0) return;
    }
    glBindTexture(GL_TEXTURE_2D, texture_);
    if (key.width > textureWidth_ || key.height > textureHeight_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, key.width, key.height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
        // Too large for this context: keep nothing rather than a part.
        GLint width = 0, height = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        textureWidth_ = width;
        textureHeight_ = height;
        if (width != key.width || height != key.height) return;
    }
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, key.width, key.height);
    key_ = key;
    valid_ = true;
}

void FrameCache::release() {
    if (texture_ != 0) {
        const GLuint texture = texture_;
        glDeleteTextures(1, &texture);
    }
    texture_ = 0;
    textureWidth_ = textureHeight_ = 0;
    valid_ = false;
}

} // namespace vellum
