#include "render/AnimationWriter.h"

#include "common/FileIo.h"
#include "common/TextCase.h"
#include "common/Texts.h"
#include "render/PaletteQuantiser.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>
#include <vector>

#include <gif_lib.h>
#include <webp/encode.h>
#include <webp/mux.h>

namespace vellum {
namespace {

constexpr std::string_view kWriteFailed = TX("アニメーションの書き込みに失敗しました");
constexpr std::string_view kWrongFrameSize = TX("フレームの大きさが違います");
constexpr std::string_view kUnknownExtension = TX("ファイルの拡張子が不明です");
constexpr std::string_view kSizeOutOfRange = TX("フレームの大きさが範囲外です");
constexpr std::string_view kNoFrames = TX("アニメーションにするフレームがありません");

std::string fpsOutOfRange(int highest) {
    return shownText(TX("フレームレートは1～%1の範囲で指定してください"), {std::to_string(highest)});
}

enum class AnimationFormat { Unknown, Webp, Gif };

AnimationFormat formatForExtension(std::string_view extension) {
    if (equalsIgnoringCase(extension, ".webp")) return AnimationFormat::Webp;
    if (equalsIgnoringCase(extension, ".gif")) return AnimationFormat::Gif;
    return AnimationFormat::Unknown;
}

AnimationFormat formatForPath(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return AnimationFormat::Unknown;
    return formatForExtension(path.substr(dot));
}

bool writeAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// When frame `index` starts, in `unitsPerSecond` (milliseconds for WebP, hundredths for
// GIF). Rounded from the exact time rather than adding a rounded duration, so a rate like
// 3 per second does not drift over a long series.
int64_t frameStart(int64_t index, int fps, int unitsPerSecond) {
    return (index * unitsPerSecond + fps / 2) / fps;
}

// What both formats share: the temporary file that becomes the animation, the frame size
// every frame must have, and the state after a failure.
class AnimationFile : public AnimationWriter {
protected:
    AnimationFile(const std::string& path, int width, int height, int fps)
        : file_(path), width_(width), height_(height), fps_(fps) {}

    // False with the message for a frame that cannot be added now.
    bool acceptable(const RgbImage& frame, std::string& error) const {
        if (broken_ || finished_) {
            error = kWriteFailed;
            return false;
        }
        const size_t bytes = static_cast<size_t>(width_) * static_cast<size_t>(height_) * 3;
        if (frame.width != width_ || frame.height != height_ || frame.pixels.size() != bytes) {
            error = kWrongFrameSize;
            return false;
        }
        return true;
    }
    bool fail(std::string& error) {
        broken_ = true;
        error = kWriteFailed;
        return false;
    }
    // Renames the completed temporary file over the target.
    bool commit(std::string& error) {
        finished_ = true;
        if (!file_.commit()) return fail(error);
        return true;
    }
    // Checks at finish() that there is something to write; false with the message.
    bool readyToFinish(std::string& error) {
        if (broken_ || finished_) return fail(error);
        if (frames_ == 0) {
            finished_ = true;
            error = kNoFrames;
            return false;
        }
        return true;
    }

    AtomicFile file_;
    const int width_, height_, fps_;
    int64_t frames_ = 0;
    bool broken_ = false, finished_ = false;
};

// Lossless WebP: every frame comes back exactly as drawn. The encoder keeps the compressed
// frames until the file is assembled.
class WebpAnimation final : public AnimationFile {
public:
    WebpAnimation(const std::string& path, int width, int height, int fps) : AnimationFile(path, width, height, fps) {}
    ~WebpAnimation() override {
        if (encoder_) WebPAnimEncoderDelete(encoder_);
    }

    bool start() {
        if (file_.temporaryPath().empty()) return false;
        WebPAnimEncoderOptions options;
        if (!WebPAnimEncoderOptionsInit(&options)) return false;
        options.anim_params.loop_count = 0; // plays on until the viewer stops it
        encoder_ = WebPAnimEncoderNew(width_, height_, &options);
        if (!encoder_ || !WebPConfigInit(&config_)) return false;
        config_.lossless = 1;
        return true;
    }

    bool addFrame(const RgbImage& frame, std::string& error) override {
        if (!acceptable(frame, error)) return false;
        const int64_t start = frameStart(frames_, fps_, 1000);
        if (start > INT_MAX) return fail(error);
        WebPPicture picture;
        if (!WebPPictureInit(&picture)) return fail(error);
        picture.use_argb = 1;
        picture.width = width_;
        picture.height = height_;
        const bool added = WebPPictureImportRGB(&picture, frame.pixels.data(), width_ * 3) &&
                           WebPAnimEncoderAdd(encoder_, &picture, static_cast<int>(start), &config_);
        WebPPictureFree(&picture);
        if (!added) return fail(error);
        ++frames_;
        return true;
    }

    bool finish(std::string& error) override {
        if (!readyToFinish(error)) return false;
        const int64_t end = frameStart(frames_, fps_, 1000);
        WebPData data;
        WebPDataInit(&data);
        bool ok = end <= INT_MAX && WebPAnimEncoderAdd(encoder_, nullptr, static_cast<int>(end), nullptr) &&
                  WebPAnimEncoderAssemble(encoder_, &data);
        WebPAnimEncoderDelete(encoder_);
        encoder_ = nullptr;
        if (ok) {
            const int fd = ::open(file_.temporaryPath().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            ok = fd >= 0 && writeAll(fd, data.bytes, data.size);
            if (fd >= 0) ok = ::close(fd) == 0 && ok;
        }
        WebPDataClear(&data);
        if (!ok) return fail(error);
        return commit(error);
    }

private:
    WebPAnimEncoder* encoder_ = nullptr;
    WebPConfig config_{};
};

// GIF, written frame by frame with a palette of its own for each, so memory stays that of
// one frame however long the series.
class GifAnimation final : public AnimationFile {
public:
    GifAnimation(const std::string& path, int width, int height, int fps) : AnimationFile(path, width, height, fps) {}
    ~GifAnimation() override {
        if (gif_) EGifCloseFile(gif_, nullptr);
        if (fd_ >= 0) ::close(fd_);
    }

    bool start() {
        if (file_.temporaryPath().empty()) return false;
        fd_ = ::open(file_.temporaryPath().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ < 0) return false;
        gif_ = EGifOpen(this, output, nullptr);
        if (!gif_) return false;
        EGifSetGifVersion(gif_, true);
        // The application extension that makes viewers play the frames in a loop.
        static const GifByteType kLoopName[] = "NETSCAPE2.0";
        static const GifByteType kLoopForever[] = {1, 0, 0};
        return EGifPutScreenDesc(gif_, width_, height_, 8, 0, nullptr) == GIF_OK &&
               EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
               EGifPutExtensionBlock(gif_, 11, kLoopName) == GIF_OK &&
               EGifPutExtensionBlock(gif_, 3, kLoopForever) == GIF_OK && EGifPutExtensionTrailer(gif_) == GIF_OK &&
               !writeFailed_;
    }

    bool addFrame(const RgbImage& frame, std::string& error) override {
        if (!acceptable(frame, error)) return false;
        quantiser_.quantise(frame, indices_, palette_);
        // A GIF colour table holds a power of two of colours.
        size_t tableSize = 2;
        while (tableSize < palette_.size()) tableSize *= 2;
        std::vector<GifColorType> colours(tableSize, GifColorType{0, 0, 0});
        for (size_t i = 0; i < palette_.size(); ++i) colours[i] = {palette_[i][0], palette_[i][1], palette_[i][2]};
        ColorMapObject* map = GifMakeMapObject(static_cast<int>(tableSize), colours.data());
        if (!map) return fail(error);

        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_DO_NOT;
        control.DelayTime = static_cast<int>(frameStart(frames_ + 1, fps_, 100) - frameStart(frames_, fps_, 100));
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType controlBytes[4];
        const size_t controlLength = EGifGCBToExtension(&control, controlBytes);
        const bool ok =
            EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(controlLength), controlBytes) == GIF_OK &&
            EGifPutImageDesc(gif_, 0, 0, width_, height_, false, map) == GIF_OK &&
            EGifPutLine(gif_, indices_.data(), static_cast<int>(indices_.size())) == GIF_OK && !writeFailed_;
        GifFreeMapObject(map);
        if (!ok) return fail(error);
        ++frames_;
        return true;
    }

    bool finish(std::string& error) override {
        if (!readyToFinish(error)) return false;
        bool ok = EGifCloseFile(gif_, nullptr) == GIF_OK && !writeFailed_;
        gif_ = nullptr;
        ok = ::close(fd_) == 0 && ok;
        fd_ = -1;
        if (!ok) return fail(error);
        return commit(error);
    }

private:
    static int output(GifFileType* gif, const GifByteType* data, int length) {
        auto* self = static_cast<GifAnimation*>(gif->UserData);
        if (self->writeFailed_ || length < 0 || !writeAll(self->fd_, data, static_cast<size_t>(length))) {
            self->writeFailed_ = true;
            return 0;
        }
        return length;
    }

    GifFileType* gif_ = nullptr;
    int fd_ = -1;
    bool writeFailed_ = false;
    PaletteQuantiser quantiser_;
    std::vector<uint8_t> indices_;
    std::vector<PaletteQuantiser::Colour> palette_;
};

} // namespace

bool isAnimationExtension(const std::string& extension) {
    return formatForExtension(extension) != AnimationFormat::Unknown;
}

AnimationWriter::~AnimationWriter() = default;

std::unique_ptr<AnimationWriter> AnimationWriter::open(const std::string& path, int width, int height, int fps,
                                                       std::string& error) {
    const AnimationFormat format = formatForPath(path);
    if (format == AnimationFormat::Unknown) {
        error = kUnknownExtension;
        return nullptr;
    }
    // GIF counts time in hundredths of a second, and viewers slow a delay under two of
    // them down to a tenth of a second; WebP counts milliseconds.
    const bool gif = format == AnimationFormat::Gif;
    const int highestFps = gif ? 50 : 1000;
    const int largest = gif ? 65535 : WEBP_MAX_DIMENSION;
    if (width < 1 || height < 1 || width > largest || height > largest) {
        error = kSizeOutOfRange;
        return nullptr;
    }
    if (fps < 1 || fps > highestFps) {
        error = fpsOutOfRange(highestFps);
        return nullptr;
    }
    // Found now rather than after a long series has been drawn: a folder that takes no
    // file, a read-only old file, a folder in the file's place.
    if (!unwritableReason(path).empty()) {
        error = kWriteFailed;
        return nullptr;
    }
    if (gif) {
        auto writer = std::make_unique<GifAnimation>(path, width, height, fps);
        if (writer->start()) return writer;
    } else {
        auto writer = std::make_unique<WebpAnimation>(path, width, height, fps);
        if (writer->start()) return writer;
    }
    error = kWriteFailed;
    return nullptr;
}

} // namespace vellum
