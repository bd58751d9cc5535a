// Build tool: turns the finished translations of a Qt .ts file into the C++ table the
// Qt-free programs look their English texts up in (common/EnglishTexts.h).
//   ts-to-table INPUT.ts OUTPUT.cpp
// Fails (exit 1, a message naming the file and line) when the file cannot be read or
// written, is not well formed where a message is, or gives one source text two
// different translations, since the table can hold only one.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

namespace {

int lineOf(const std::string& text, std::size_t offset) {
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

bool decodeEntities(const std::string& in, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '&') {
            out += in[i];
            continue;
        }
        const std::size_t semicolon = in.find(';', i);
        if (semicolon == std::string::npos) return false;
        const std::string name = in.substr(i + 1, semicolon - i - 1);
        if (name == "amp") out += '&';
        else if (name == "lt") out += '<';
        else if (name == "gt") out += '>';
        else if (name == "quot") out += '"';
        else if (name == "apos") out += '\'';
        else if (name.size() > 1 && name[0] == '#') {
            unsigned long code = 0;
            try {
                code = name[1] == 'x' ? std::stoul(name.substr(2), nullptr, 16) : std::stoul(name.substr(1));
            } catch (...) {
                return false;
            }
            if (code < 0x80) out += static_cast<char>(code);
            else if (code < 0x800) {
                out += static_cast<char>(0xC0 | (code >> 6));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else if (code < 0x10000) {
                out += static_cast<char>(0xE0 | (code >> 12));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xF0 | (code >> 18));
                out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
        } else return false;
        i = semicolon;
    }
    return true;
}

// The text between <tag ...> and </tag> inside [from, to); false when the element is
// missing. A self-closing <tag .../> gives an empty text.
bool elementText(const std::string& xml, std::size_t from, std::size_t to, const std::string& tag, std::string& text,
                 std::string& attributes) {
    const std::size_t open = xml.find("<" + tag, from);
    if (open == std::string::npos || open >= to) return false;
    const std::size_t openEnd = xml.find('>', open);
    if (openEnd == std::string::npos || openEnd >= to) return false;
    attributes = xml.substr(open + 1 + tag.size(), openEnd - open - 1 - tag.size());
    if (!attributes.empty() && attributes.back() == '/') {
        text.clear();
        return true;
    }
    const std::size_t close = xml.find("</" + tag + ">", openEnd);
    if (close == std::string::npos || close > to) return false;
    text = xml.substr(openEnd + 1, close - openEnd - 1);
    return true;
}

// A C++ string literal for `text`: control characters, quotes and backslashes escaped in
// octal or by name, everything else (UTF-8 included) as it is.
std::string literal(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') out += "\\n";
        else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\%03o", byte);
            out += escaped;
        } else out += c;
    }
    return out + '"';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: ts-to-table INPUT.ts OUTPUT.cpp\n";
        return 1;
    }
    const std::string input = argv[1];
    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::cerr << input << ": cannot be read\n";
        return 1;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string xml = buffer.str();

    std::map<std::string, std::string> table; // sorted by source bytes, as the lookup needs
    std::map<std::string, int> lineOfSource;
    for (std::size_t at = xml.find("<message"); at != std::string::npos; at = xml.find("<message", at + 1)) {
        const std::size_t end = xml.find("</message>", at);
        if (end == std::string::npos) {
            std::cerr << input << ":" << lineOf(xml, at) << ": <message> without its end\n";
            return 1;
        }
        std::string rawSource, rawTranslation, attributes, sourceAttributes, source, translation;
        if (!elementText(xml, at, end, "source", rawSource, sourceAttributes) ||
            !elementText(xml, at, end, "translation", rawTranslation, attributes)) {
            std::cerr << input << ":" << lineOf(xml, at) << ": a message needs a source and a translation\n";
            return 1;
        }
        if (attributes.find("vanished") != std::string::npos || attributes.find("obsolete") != std::string::npos) continue;
        if (!decodeEntities(rawSource, source) || !decodeEntities(rawTranslation, translation)) {
            std::cerr << input << ":" << lineOf(xml, at) << ": a character reference cannot be read\n";
            return 1;
        }
        if (translation.empty()) continue;
        const auto [entry, inserted] = table.emplace(source, translation);
        if (!inserted && entry->second != translation) {
            std::cerr << input << ":" << lineOf(xml, at) << ": the source text on line " << lineOfSource[source]
                      << " has another translation; the English table holds one per text\n";
            return 1;
        }
        if (inserted) lineOfSource[source] = lineOf(xml, at);
    }

    std::ostringstream code;
    code << "// Generated from " << input << " by ts-to-table; do not edit.\n"
         << "#include \"common/EnglishTexts.h\"\n\nnamespace vellum {\n\nconst TextTranslation kEnglishTexts[] = {\n";
    for (const auto& [source, translation] : table) code << "    {" << literal(source) << ", " << literal(translation) << "},\n";
    if (table.empty()) code << "    {\"\", \"\"},\n";
    code << "};\nconst std::size_t kEnglishTextCount = " << table.size() << ";\n\n} // namespace vellum\n";

    const std::string output = argv[2];
    std::ofstream out(output, std::ios::binary | std::ios::trunc);
    out << code.str();
    if (!out.flush()) {
        std::cerr << output << ": cannot be written\n";
        return 1;
    }
    return 0;
}
