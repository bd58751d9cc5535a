#pragma once
// Writing a series of drawn pictures, one per time step, into one animated file: lossless
// WebP or GIF, chosen by the file's extension.
#include "render/RgbImage.h"

#include <memory>
#include <string>

namespace vellum {

// True for the extensions an animation is written to: ".webp", ".gif" (any case).
bool isAnimationExtension(const std::string& extension);

// The frame rate an animation is shown at when the job names none.
constexpr int kDefaultAnimationFps = 10;

// Frames go in one by one; the finished file appears at its path only when finish()
// succeeds, so a failure never leaves half a file and never replaces an old one. Errors
// come back as short Japanese texts for the user; nothing throws.
class AnimationWriter {
public:
    // Starts an animation at `path` of frames `width` x `height` shown `fps` per second.
    // Null, with `error` set, for an unknown extension, a size or rate the format cannot
    // hold, or a folder where no file can be made.
    static std::unique_ptr<AnimationWriter> open(const std::string& path, int width, int height, int fps,
                                                 std::string& error);
    virtual ~AnimationWriter();

    // Appends one frame. A frame of another size is refused and the animation goes on
    // without it; after a write failure every later call fails.
    virtual bool addFrame(const RgbImage& frame, std::string& error) = 0;
    // Completes the file and renames it into place. An animation without frames is refused.
    virtual bool finish(std::string& error) = 0;
};

} // namespace vellum
