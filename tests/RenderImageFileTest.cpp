#include "common/FileIo.h"
#include "tests/support/RecordingUi.h"
#include "render/ImageFile.h"

#include <gtest/gtest.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <jpeglib.h>
#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellum {
namespace {

namespace fs = std::filesystem;

// Four quadrants: red, green, blue, white; 7 x 5 so BMP rows need padding.
RgbImage quadrants() {
    RgbImage image;
    image.width = 7;
    image.height = 5;
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const bool right = x >= 4, bottom = y >= 3;
            const uint8_t r = (!right && !bottom) || (right && bottom) ? 255 : 0;
            const uint8_t g = (right && !bottom) || (right && bottom) ? 255 : 0;
            const uint8_t b = (!right && bottom) || (right && bottom) ? 255 : 0;
            image.pixels.insert(image.pixels.end(), {r, g, b});
        }
    return image;
}

RgbImage decodePng(const std::string& bytes) {
    RgbImage image;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, bytes.data(), bytes.size())) return image;
    png.format = PNG_FORMAT_RGB;
    image.width = int(png.width);
    image.height = int(png.height);
    image.pixels.resize(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), 0, nullptr)) image = RgbImage{};
    return image;
}

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

RgbImage decodeJpeg(const std::string& bytes) {
    RgbImage image;
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = [](j_common_ptr c) { std::longjmp(reinterpret_cast<JpegErrors*>(c->err)->jump, 1); };
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return RgbImage{};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = int(info.output_width);
    image.height = int(info.output_height);
    image.pixels.resize(size_t(image.width) * size_t(image.height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.pixels.data() + size_t(info.output_scanline) * size_t(image.width) * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

void expectSameImage(const RgbImage& actual, const RgbImage& expected, int tolerance) {
    ASSERT_EQ(actual.width, expected.width);
    ASSERT_EQ(actual.height, expected.height);
    ASSERT_EQ(actual.pixels.size(), expected.pixels.size());
    int worst = 0;
    for (size_t i = 0; i < actual.pixels.size(); ++i)
        worst = std::max(worst, std::abs(int(actual.pixels[i]) - int(expected.pixels[i])));
    EXPECT_LE(worst, tolerance);
}

uint32_t littleEndian(const std::string& bytes, size_t at, int count) {
    uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | uint8_t(bytes[at + size_t(i)]);
    return value;
}

TEST(ImageEncoders, PngAndJpegReadBackWithTheirLibraries) {
    const RgbImage image = quadrants();
    std::string png, jpeg;
    ASSERT_TRUE(encodePng(image, png));
    expectSameImage(decodePng(png), image, 0);
    ASSERT_TRUE(encodeJpeg(image, 100, jpeg));
    expectSameImage(decodeJpeg(jpeg), image, 24);
}

TEST(ImageEncoders, BmpIsBottomUpBgrWithPaddedRows) {
    const RgbImage image = quadrants();
    std::string bmp;
    ASSERT_TRUE(encodeBmp(image, bmp));
    const uint32_t rowBytes = 24; // 7 x 3 = 21, padded to 24
    ASSERT_EQ(bmp.size(), 54u + rowBytes * 5);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(littleEndian(bmp, 2, 4), bmp.size());
    EXPECT_EQ(littleEndian(bmp, 10, 4), 54u);
    EXPECT_EQ(littleEndian(bmp, 18, 4), 7u);
    EXPECT_EQ(littleEndian(bmp, 22, 4), 5u);
    EXPECT_EQ(littleEndian(bmp, 28, 2), 24u);
    // The first stored row is the image's bottom row: blue on the left, white on the right.
    EXPECT_EQ(bmp.substr(54, 3), std::string("\xFF\x00\x00", 3));
    EXPECT_EQ(bmp.substr(54 + 4 * 3, 3), std::string("\xFF\xFF\xFF", 3));
    // The top row: red then green.
    const size_t top = 54 + rowBytes * 4;
    EXPECT_EQ(bmp.substr(top, 3), std::string("\x00\x00\xFF", 3));
    EXPECT_EQ(bmp.substr(top + 4 * 3, 3), std::string("\x00\xFF\x00", 3));
}

TEST(ImageEncoders, EmptyImageIsRefused) {
    std::string bytes;
    EXPECT_FALSE(encodePng(RgbImage{}, bytes));
    EXPECT_FALSE(encodeJpeg(RgbImage{}, 100, bytes));
    EXPECT_FALSE(encodeBmp(RgbImage{}, bytes));
    RgbImage shortPixels{2, 2, {1, 2, 3}};
    EXPECT_FALSE(encodePng(shortPixels, bytes));
}

TEST(ImageFormat, ChosenByExtensionWithoutCase) {
    EXPECT_EQ(imageFormatForPath("/a/b.png"), ImageFormat::Png);
    EXPECT_EQ(imageFormatForPath("/a/b.PnG"), ImageFormat::Png);
    EXPECT_EQ(imageFormatForPath("b.JPG"), ImageFormat::Jpeg);
    EXPECT_EQ(imageFormatForPath("b.bmp"), ImageFormat::Bmp);
    EXPECT_EQ(imageFormatForPath("b.jpeg"), ImageFormat::Unknown);
    EXPECT_EQ(imageFormatForPath("b.gif"), ImageFormat::Unknown);
    EXPECT_EQ(imageFormatForPath("/dir.png/picture"), ImageFormat::Unknown);
    EXPECT_EQ(imageFormatForPath("png"), ImageFormat::Unknown);
}

class ImageExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vellum-image-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    size_t fileCount() const { return size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator())); }
    fs::path folder;
    RecordingUi ui;
};

TEST_F(ImageExportTest, WritesEachFormatByItsExtension) {
    const RgbImage image = quadrants();
    for (const char* name : {"a.png", "b.JPG", "c.Bmp"}) ASSERT_EQ(ExportImage(ui, (folder / name).string(), image), 0);
    EXPECT_TRUE(ui.messages.empty());
    std::string bytes;
    ASSERT_TRUE(readWholeFile((folder / "a.png").string(), bytes));
    expectSameImage(decodePng(bytes), image, 0);
    ASSERT_TRUE(readWholeFile((folder / "b.JPG").string(), bytes));
    expectSameImage(decodeJpeg(bytes), image, 24);
    ASSERT_TRUE(readWholeFile((folder / "c.Bmp").string(), bytes));
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(fileCount(), 3u); // no temporary file left behind
}

TEST_F(ImageExportTest, UnknownExtensionCreatesNoFile) {
    for (const char* name : {"a.gif", "b.tif", "noextension"})
        EXPECT_EQ(ExportImage(ui, (folder / name).string(), quadrants()), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>(3, "ファイルの拡張子が不明です"));
    EXPECT_EQ(fileCount(), 0u);
}

TEST_F(ImageExportTest, ReadOnlyTargetKeepsItsContent) {
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
    const fs::path target = folder / "locked.png";
    ASSERT_TRUE(writeFileAtomically(target.string(), "old"));
    fs::permissions(target, fs::perms::owner_read, fs::perm_options::replace);
    EXPECT_EQ(ExportImage(ui, target.string(), quadrants()), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>{"イメージのエクスポートに失敗しました"});
    std::string bytes;
    ASSERT_TRUE(readWholeFile(target.string(), bytes));
    EXPECT_EQ(bytes, "old");
}

TEST_F(ImageExportTest, UnwritableFolderOrEmptyImageReportsFailure) {
    EXPECT_EQ(ExportImage(ui, (folder / "missing" / "a.png").string(), quadrants()), 1);
    EXPECT_EQ(ExportImage(ui, (folder / "empty.png").string(), RgbImage{}), 1);
    EXPECT_EQ(ui.messages, std::vector<std::string>(2, "イメージのエクスポートに失敗しました"));
    EXPECT_EQ(fileCount(), 0u);
}

} // namespace
} // namespace vellum
