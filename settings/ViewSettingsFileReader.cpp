#include "common/Encoding.h"
#include "common/FileIo.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "data/DataSet.h"
#include "settings/ViewSettingsFile.h"
#include "settings/ViewSettingsFileKeys.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace vellum {

namespace {

using Kind = ViewFileValueKind;

constexpr std::string_view kFullWidthBlank = "\xE3\x80\x80"; // U+3000 in UTF-8

// The length of the separator starting at `i` (blank, tab, comma, full-width blank), or 0.
size_t separatorAt(std::string_view line, size_t i) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == ',') return 1;
    if (line.substr(i, kFullWidthBlank.size()) == kFullWidthBlank) return kFullWidthBlank.size();
    return 0;
}

struct Token {
    std::string_view text;
    size_t end; // position just after the token in its line
};

void tokenize(std::string_view line, std::vector<Token>& tokens) {
    tokens.clear();
    size_t i = 0;
    while (i < line.size()) {
        if (size_t sep = separatorAt(line, i)) {
            i += sep;
            continue;
        }
        const size_t start = i;
        while (i < line.size() && separatorAt(line, i) == 0) ++i;
        tokens.push_back(Token{line.substr(start, i - start), i});
    }
}

int intOf(std::string_view token) { return parseIntPrefix(token); }
// A value beyond the range of double reads as 0, like any other unreadable value.
double realOf(std::string_view token) { return parseRealPrefix(token).value; }
// Colour components wrap into 0..255, negative ones too.
int componentOf(std::string_view token) {
    const int value = intOf(token) % 256;
    return value < 0 ? value + 256 : value;
}

// Applies the values of one key line; `values` are the tokens after the key.
void applyKey(const ViewFileKey& k, const std::vector<Token>& values, std::string_view line, size_t keyEnd) {
    const size_t n = values.size();
    switch (k.kind) {
    case Kind::Int:
        for (const Token& t : values) *k.ints = intOf(t.text);
        break;
    case Kind::Real:
        for (const Token& t : values) *k.reals = realOf(t.text);
        break;
    case Kind::Colour:
        if (n >= 3) *k.colour = RGBColor{componentOf(values[0].text), componentOf(values[1].text),
                                         componentOf(values[2].text)};
        break;
    case Kind::Ints:
        for (size_t i = 0; i < n && i < k.count; ++i) k.ints[i] = intOf(values[i].text);
        break;
    case Kind::Reals:
        for (size_t i = 0; i < n && i < k.count; ++i) k.reals[i] = realOf(values[i].text);
        break;
    case Kind::Range:
        k.reals[0] = realOf(values[0].text);
        for (size_t i = 1; i < n; ++i) k.reals[1] = realOf(values[i].text);
        break;
    case Kind::GridOn:
        if (n >= 6)
            for (size_t i = 0; i < 6; ++i) k.ints[i] = intOf(values[i].text) != 0 ? 1 : 0;
        break;
    case Kind::RestText: {
        // The whole rest of the line, so that a title with blanks comes back whole.
        const size_t start = keyEnd + separatorAt(line, keyEnd);
        *k.texts = std::string(line.substr(start));
        break;
    }
    case Kind::Names:
        for (size_t i = 0; i < n && i < k.count; ++i) k.texts[i] = std::string(values[i].text);
        break;
    case Kind::LabelPos:
        for (size_t i = 0; i < n && i < 3; ++i) k.reals[i] = realOf(values[i].text);
        if (n >= 4) *k.ints = intOf(values[3].text);
        break;
    case Kind::Window: {
        int* edges[5] = {&k.window->right, &k.window->left, &k.window->top, &k.window->bottom, &k.window->show};
        for (size_t i = 0; i < n && i < 5; ++i) *edges[i] = intOf(values[i].text);
        break;
    }
    }
}

std::optional<ViewFileSection> sectionOf(std::string_view token) {
    for (size_t i = 0; i < kViewFileSectionCount; ++i)
        if (token == kViewFileSectionHeaders[i]) return static_cast<ViewFileSection>(i);
    return std::nullopt;
}

// What the lines held that the upgrades depend on.
struct ReadFacts {
    int version = kViewSettingsFileVersion; // a file without VERSION counts as current
    bool hadGridSize3 = false;
    bool hadDivisionLineValue = false;
};

ReadFacts applyLines(std::string_view text, ViewSettings& settings) {
    ReadFacts facts;
    const std::vector<ViewFileKey> keys = viewFileKeys(settings, facts.version);
    std::vector<std::string> keyTokens;
    keyTokens.reserve(keys.size());
    for (const ViewFileKey& k : keys) keyTokens.push_back(std::string(k.key) + "=");

    std::optional<ViewFileSection> section;
    std::vector<Token> tokens;
    std::vector<Token> values;
    size_t lineStart = 0;
    while (lineStart < text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = text.size();
        std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        tokenize(line, tokens);
        if (tokens.empty()) continue;
        if (auto header = sectionOf(tokens[0].text)) {
            section = header;
            continue;
        }
        if (!section || tokens.size() < 2) continue;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].section != *section || tokens[0].text != keyTokens[i]) continue;
            values.assign(tokens.begin() + 1, tokens.end());
            applyKey(keys[i], values, line, tokens[0].end);
            if (*section == ViewFileSection::GRID) {
                if (keys[i].key == "GRIDSIZE3") facts.hadGridSize3 = true;
                if (keys[i].key == "DIVISIONLINEVALUE") facts.hadDivisionLineValue = true;
            }
            break;
        }
    }
    return facts;
}

// The range of axis 3 as DIM gives it, or nothing when its source is missing.
std::optional<std::array<double, 2>> axis3RangeFromDim(const ViewSettings& s, const DataSet& dataSet) {
    switch (s.DIM) {
    case 0: return std::array<double, 2>{0.0, 0.0};
    case 1: return std::array<double, 2>{dataSet.minimum[2], dataSet.maximum[2]};
    case 2: {
        const auto column = static_cast<size_t>(s.selectedColumn);
        if (s.selectedColumn < 0 || column >= dataSet.columnMinimum.size() || column >= dataSet.columnMaximum.size())
            return std::nullopt;
        return std::array<double, 2>{dataSet.columnMinimum[column], dataSet.columnMaximum[column]};
    }
    default: return std::nullopt;
    }
}

void upgrade(const ReadFacts& facts, ViewSettings& s, const DataSet& dataSet) {
    if (facts.version == 200) {
        if (s.MODE > std::numeric_limits<int>::min()) s.MODE -= 1;
        if (s.graph.WIREMODE == 1) s.graph.WIREMODE = 2;
        else if (s.graph.WIREMODE == 2) s.graph.WIREMODE = 1;
    }
    const bool before220 = facts.version == 200 || facts.version == 210;
    if (before220) {
        s.COLOR2 = s.gridColor;
        s.DWID2 = s.DWID;
        s.STYLE2 = s.gridStyle;
    }
    const auto axis3 = axis3RangeFromDim(s, dataSet);
    if (axis3 && (before220 || !facts.hadGridSize3)) s.gridSize[2] = *axis3;
    if (axis3 && (facts.version < kViewSettingsFileVersion || !facts.hadGridSize3)) s.divisionRange[2] = *axis3;

    if (!facts.hadDivisionLineValue) {
        for (size_t axis = 0; axis < 3; ++axis) {
            // With no divisions there is no interval to derive; keep the one we have.
            if (s.gridNum[axis] == 0) continue;
            s.DIVISIONLINEVALUE[axis] = (s.divisionRange[axis][1] - s.divisionRange[axis][0]) / s.gridNum[axis];
        }
    }
}

} // namespace

void applyViewSettingsText(std::string_view bytes, ViewSettings& settings, const DataSet& dataSet) {
    const std::string text = decodeFileText(bytes);
    const ReadFacts facts = applyLines(text, settings);
    upgrade(facts, settings, dataSet);
}

int readViewSettingsFile(const std::string& path, ViewSettings& settings, const DataSet& dataSet, Ui& ui) {
    std::string bytes;
    if (!readWholeFile(path, bytes)) {
        ui.showMessage(TX("視覚設定ファイルが開けません"));
        return 1;
    }
    applyViewSettingsText(bytes, settings, dataSet);
    return 0;
}

FrameRect placeFrameWindow(const WindowEdges& read, int currentLeft, int currentTop, int workAreaWidth,
                           int workAreaHeight) {
    // Edges from a file may be anything; the sums are taken wide so that they cannot wrap.
    const auto clampToInt = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
    };
    const long long width = static_cast<long long>(read.right) - read.left;
    const long long height = static_cast<long long>(read.bottom) - read.top;
    if (currentLeft + width < workAreaWidth && currentTop + height < workAreaHeight)
        return FrameRect{read.left, read.top, clampToInt(width), clampToInt(height)};
    return FrameRect{0, 0, clampToInt(width), clampToInt(height)};
}

} // namespace vellum
