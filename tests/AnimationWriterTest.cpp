// Animations of a series, read back by an independent decoder (Pillow): frame count, size,
// timing and every pixel of every frame; and the failures that must leave old files alone.
#include "TemporaryFolder.h"
#include "common/FileIo.h"
#include "render/AnimationWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <sstream>
#include <sys/mount.h>
#include <unistd.h>

namespace vellum {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 300, kHeight = 40, kFrames = 5;

// A hue ramp across the width, shifted 60 pixels a frame and shaded from dark at the top to
// full at the bottom, with a black block whose place gives the frame number: thousands of
// colours. Except the first frame: unshaded, in steps of 4 pixels, 75 colours that a GIF
// palette holds exactly.
RgbImage seriesFrame(int frame) {
    RgbImage image{kWidth, kHeight, {}};
    const int step = frame == 0 ? 4 : 1;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const double shade = frame == 0 ? 1.0 : 0.4 + 0.6 * y / (kHeight - 1);
            const bool block = y >= 30 && x >= frame * 20 && x < frame * 20 + 20;
            const double hue = std::fmod(((x / step) * step + frame * 60) * 6.0 / kWidth, 6.0);
            const auto level = [&](double offset) {
                const double d = std::fabs(std::fmod(hue + offset, 6.0) - 3.0); // 0..3
                return static_cast<uint8_t>(std::lround(255 * shade * std::clamp(d - 1.0, 0.0, 1.0)));
            };
            const uint8_t rgb[3] = {level(0), level(4), level(2)};
            for (uint8_t c : rgb) image.pixels.push_back(block ? 0 : c);
        }
    return image;
}

// Writes `frames` to `path`; the first error, empty when all went well.
std::string writeAnimation(const std::string& path, const std::vector<RgbImage>& frames, int fps) {
    std::string error;
    auto writer = AnimationWriter::open(path, frames.at(0).width, frames.at(0).height, fps, error);
    if (!writer) return error;
    for (const RgbImage& frame : frames)
        if (!writer->addFrame(frame, error)) return error;
    return writer->finish(error) ? std::string() : error;
}

struct Playback {
    std::string header; // format, frame count, width, height, loop count
    std::vector<int> durations;
    std::vector<std::string> frames; // RGB bytes
};

// What Pillow sees in the animation at `path`; fails the test when it cannot look.
Playback readWithPillow(const std::string& path, const test::TemporaryFolder& folder) {
    static const char* kScript = R"(import sys
from PIL import Image
im = Image.open(sys.argv[1])
print(im.format, im.n_frames, im.size[0], im.size[1], im.info.get('loop', -1))
for i in range(im.n_frames):
    im.seek(i)
    rgb = im.convert('RGB')  # the frame's duration is known once it is decoded
    print(im.info.get('duration', -1))
    open('%s/frame%d.rgb' % (sys.argv[2], i), 'wb').write(rgb.tobytes())
)";
    Playback playback;
    // The system's interpreter has Debian's Pillow even when another python3 comes first.
    static const std::string python = [] {
        for (const char* candidate : {"python3", "/usr/bin/python3"})
            if (std::system((std::string(candidate) + " -c 'import PIL.Image' >/dev/null 2>&1").c_str()) == 0)
                return std::string(candidate);
        return std::string();
    }();
    if (python.empty()) {
        ADD_FAILURE() << "these tests read animations with python3 and Pillow: install python3-pil "
                         "(scripts/setup.sh does)";
        return playback;
    }
    const std::string script = folder.file("read.py"), frames = folder.file("frames");
    fs::create_directories(frames);
    EXPECT_TRUE(writeFileAtomically(script, kScript));
    FILE* pipe = ::popen((python + " '" + script + "' '" + path + "' '" + frames + "' 2>&1").c_str(), "r");
    if (!pipe) return playback;
    std::string output;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    EXPECT_EQ(::pclose(pipe), 0) << output;
    std::istringstream lines(output);
    std::getline(lines, playback.header);
    for (int duration; lines >> duration;) {
        playback.durations.push_back(duration);
        std::string bytes;
        EXPECT_TRUE(readWholeFile(frames + "/frame" + std::to_string(playback.frames.size()) + ".rgb", bytes));
        playback.frames.push_back(bytes);
    }
    return playback;
}

// The largest difference of one channel between `actual` and `expected`: of single pixels,
// and of the means of 4 x 4 blocks, which is what the eye sees of a dithered picture.
std::pair<int, double> difference(const std::string& actual, const RgbImage& expected) {
    if (actual.size() != expected.pixels.size()) return {256, 256};
    int pixel = 0;
    double block = 0;
    for (int by = 0; by + 4 <= expected.height; by += 4)
        for (int bx = 0; bx + 4 <= expected.width; bx += 4)
            for (int c = 0; c < 3; ++c) {
                int sum = 0;
                for (int y = by; y < by + 4; ++y)
                    for (int x = bx; x < bx + 4; ++x) {
                        const size_t i = (size_t(y) * size_t(expected.width) + size_t(x)) * 3 + size_t(c);
                        const int d = int(uint8_t(actual[i])) - int(expected.pixels[i]);
                        pixel = std::max(pixel, std::abs(d));
                        sum += d;
                    }
                block = std::max(block, std::abs(sum / 16.0));
            }
    return {pixel, block};
}

std::map<std::string, std::string> contentsOf(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(folder)) readWholeFile(entry.path().string(), files[entry.path().filename().string()]);
    return files;
}

TEST(AnimationWriterTest, WebpAndGifPlayEveryFrameInOrderAtTheirRate) {
    test::TemporaryFolder folder;
    std::vector<RgbImage> frames;
    for (int i = 0; i < kFrames; ++i) frames.push_back(seriesFrame(i));

    struct Case {
        const char* name;
        int fps;
        const char* header;
        // Lossless WebP: none. GIF: the dither's grain, but no speck of a wrong colour, and
        // blocks of the right colour on average (the farthest at the most saturated edge).
        int pixelError;
        double blockError;
    };
    for (const Case& c : {Case{"series.webp", 10, "WEBP 5 300 40 0", 0, 0.0}, Case{"series.GIF", 4, "GIF 5 300 40 0", 48, 16}}) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(writeAnimation(folder.file(c.name), frames, c.fps), "");
        const Playback playback = readWithPillow(folder.file(c.name), folder);
        EXPECT_EQ(playback.header, c.header); // plays in a loop
        EXPECT_EQ(playback.durations, std::vector<int>(kFrames, 1000 / c.fps));
        ASSERT_EQ(playback.frames.size(), size_t(kFrames));
        for (int i = 0; i < kFrames; ++i) {
            const auto [pixel, block] = difference(playback.frames[i], frames[i]);
            // A frame of few colours keeps them exactly in either format.
            EXPECT_LE(pixel, i == 0 ? 0 : c.pixelError) << "frame " << i;
            EXPECT_LE(block, i == 0 ? 0 : c.blockError) << "frame " << i;
        }
    }
}

TEST(AnimationWriterTest, RefusesWhatItCannotWriteAndWritesNothingForIt) {
    test::TemporaryFolder folder;
    EXPECT_TRUE(isAnimationExtension(".webp"));
    EXPECT_TRUE(isAnimationExtension(".GiF"));
    EXPECT_FALSE(isAnimationExtension(".png"));
    EXPECT_FALSE(isAnimationExtension("gif"));

    const auto openError = [&](const std::string& name, int width, int height, int fps) {
        std::string error;
        return AnimationWriter::open(folder.file(name), width, height, fps, error) ? "opened" : error;
    };
    EXPECT_EQ(openError("a.png", 4, 4, 10), "ファイルの拡張子が不明です");
    EXPECT_EQ(openError("gif", 4, 4, 10), "ファイルの拡張子が不明です");
    EXPECT_EQ(openError("a.webp", 0, 4, 10), "フレームの大きさが範囲外です");
    EXPECT_EQ(openError("a.webp", 16384, 4, 10), "フレームの大きさが範囲外です");
    EXPECT_EQ(openError("a.gif", 4, 4, 0), "フレームレートは1～50の範囲で指定してください");
    // Viewers would slow a GIF this fast down to ten frames a second.
    EXPECT_EQ(openError("a.gif", 4, 4, 60), "フレームレートは1～50の範囲で指定してください");
    EXPECT_EQ(openError("missing/a.gif", 4, 4, 10), "アニメーションの書き込みに失敗しました");
    EXPECT_TRUE(fs::is_empty(folder.path()));

    // Nothing to show: no file rather than an animation without frames.
    std::string error;
    auto empty = AnimationWriter::open(folder.file("empty.webp"), 4, 4, 10, error);
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->finish(error));
    EXPECT_EQ(error, "アニメーションにするフレームがありません");
    empty.reset();
    EXPECT_TRUE(fs::is_empty(folder.path()));

    // A frame of another size is left out and the series goes on.
    for (const char* name : {"sized.gif", "sized.webp"}) {
        SCOPED_TRACE(name);
        auto writer = AnimationWriter::open(folder.file(name), kWidth, kHeight, 10, error);
        ASSERT_TRUE(writer);
        EXPECT_TRUE(writer->addFrame(seriesFrame(1), error));
        const RgbImage smaller{kWidth - 1, kHeight, std::vector<uint8_t>(size_t(kWidth - 1) * kHeight * 3)};
        EXPECT_FALSE(writer->addFrame(smaller, error));
        EXPECT_EQ(error, "フレームの大きさが違います");
        EXPECT_TRUE(writer->addFrame(seriesFrame(2), error));
        ASSERT_TRUE(writer->finish(error)) << error;
        EXPECT_EQ(readWithPillow(folder.file(name), folder).frames.size(), 2u);
    }
}

// Old animations in a folder that then refuses writes: read-only permission bits, or for
// the superuser, whom those do not bind, a small read-only file system.
TEST(AnimationWriterTest, AFailedWriteLeavesNoFileAndKeepsTheOldOne) {
    test::TemporaryFolder folder;
    const std::string target = folder.file("out");
    fs::create_directories(target);
    const bool superuser = ::geteuid() == 0;
    const bool mounted = superuser && ::mount("tmpfs", target.c_str(), "tmpfs", 0, "size=256k") == 0;
    struct Unmount {
        std::string path;
        bool mounted;
        ~Unmount() {
            if (mounted) ::umount2(path.c_str(), MNT_DETACH);
        }
    } unmount{target, mounted};
    if (superuser && !mounted) GTEST_SKIP() << "the superuser cannot mount a file system here";
    const std::vector<std::string> names{"old.webp", "old.gif"};
    for (const std::string& name : names) ASSERT_TRUE(writeFileAtomically(target + "/" + name, "saved before"));
    const auto before = contentsOf(target);
    const std::vector<RgbImage> frames{seriesFrame(1), seriesFrame(2)};

    // A series given up half way leaves nothing behind.
    {
        std::string error;
        auto writer = AnimationWriter::open(target + "/old.gif", kWidth, kHeight, 10, error);
        ASSERT_TRUE(writer);
        ASSERT_TRUE(writer->addFrame(frames[0], error));
    }
    EXPECT_EQ(contentsOf(target), before);

    // A full disk: whichever step finds it says so.
    if (mounted) {
        {
            std::FILE* filler = std::fopen((target + "/filler").c_str(), "wb");
            ASSERT_TRUE(filler);
            const std::string block(4096, 'x');
            while (std::fwrite(block.data(), 1, block.size(), filler) == block.size() && std::fflush(filler) == 0) {}
            std::fclose(filler);
        }
        const auto full = contentsOf(target);
        for (const std::string& name : names) {
            EXPECT_EQ(writeAnimation(target + "/" + name, frames, 10), "アニメーションの書き込みに失敗しました") << name;
            EXPECT_EQ(contentsOf(target), full) << name;
        }
        fs::remove(target + "/filler");
    }

    if (mounted) ASSERT_EQ(::mount(nullptr, target.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    else fs::permissions(target, fs::perms::owner_read | fs::perms::owner_exec, fs::perm_options::replace);
    for (const std::string& name : names)
        EXPECT_EQ(writeAnimation(target + "/" + name, frames, 10), "アニメーションの書き込みに失敗しました") << name;
    EXPECT_EQ(contentsOf(target), before);
    if (!mounted) fs::permissions(target, fs::perms::owner_all, fs::perm_options::replace);
}

} // namespace
} // namespace vellum
