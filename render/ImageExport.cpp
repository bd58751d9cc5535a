#include "common/FileIo.h"
#include "common/TextCase.h"
#include "common/Ui.h"
#include "render/ImageFile.h"

#include <unistd.h>

namespace vellum {
namespace {

constexpr std::string_view kExportFailed = "イメージのエクスポートに失敗しました";
constexpr std::string_view kUnknownExtension = "ファイルの拡張子が不明です";
constexpr std::string_view kNoTransparency = "透明な背景はPNGファイルにしか書けません";

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

int ExportImage(Ui& ui, const std::string& path, const RgbImage& image) {
    if (path.empty() || !targetIsWritable(path)) {
        ui.showMessage(kExportFailed);
        return 1;
    }
    std::string bytes;
    bool encoded = false;
    switch (imageFormatForPath(path)) {
    case ImageFormat::Png: encoded = encodePng(image, bytes); break;
    case ImageFormat::Jpeg: encoded = encodeJpeg(image, 100, bytes); break;
    case ImageFormat::Bmp: encoded = encodeBmp(image, bytes); break;
    case ImageFormat::Unknown: ui.showMessage(kUnknownExtension); return 1;
    }
    if (!encoded || !writeFileAtomically(path, bytes)) {
        ui.showMessage(kExportFailed);
        return 1;
    }
    return 0;
}

int ExportImage(Ui& ui, const std::string& path, const RgbaImage& image) {
    if (!image.hasAlpha()) return ExportImage(ui, path, image.colour);
    // JPEG and BMP have no alpha: writing the colours alone would quietly give the person
    // an opaque picture where they asked for a transparent one.
    if (CheckTransparentTarget(ui, path) != 0) return 1;
    // An unknown extension or a target that cannot be written gets the plain picture's
    // message.
    if (imageFormatForPath(path) != ImageFormat::Png || !targetIsWritable(path)) return ExportImage(ui, path, image.colour);
    std::string bytes;
    if (!encodePng(image, bytes) || !writeFileAtomically(path, bytes)) {
        ui.showMessage(kExportFailed);
        return 1;
    }
    return 0;
}

} // namespace vellum
