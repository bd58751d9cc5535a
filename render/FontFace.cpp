#include "render/FontFace.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <mutex>

namespace vellum {
namespace {

// A character every Japanese face holds ("日"): a face without it cannot draw a title.
constexpr FcChar32 kJapaneseProbe = 0x65E5;

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

struct ConfigDeleter {
    void operator()(FcConfig* c) const { FcConfigDestroy(c); }
};

FontLocation locationOf(FcPattern* font) {
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch || !file) return {};
    FcPatternGetInteger(font, FC_INDEX, 0, &index);
    return FontLocation{reinterpret_cast<const char*>(file), index};
}

bool holdsJapanese(FcPattern* font) {
    FcCharSet* chars = nullptr;
    return FcPatternGetCharSet(font, FC_CHARSET, 0, &chars) == FcResultMatch && chars &&
           FcCharSetHasChar(chars, kJapaneseProbe);
}

FontLocation lookUpJapaneseGothicFont() {
    std::unique_ptr<FcConfig, ConfigDeleter> config(FcInitLoadConfigAndFonts());
    if (!config) return {};
    // The exact face first, then whatever fontconfig ranks best for Japanese sans-serif.
    for (const char* request : {"IPAGothic", "sans-serif:lang=ja"}) {
        PatternPtr pattern(FcNameParse(reinterpret_cast<const FcChar8*>(request)));
        if (!pattern) continue;
        FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
        FcDefaultSubstitute(pattern.get());
        FcResult result = FcResultNoMatch;
        std::unique_ptr<FcFontSet, FontSetDeleter> fonts(
            FcFontSort(config.get(), pattern.get(), FcFalse, nullptr, &result));
        if (!fonts) continue;
        for (int i = 0; i < fonts->nfont; ++i) {
            if (!holdsJapanese(fonts->fonts[i])) continue;
            FontLocation location = locationOf(fonts->fonts[i]);
            if (!location.path.empty()) return location;
        }
    }
    return {};
}

} // namespace

FontLocation findJapaneseGothicFont() {
    // Loading fontconfig's configuration costs a tenth of a second; a process that draws
    // many pictures (a job list, a series, the window's exports) asks once.
    static std::once_flag once;
    static FontLocation found;
    std::call_once(once, [] { found = lookUpJapaneseGothicFont(); });
    return found;
}

std::unique_ptr<FontFace> FontFace::open(const FontLocation& location) {
    if (location.path.empty()) return nullptr;
    std::unique_ptr<FontFace> font(new FontFace());
    if (FT_Init_FreeType(&font->library_) != 0) {
        font->library_ = nullptr;
        return nullptr;
    }
    if (FT_New_Face(font->library_, location.path.c_str(), location.index, &font->face_) != 0) {
        font->face_ = nullptr;
        return nullptr;
    }
    font->path_ = location.path;
    return font;
}

std::unique_ptr<FontFace> FontFace::openJapaneseGothic() { return open(findJapaneseGothicFont()); }

FontFace::~FontFace() {
    if (face_) FT_Done_Face(face_);
    if (library_) FT_Done_FreeType(library_);
}

std::string FontFace::familyName() const {
    return face_ && face_->family_name ? std::string(face_->family_name) : std::string();
}

bool FontFace::hasGlyph(char32_t codePoint) const {
    return face_ && FT_Get_Char_Index(face_, codePoint) != 0;
}

} // namespace vellum
