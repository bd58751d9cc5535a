#pragma once
// An OpenGL context with no display: EGL on Mesa's surfaceless platform, drawing into a
// framebuffer object of a given size. The headless program and the tests draw with it;
// the Qt view brings its own context and runs the same drawing code.
#include "render/RgbImage.h"

#include <memory>
#include <string>

namespace vellum {

// Starts the surfaceless display (loading the software renderer) so that the first
// context made later finds it ready; any thread may call it. False when it cannot start.
bool startSurfacelessDisplay();

class HeadlessGlContext {
public:
    // Creates the display, a compatibility-profile context and the off-screen buffer, and
    // makes the context current. Check ok() before drawing; error() says what failed.
    HeadlessGlContext(int width, int height);
    ~HeadlessGlContext();
    HeadlessGlContext(const HeadlessGlContext&) = delete;
    HeadlessGlContext& operator=(const HeadlessGlContext&) = delete;

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }

    // Replaces the off-screen buffer with one of the new size (the context stays).
    bool resize(int width, int height);
    // Makes this context current on the calling thread.
    bool makeCurrent();
    // The drawn frame, top row first; makes this context current.
    RgbImage readPixels() const;

private:
    struct Egl;
    bool createBuffers();
    void destroyBuffers();

    std::unique_ptr<Egl> egl_;
    int width_ = 0, height_ = 0;
    unsigned framebuffer_ = 0, colourBuffer_ = 0, depthStencilBuffer_ = 0;
    bool ok_ = false;
    std::string error_;
};

// The drawn frame of whatever context is current, top row first.
RgbImage readFramePixels(int width, int height);

} // namespace vellum
