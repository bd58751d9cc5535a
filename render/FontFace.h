#pragma once
// The Japanese Gothic face every text of the picture is drawn in, found through
// fontconfig and opened with FreeType. The library and the face are released with the
// object.
#include <memory>
#include <string>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace vellum {

// Where a face lives on disk.
struct FontLocation {
    std::string path;
    int index = 0;
};

// "IPAGothic" when it is installed, else the best face fontconfig offers for Japanese
// that holds Japanese glyphs; empty when there is none.
FontLocation findJapaneseGothicFont();

class FontFace {
public:
    // Opens the face at `location`; null when FreeType cannot read it.
    static std::unique_ptr<FontFace> open(const FontLocation& location);
    // Opens the face of findJapaneseGothicFont(); null when there is none.
    static std::unique_ptr<FontFace> openJapaneseGothic();

    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FT_FaceRec_* face() const { return face_; }
    const std::string& path() const { return path_; }
    // The face's family name, e.g. "IPAGothic".
    std::string familyName() const;
    // True when the face has a glyph for this code point.
    bool hasGlyph(char32_t codePoint) const;

private:
    FontFace() = default;
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
    std::string path_;
};

} // namespace vellum
