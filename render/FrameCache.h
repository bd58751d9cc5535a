#pragma once
// The finished picture of the last full paint, kept as a texture. A paint whose data set,
// look and drawing area are all unchanged (a window repainting under a selection
// rectangle, say) puts it back instead of drawing a million triangles again.
#include "render/ProbeMarks.h"
#include "render/SceneState.h"
#include "settings/ViewSettings.h"

#include <cstdint>

namespace vellum {

class DataSet;

// Everything a picture is made from.
struct FrameKey {
    const DataSet* dataSet = nullptr;
    uint64_t revision = 0;
    ViewSettings settings;
    SceneState state;
    int width = 0, height = 0; // device pixels
    double pixelRatio = 1.0;
    int framebuffer = 0; // the framebuffer object drawn into
    std::vector<ProbeMark> pins;

    friend bool operator==(const FrameKey&, const FrameKey&) = default;
};

class FrameCache {
public:
    FrameCache() = default;
    FrameCache(const FrameCache&) = delete;
    FrameCache& operator=(const FrameCache&) = delete;

    // The framebuffer object bound for drawing now; 0 for a window's own buffer.
    static int boundFramebuffer();
    // Draws the kept picture over the whole viewport when it was taken under `key`.
    // False, drawing nothing, when there is no such picture.
    bool restore(const FrameKey& key);
    // Keeps the picture just drawn (key.width x key.height pixels from the lower left
    // corner). A multisampled frame, or a context without textures of any size, keeps
    // nothing.
    void keep(const FrameKey& key);
    // Deletes the texture; the context it was made in must be current.
    void release();
    void forget() { valid_ = false; }

private:
    unsigned texture_ = 0;
    int textureWidth_ = 0, textureHeight_ = 0;
    bool valid_ = false;
    FrameKey key_;
};

} // namespace vellum
