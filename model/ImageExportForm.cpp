#include "model/ImageExportForm.h"

#include "common/TextCase.h"
#include "settings/Profile.h"
#include "settings/SheetFields.h"

#include <algorithm>
#include <cmath>

namespace vellum {
namespace {

constexpr std::string_view kSection = "IMAGEEXPORT";
constexpr int kLargestScale = 8;
// Smaller pictures than this have no use in a report, and a ratio near zero none at all.
constexpr int kSmallestPixelWidth = 16;

std::string extensionOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return path.substr(dot);
}

} // namespace

void ImageExportChoice::load(const Profile& profile) {
    sizeMode = profile.getInt(kSection, "SizeMode", kByScale) == kByPixelWidth ? kByPixelWidth : kByScale;
    scale = std::clamp(profile.getInt(kSection, "Scale", 1), 1, kLargestScale);
    pixelWidth = std::max(0, profile.getInt(kSection, "PixelWidth", 0));
    antialias = profile.getInt(kSection, "Antialias", 0) != 0;
    transparent = profile.getInt(kSection, "Transparent", 0) != 0;
}

void ImageExportChoice::store(Profile& profile) const {
    profile.setInt(kSection, "SizeMode", sizeMode);
    profile.setInt(kSection, "Scale", scale);
    profile.setInt(kSection, "PixelWidth", pixelWidth);
    profile.setInt(kSection, "Antialias", antialias ? 1 : 0);
    profile.setInt(kSection, "Transparent", transparent ? 1 : 0);
}

ImageExportForm::ImageExportForm(ImageExportChoice choice, std::string path, int viewWidth, int viewHeight)
    : choice_(choice), path_(std::move(path)), viewWidth_(std::max(1, viewWidth)), viewHeight_(std::max(1, viewHeight)) {
    choice_.scale = std::clamp(choice_.scale, 1, kLargestScale);
    // A remembered width the view can no longer reach is offered at the nearest it can.
    if (choice_.pixelWidth <= 0) choice_.pixelWidth = viewWidth_;
    choice_.pixelWidth = std::clamp(choice_.pixelWidth, kSmallestPixelWidth, largestPixelWidth());
    scaleText_ = std::to_string(choice_.scale);
    pixelWidthText_ = std::to_string(choice_.pixelWidth);
}

bool ImageExportForm::isVector() const {
    const std::string extension = extensionOf(path_);
    return equalsIgnoringCase(extension, ".svg") || equalsIgnoringCase(extension, ".pdf");
}

bool ImageExportForm::transparentEnabled() const {
    return isVector() || equalsIgnoringCase(extensionOf(path_), ".png");
}

int ImageExportForm::largestPixelWidth() const { return std::max(kSmallestPixelWidth, viewWidth_ * kLargestScale); }

std::string ImageExportForm::confirm() {
    if (scaleEnabled()) {
        const FieldRead scale = readNumberField(NumberRule{true, true, 1.0, kLargestScale}, scaleText_);
        if (!scale.value) return scale.message;
        choice_.scale = static_cast<int>(*scale.value);
    } else {
        const NumberRule rule{true, true, double(kSmallestPixelWidth), double(largestPixelWidth())};
        const FieldRead width = readNumberField(rule, pixelWidthText_);
        if (!width.value) return width.message;
        choice_.pixelWidth = static_cast<int>(*width.value);
    }
    return {};
}

double ImageExportForm::pixelRatio() const {
    if (scaleEnabled()) return choice_.scale;
    return static_cast<double>(choice_.pixelWidth) / viewWidth_;
}

int ImageExportForm::pictureWidth() const { return static_cast<int>(std::lround(viewWidth_ * pixelRatio())); }

int ImageExportForm::pictureHeight() const { return static_cast<int>(std::lround(viewHeight_ * pixelRatio())); }

} // namespace vellum
