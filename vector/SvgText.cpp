#include "vector/SvgText.h"

#include <charconv>
#include <cstdio>
#include <fstream>

namespace vellum {
namespace {

void appendNumber(std::string& out, double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 4);
    out.append(buffer, error == std::errc() ? end : buffer);
}

// Markup characters escaped; control characters, which XML does not allow, left out.
void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if ((static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) || c == '\t') out += c;
        }
    }
}

} // namespace

std::string svgTextElements(const std::vector<PlacedText>& texts, const std::string& family) {
    std::string out;
    if (texts.empty()) return out;
    out += "<g fill=\"black\" fill-opacity=\"0\" font-size=\"1\" font-family=\"";
    appendEscaped(out, family);
    out += "\">\n";
    for (const PlacedText& text : texts) {
        out += "<text xml:space=\"preserve\" transform=\"matrix(";
        for (size_t i = 0; i < text.matrix.size(); ++i) {
            if (i) out += ' ';
            appendNumber(out, text.matrix[i]);
        }
        out += ")\" x=\"";
        appendNumber(out, text.x);
        out += "\" y=\"0\">";
        appendEscaped(out, text.text);
        out += "</text>\n";
    }
    out += "</g>\n";
    return out;
}

bool insertIntoSvg(const std::string& path, const std::string& elements) {
    std::string svg;
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) return false;
        svg.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad()) return false;
    }
    const size_t end = svg.rfind("</svg>");
    if (end == std::string::npos) return false;
    svg.insert(end, elements);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(svg.data(), static_cast<std::streamsize>(svg.size()));
    out.flush();
    return static_cast<bool>(out);
}

} // namespace vellum
