#include "render/ImageFile.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace vellum {
namespace {

bool hasPixels(const RgbImage& image) {
    return image.width > 0 && image.height > 0 &&
           image.pixels.size() == static_cast<size_t>(image.width) * static_cast<size_t>(image.height) * 3;
}

// Red, green, blue and alpha interleaved, as PNG stores a picture with transparency.
std::vector<uint8_t> interleavedRgba(const RgbaImage& image) {
    const size_t count = image.alpha.size();
    std::vector<uint8_t> rgba(count * 4);
    for (size_t i = 0; i < count; ++i) {
        rgba[i * 4] = image.colour.pixels[i * 3];
        rgba[i * 4 + 1] = image.colour.pixels[i * 3 + 1];
        rgba[i * 4 + 2] = image.colour.pixels[i * 3 + 2];
        rgba[i * 4 + 3] = image.alpha[i];
    }
    return rgba;
}

void appendPngBytes(png_structp png, png_bytep data, png_size_t length) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(data), length);
}
void flushNothing(png_structp) {}

// Kept free of C++ objects with destructors: libpng leaves it by longjmp on errors.
// `rows` holds `channels` bytes a pixel: 3 (RGB) or 4 (RGBA).
bool writePng(png_structp png, png_infop info, int width, int height, const uint8_t* rows, int channels,
              std::string* bytes) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_write_fn(png, bytes, appendPngBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 channels == 4 ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t rowBytes = static_cast<size_t>(width) * static_cast<size_t>(channels);
    for (int y = 0; y < height; ++y) png_write_row(png, const_cast<png_bytep>(rows + static_cast<size_t>(y) * rowBytes));
    png_write_end(png, info);
    return true;
}

struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void leaveJpeg(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrorManager*>(info->err)->jump, 1);
}
void silenceJpeg(j_common_ptr) {}

// Kept free of C++ objects with destructors: errors leave it by longjmp.
bool writeJpeg(jpeg_compress_struct* jpeg, JpegErrorManager* errors, const RgbImage& image, int quality,
               unsigned char** buffer, unsigned long* size) {
    if (setjmp(errors->jump)) return false;
    jpeg_create_compress(jpeg);
    jpeg_mem_dest(jpeg, buffer, size);
    jpeg->image_width = static_cast<JDIMENSION>(image.width);
    jpeg->image_height = static_cast<JDIMENSION>(image.height);
    jpeg->input_components = 3;
    jpeg->in_color_space = JCS_RGB;
    jpeg_set_defaults(jpeg);
    jpeg_set_quality(jpeg, quality, TRUE);
    // Full-resolution colour: thin coloured lines keep their colour.
    for (int c = 0; c < jpeg->num_components; ++c) {
        jpeg->comp_info[c].h_samp_factor = 1;
        jpeg->comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(jpeg, TRUE);
    const size_t rowBytes = static_cast<size_t>(image.width) * 3;
    while (jpeg->next_scanline < jpeg->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.pixels.data() + jpeg->next_scanline * rowBytes);
        jpeg_write_scanlines(jpeg, &row, 1);
    }
    jpeg_finish_compress(jpeg);
    return true;
}

void putLittleEndian(std::string& bytes, uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}


// `rows`: the picture's rows with `channels` bytes a pixel.
bool encodePngRows(int width, int height, const uint8_t* rows, int channels, std::string& bytes, bool quick = false) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    // Report pictures are many times larger than the window's: a lighter compression keeps
    // their writing in step with their drawing, for files about a tenth larger.
    if (quick) {
        png_set_compression_level(png, 2);
        // One filter instead of trying all five on every row: most of the encoding's time.
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    }
    png_infop info = png_create_info_struct(png);
    bool ok = info && writePng(png, info, width, height, rows, channels, &bytes);
    png_destroy_write_struct(&png, info ? &info : nullptr);
    if (!ok) bytes.clear();
    return ok;
}

} // namespace

bool encodePng(const RgbImage& image, std::string& bytes) {
    bytes.clear();
    if (!hasPixels(image)) return false;
    return encodePngRows(image.width, image.height, image.pixels.data(), 3, bytes);
}

bool encodePng(const RgbaImage& image, std::string& bytes, bool quick) {
    bytes.clear();
    if (!image.hasAlpha())
        return hasPixels(image.colour) &&
               encodePngRows(image.colour.width, image.colour.height, image.colour.pixels.data(), 3, bytes, quick);
    const RgbImage& c = image.colour;
    if (!hasPixels(c) || image.alpha.size() != static_cast<size_t>(c.width) * static_cast<size_t>(c.height)) return false;
    const std::vector<uint8_t> rgba = interleavedRgba(image);
    return encodePngRows(c.width, c.height, rgba.data(), 4, bytes, quick);
}

bool encodeJpeg(const RgbImage& image, int quality, std::string& bytes) {
    bytes.clear();
    if (!hasPixels(image)) return false;
    jpeg_compress_struct jpeg{};
    JpegErrorManager errors{};
    jpeg.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = leaveJpeg;
    errors.base.output_message = silenceJpeg;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    bool ok = writeJpeg(&jpeg, &errors, image, quality, &buffer, &size);
    if (ok && buffer) bytes.assign(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&jpeg);
    std::free(buffer);
    return ok;
}

bool encodeBmp(const RgbImage& image, std::string& bytes) {
    bytes.clear();
    if (!hasPixels(image)) return false;
    const uint32_t rowBytes = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(image.height);
    const uint32_t headerBytes = 14 + 40;
    bytes.reserve(headerBytes + pixelBytes);
    bytes += "BM";
    putLittleEndian(bytes, headerBytes + pixelBytes, 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, headerBytes, 4);
    putLittleEndian(bytes, 40, 4); // BITMAPINFOHEADER
    putLittleEndian(bytes, static_cast<uint32_t>(image.width), 4);
    putLittleEndian(bytes, static_cast<uint32_t>(image.height), 4); // positive: bottom row first
    putLittleEndian(bytes, 1, 2);
    putLittleEndian(bytes, 24, 2);
    putLittleEndian(bytes, 0, 4); // no compression
    putLittleEndian(bytes, pixelBytes, 4);
    putLittleEndian(bytes, 3780, 4); // 96 dots per inch
    putLittleEndian(bytes, 3780, 4);
    putLittleEndian(bytes, 0, 4);
    putLittleEndian(bytes, 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        const uint8_t* p = image.at(0, y);
        for (int x = 0; x < image.width; ++x, p += 3) {
            bytes.push_back(static_cast<char>(p[2]));
            bytes.push_back(static_cast<char>(p[1]));
            bytes.push_back(static_cast<char>(p[0]));
        }
        for (uint32_t pad = static_cast<uint32_t>(image.width) * 3; pad < rowBytes; ++pad) bytes.push_back(0);
    }
    return true;
}

} // namespace vellum
