#include "cli/BatchOptions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace vellum {
namespace {

// Large enough for any screen, small enough that the framebuffer always fits in memory.
constexpr int kMaxImageSide = 16384;

bool parseSide(std::string_view text, int& value) {
    if (text.empty()) return false;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc{} && end == text.data() + text.size() && value >= 1 && value <= kMaxImageSide;
}

// "I/N" with 0 <= I < N.
bool parseShard(std::string_view text, int& index, int& count) {
    const size_t slash = text.find('/');
    if (slash == std::string_view::npos) return false;
    auto whole = [](std::string_view part, int& value) {
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        return !part.empty() && ec == std::errc{} && end == part.data() + part.size();
    };
    return whole(text.substr(0, slash), index) && whole(text.substr(slash + 1), count) && count >= 1 && index >= 0 &&
           index < count;
}

// "MIN,MAX", read as a look file's numbers are, whatever the locale.
bool parseRange(std::string_view text, double& minimum, double& maximum) {
    const size_t comma = text.find(',');
    if (comma == std::string_view::npos) return false;
    auto real = [](std::string_view part, double& value) {
        const auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        return !part.empty() && ec == std::errc{} && end == part.data() + part.size() && std::isfinite(value);
    };
    return real(text.substr(0, comma), minimum) && real(text.substr(comma + 1), maximum) && minimum <= maximum;
}

} // namespace

std::optional<std::pair<int, int>> parseImageSize(const std::string& text) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    int width = 0, height = 0;
    if (!parseSide(std::string_view(text).substr(0, x), width)) return std::nullopt;
    if (!parseSide(std::string_view(text).substr(x + 1), height)) return std::nullopt;
    return std::make_pair(width, height);
}

std::optional<std::pair<int, int>> parseProbePixel(const std::string& text) {
    const size_t comma = text.find(',');
    if (comma == std::string::npos) return std::nullopt;
    // A pixel counts from 0 where a side counts from 1.
    auto coordinate = [](std::string_view part, int& value) { return parseSide(part, value) || part == "0"; };
    int x = 0, y = 0;
    if (!coordinate(std::string_view(text).substr(0, comma), x) || !coordinate(std::string_view(text).substr(comma + 1), y))
        return std::nullopt;
    if (x >= kMaxImageSide || y >= kMaxImageSide) return std::nullopt;
    return std::make_pair(x, y);
}

BatchOptionsParse parseBatchOptions(const std::vector<std::string>& arguments) {
    BatchOptionsParse result;
    BatchOptions& o = result.options;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (optionsEnded || a.empty() || a[0] != '-' || a == "-") {
            if (!o.inputFile.empty()) {
                result.error = "only one file can be given: " + a;
                return result;
            }
            o.inputFile = a;
            continue;
        }
        if (a == "--") { optionsEnded = true; continue; }
        if (a == "--help" || a == "-h") { o.help = true; continue; }
        if (a == "--version") { o.version = true; continue; }
        if (a == "--summary") { o.summary = true; continue; }
        if (a == "--fixed-range") { o.fixedRange = true; continue; }
        if (a == "--print-range") { o.printRange = true; continue; }
        if (a == "--antialias") { o.antialias = true; continue; }
        if (a == "--transparent") { o.transparent = true; continue; }

        // Options that take a value, as "--name value" or "--name=value".
        std::string name = a, value;
        const size_t eq = a.find('=');
        bool hasValue = false;
        if (eq != std::string::npos) {
            name = a.substr(0, eq);
            value = a.substr(eq + 1);
            hasValue = true;
        }
        static constexpr std::string_view kValued[] = {"--out",   "--size",  "--probe", "--series",
                                                       "--fps",   "--shard", "--range", "--jobs",  "--scale", "--lang"};
        if (std::find(std::begin(kValued), std::end(kValued), name) == std::end(kValued)) {
            result.error = "unknown option: " + a;
            return result;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                result.error = name + " needs a value";
                return result;
            }
            value = arguments[++i];
        }
        if (name == "--out") {
            if (value.empty()) {
                result.error = "--out needs a file name";
                return result;
            }
            o.outImage = value;
        } else if (name == "--series") {
            if (value.empty()) {
                result.error = "--series needs a file name pattern";
                return result;
            }
            o.seriesOutput = value;
        } else if (name == "--shard") {
            if (!parseShard(value, o.shardIndex, o.shardCount)) {
                result.error = "--shard wants I/N with 0 <= I < N: " + value;
                return result;
            }
        } else if (name == "--range") {
            if (!parseRange(value, o.rangeMinimum, o.rangeMaximum)) {
                result.error = "--range wants MIN,MAX, two finite numbers, MIN not above MAX: " + value;
                return result;
            }
            o.hasRange = true;
        } else if (name == "--jobs") {
            if (value.empty()) {
                result.error = "--jobs needs a file name";
                return result;
            }
            o.jobsFile = value;
        } else if (name == "--lang") {
            o.language = parseLanguageName(value);
            if (!o.language) {
                result.error = "--lang wants ja or en: " + value;
                return result;
            }
        } else if (name == "--scale") {
            int scale = 0;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), scale);
            if (ec != std::errc{} || end != value.data() + value.size() || scale < 1 || scale > 8) {
                result.error = "--scale wants a whole number from 1 to 8: " + value;
                return result;
            }
            o.scale = scale;
        } else if (name == "--fps") {
            int fps = 0;
            const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), fps);
            if (ec != std::errc{} || end != value.data() + value.size() || fps < 1 || fps > 100) {
                result.error = "--fps wants a whole number from 1 to 100: " + value;
                return result;
            }
            o.fps = fps;
        } else if (name == "--probe") {
            auto pixel = parseProbePixel(value);
            if (!pixel) {
                result.error = "--probe wants X,Y, each 0 to 16383: " + value;
                return result;
            }
            o.probes.push_back(*pixel);
        } else {
            auto size = parseImageSize(value);
            if (!size) {
                result.error = "--size wants WIDTHxHEIGHT, each 1 to 16384: " + value;
                return result;
            }
            o.width = size->first;
            o.height = size->second;
        }
    }
    // A series' frames are drawn whole in one buffer each, and animations keep no alpha.
    if (!o.seriesOutput.empty() && o.transparent) result.error = "--transparent is for single pictures, not --series";
    else if (!o.jobsFile.empty() && !o.inputFile.empty()) result.error = "--jobs takes its files from the list: " + o.inputFile;
    else if (o.inputFile.empty() && o.jobsFile.empty() && !o.help && !o.version) result.error = "no file given";
    return result;
}

std::string batchUsage() {
    return "usage: vellumplot-batch [options] FILE\n"
           "\n"
           "Runs a command-line file (or imports an STL file, by its .stl extension) with no\n"
           "display and writes the image the file names in ImageFile.\n"
           "\n"
           "  --out IMAGE       also write the picture to IMAGE (.png, .jpg or .bmp)\n"
           "  --size WxH        drawing area in pixels (default: the frame size, 780x560 or\n"
           "                    the WINDOW size of the look file, less 80 pixels of height)\n"
           "  --scale N         draw the picture N times larger (1 to 8), lines and text\n"
           "                    included: --size 780x480 --scale 4 is 3120x1920 pixels\n"
           "  --antialias       smooth the edges of faces, lines and text\n"
           "  --transparent     write PNG with an alpha channel: the background transparent\n"
           "                    (refused for .jpg and .bmp, and with --series)\n"
           "  --summary         print what was loaded as one JSON object on standard output\n"
           "  --series PATTERN  draw every step of the job's DataSeries, each to PATTERN with its\n"
           "                    number (frames/f_%04d.png), or all into one .webp or .gif\n"
           "  --fixed-range     with --series: one legend range over every step\n"
           "  --fps N           frames per second of a .webp or .gif animation (default 10)\n"
           "  --shard I/N       only the steps (or jobs) k with (k-1) mod N = I, numbered as\n"
           "                    in the whole series, so N processes share the work\n"
           "  --range MIN,MAX   with --series: this fixed legend range (the same in every shard)\n"
           "  --print-range     print the series' fixed range as JSON and draw nothing\n"
           "  --jobs LISTFILE   run every command-line file named in LISTFILE (one a line),\n"
           "                    one JSON line each on standard output; exit 1 if any failed\n"
           "  --probe X,Y       print what lies under pixel X,Y of the picture (from the top\n"
           "                    left) as one JSON object on its own line; repeatable\n"
           "  --lang ja|en      the language of the messages (default: the language chosen in\n"
           "                    the window, else Japanese for ja, C and POSIX locales and\n"
           "                    English for any other)\n"
           "  --help            show this text\n"
           "  --version         show the version\n"
           "\n"
           "Messages go to standard error. Exit status: 0 on success, 1 on failure.\n";
}

} // namespace vellum
