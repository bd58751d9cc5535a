#pragma once
// An OpenGL context with no display: EGL on Mesa's surfaceless platform, drawing into a
// framebuffer object of a given size. The headless program and the tests draw with it;
// the Qt view brings its own context and runs the same drawing code.
#include "render/RgbImage.h"

#include <memory>
#include <string>
#include <vector>

namespace vellum {

// Starts the surfaceless display (loading the software renderer) so that the first
// context made later finds it ready; any thread may call it. False when it cannot start.
bool startSurfacelessDisplay();

class HeadlessGlContext {
public:
    // Creates the display, a compatibility-profile context and the off-screen buffer, and
    // makes the context current. Check ok() before drawing; error() says what failed.
    // `multisample` asks for the most samples a pixel the context offers (samples() says
    // how many it gave; 0 when it offers none, and the buffer is then a plain one).
    HeadlessGlContext(int width, int height, bool multisample = false);
    ~HeadlessGlContext();
    HeadlessGlContext(const HeadlessGlContext&) = delete;
    HeadlessGlContext& operator=(const HeadlessGlContext&) = delete;

    bool ok() const { return ok_; }
    const std::string& error() const { return error_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int samples() const { return samples_; }
    // The largest width and height one buffer of this context can have and one viewport
    // can show; 0 when the context could not be made. Larger pictures are drawn in tiles.
    int largestSide() const;

    // Replaces the off-screen buffer with one of the new size (the context stays).
    bool resize(int width, int height);
    // Makes this context current on the calling thread.
    bool makeCurrent();
    // Leaves it current on no thread, so that another thread can make it current.
    void release();
    // The drawn frame, top row first; makes this context current. A multisampled frame
    // is resolved first.
    RgbImage readPixels() const;
    // The same with the alpha the frame holds (drawn over a clear alpha of 0: coverage),
    // of the lower left `width` x `height` pixels (the whole frame when they are 0).
    RgbaImage readRgbaPixels(int width = 0, int height = 0) const;

private:
    struct Egl;
    bool createBuffers();
    void destroyBuffers();
    // Makes the context current and, for a multisampled frame, resolves it and binds the
    // plain copy for reading; false when the context cannot be made current.
    bool prepareRead(int width, int height) const;
    void endRead() const;

    std::unique_ptr<Egl> egl_;
    int width_ = 0, height_ = 0;
    unsigned framebuffer_ = 0, colourBuffer_ = 0, depthStencilBuffer_ = 0;
    // With multisampling the frame is drawn into the buffers above and resolved into this
    // plain one before it is read.
    unsigned resolveFramebuffer_ = 0, resolveColourBuffer_ = 0;
    bool multisample_ = false;
    // Reused from read to read: a picture drawn in tiles reads many frames of one size.
    mutable std::vector<uint8_t> readBuffer_;
    int samples_ = 0;
    bool ok_ = false;
    std::string error_;
};

// The drawn frame of whatever context is current, top row first.
RgbImage readFramePixels(int width, int height);
// The same with its alpha plane; `scratch` holds the rows as OpenGL gives them.
RgbaImage readFrameRgbaPixels(int width, int height, std::vector<uint8_t>& scratch);

} // namespace vellum
