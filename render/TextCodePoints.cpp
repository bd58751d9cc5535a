#include "render/TextCodePoints.h"

namespace vellum {

std::u32string decodeUtf8(std::string_view text) {
    constexpr char32_t kReplacement = 0xFFFD;
    std::u32string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out.push_back(lead);
            ++i;
            continue;
        }
        size_t length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) length = 2, code = lead & 0x1F, minimum = 0x80;
        else if ((lead & 0xF0) == 0xE0) length = 3, code = lead & 0x0F, minimum = 0x800;
        else if ((lead & 0xF8) == 0xF0) length = 4, code = lead & 0x07, minimum = 0x10000;
        bool valid = length != 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            else code = (code << 6) | (next & 0x3F);
        }
        if (valid && (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))) valid = false;
        if (!valid) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        out.push_back(code);
        i += length;
    }
    return out;
}

} // namespace vellum
