#pragma once
// The rules of the image export's options, asked after the file name: how large the
// picture is (a scale of the view, or a width in pixels with the view's proportions),
// smooth edges, and a transparent background where the file type can hold one. The
// choices outlive the run in the profile's [IMAGEEXPORT] section.
#include <string>

namespace vellum {

class Profile;

struct ImageExportChoice {
    enum SizeMode { kByScale = 0, kByPixelWidth = 1 };
    int sizeMode = kByScale;
    int scale = 1;           // 1 to 8
    int pixelWidth = 0;      // 0: not chosen yet, the view's width is offered
    bool antialias = false;
    bool transparent = false;

    void load(const Profile& profile);
    void store(Profile& profile) const;
    friend bool operator==(const ImageExportChoice&, const ImageExportChoice&) = default;
};

class ImageExportForm {
public:
    // `path`: the file chosen; its extension decides what may be asked. `viewWidth` and
    // `viewHeight`: the view's drawing area, which the picture shows.
    ImageExportForm(ImageExportChoice choice, std::string path, int viewWidth, int viewHeight);

    const ImageExportChoice& choice() const { return choice_; }
    void setSizeMode(int mode) { choice_.sizeMode = mode == ImageExportChoice::kByPixelWidth ? mode : 0; }
    void setAntialias(bool on) { choice_.antialias = on; }
    void setTransparent(bool on) { choice_.transparent = on; }
    const std::string& scaleText() const { return scaleText_; }
    const std::string& pixelWidthText() const { return pixelWidthText_; }
    void setScaleText(std::string text) { scaleText_ = std::move(text); }
    void setPixelWidthText(std::string text) { pixelWidthText_ = std::move(text); }

    // Enable rules. A vector picture has no pixels to smooth; only PNG and the vector
    // types can leave the background transparent.
    bool isVector() const;
    bool scaleEnabled() const { return choice_.sizeMode == ImageExportChoice::kByScale; }
    bool pixelWidthEnabled() const { return choice_.sizeMode == ImageExportChoice::kByPixelWidth; }
    bool antialiasEnabled() const { return !isVector(); }
    bool transparentEnabled() const;
    int largestPixelWidth() const;

    // OK pressed: the message to show while the dialog stays open, or empty when the
    // numbers are accepted (they then become the choice).
    std::string confirm();

    // After confirm(): device pixels per view pixel, and what is asked for in effect (a
    // choice the file type cannot take counts as off).
    double pixelRatio() const;
    int pictureWidth() const;
    int pictureHeight() const;
    bool antialias() const { return choice_.antialias && antialiasEnabled(); }
    bool transparent() const { return choice_.transparent && transparentEnabled(); }
    // Nothing beyond what the window shows: the export stays a copy of the window's pixels.
    bool plain() const { return !isVector() && pixelRatio() == 1.0 && !antialias() && !transparent(); }

private:
    ImageExportChoice choice_;
    std::string path_;
    int viewWidth_, viewHeight_;
    std::string scaleText_, pixelWidthText_;
};

} // namespace vellum
