#include "common/FileIo.h"
#include "common/TextCase.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "render/ImageFile.h"

#include <unistd.h>

namespace vellum {
namespace {

constexpr std::string_view kExportFailed = TX("イメージのエクスポートに失敗しました");
constexpr std::string_view kUnknownExtension = TX("ファイルの拡張子が不明です");
constexpr std::string_view kNoTransparency = TX("透明な背景はPNGファイルにしか書けません");

// The file is replaced by renaming, which the folder's permission allows even for a
// read-only file; a read-only file keeps its content, as its owner asked.
bool targetIsWritable(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    if (::access(folder.c_str(), W_OK) != 0) return false;
    return ::access(path.c_str(), F_OK) != 0 || ::access(path.c_str(), W_OK) == 0;
}

} // namespace

ImageFormat imageFormatForPath(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return ImageFormat::Unknown;
    const std::string_view extension = path.substr(dot);
    if (equalsIgnoringCase(extension, ".png")) return ImageFormat::Png;
    if (equalsIgnoringCase(extension, ".jpg")) return ImageFormat::Jpeg;
    if (equalsIgnoringCase(extension, ".bmp")) return ImageFormat::Bmp;
    return ImageFormat::Unknown;
}

int CheckTransparentTarget(Ui& ui, const std::string& path) {
    const ImageFormat format = imageFormatForPath(path);
    if (format != ImageFormat::Jpeg && format != ImageFormat::Bmp) return 0;
    ui.showMessage(kNoTransparency);
    return 1;
}

namespace {

// Writes `image` to `path`, taking the bytes from `kept` when they were encoded for the
// same type already (and keeping them there otherwise).
int exportEncoded(Ui& ui, const std::string& path, const RgbaImage& image, EncodedImage& kept) {
    if (path.empty() || !targetIsWritable(path)) {
        ui.showMessage(kExportFailed);
        return 1;
    }
    const ImageFormat format = imageFormatForPath(path);
    if (format == ImageFormat::Unknown) {
        ui.showMessage(kUnknownExtension);
        return 1;
    }
    if (kept.format != format || kept.bytes.empty()) {
        kept.format = format;
        bool encoded = false;
        switch (format) {
        case ImageFormat::Png: encoded = encodePng(image, kept.bytes, kept.quick); break;
        case ImageFormat::Jpeg: encoded = encodeJpeg(image.colour, 100, kept.bytes); break;
        case ImageFormat::Bmp: encoded = encodeBmp(image.colour, kept.bytes); break;
        case ImageFormat::Unknown: break;
        }
        if (!encoded) kept.bytes.clear();
    }
    if (kept.bytes.empty() || !writeFileAtomically(path, kept.bytes)) {
        ui.showMessage(kExportFailed);
        return 1;
    }
    return 0;
}

} // namespace

int ExportImage(Ui& ui, const std::string& path, const RgbImage& image) {
    EncodedImage once;
    return exportEncoded(ui, path, RgbaImage{image, {}}, once);
}

int ExportImage(Ui& ui, const std::string& path, const RgbaImage& image, EncodedImage* kept) {
    // JPEG and BMP have no alpha: writing the colours alone would quietly give the person
    // an opaque picture where they asked for a transparent one.
    if (image.hasAlpha() && CheckTransparentTarget(ui, path) != 0) return 1;
    EncodedImage once;
    return exportEncoded(ui, path, image, kept ? *kept : once);
}

} // namespace vellum
