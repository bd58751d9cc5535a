#pragma once
// Writing the drawn picture as PNG, JPEG (quality 100) or BMP.
#include "render/RgbImage.h"

#include <string>
#include <string_view>

namespace vellum {

class Ui;

enum class ImageFormat { Unknown, Png, Jpeg, Bmp };

// The format named by the path's extension (".png", ".jpg", ".bmp", any case).
ImageFormat imageFormatForPath(std::string_view path);

// Encoders into memory; false when the image is empty or the library reports an error.
bool encodePng(const RgbImage& image, std::string& bytes);
// With an alpha plane: 8-bit RGBA; without one, the RGB encoding above. `quick`: a lighter
// compression, for report pictures.
bool encodePng(const RgbaImage& image, std::string& bytes, bool quick = false);
bool encodeJpeg(const RgbImage& image, int quality, std::string& bytes);
bool encodeBmp(const RgbImage& image, std::string& bytes);

// Writes `image` to `path` in the format its extension names. The file appears only once
// it is complete. Shows "ファイルの拡張子が不明です" for an unknown extension (no file is
// created) and "イメージのエクスポートに失敗しました" when the file cannot be written.
// 0 on success, 1 after the message.
int ExportImage(Ui& ui, const std::string& path, const RgbImage& image);
// The bytes of a picture encoded for one type, kept to write the same picture to several
// paths of that type with one encoding.
struct EncodedImage {
    ImageFormat format = ImageFormat::Unknown;
    std::string bytes;
    bool quick = false; // PNG with a lighter compression (report pictures)
};

// The same for a picture that may carry alpha: written as RGBA PNG; JPEG and BMP refuse
// it (below). Without alpha it is the picture above. `kept`, when given, holds the bytes
// of the last type written and is used again for the next path of that type.
int ExportImage(Ui& ui, const std::string& path, const RgbaImage& image, EncodedImage* kept = nullptr);

// Whether a transparent picture can go to `path`, asked before anything is drawn: a JPEG
// or BMP path shows "透明な背景はPNGファイルにしか書けません" and gives 1; any other path
// gives 0 (its own writer judges its extension).
int CheckTransparentTarget(Ui& ui, const std::string& path);

} // namespace vellum
