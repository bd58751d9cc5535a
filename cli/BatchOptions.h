#pragma once
// The options of the headless program, parsed apart from the program so tests can call it.
#include "common/Language.h"

#include <optional>
#include <string>
#include <vector>

namespace vellum {

struct BatchOptions {
    std::string inputFile;   // the command-line file, or an STL file by its extension
    std::string outImage;    // --out: an image written besides (or without) ImageFile
    int width = 0;           // --size: the drawing area; 0 when not given
    int height = 0;
    bool summary = false;    // --summary: one JSON object on standard output
    // --probe X,Y (repeatable): pixels of the picture to report what lies under, in order.
    std::vector<std::pair<int, int>> probes;
    // --series PATTERN: every step of the job's series as a picture named by PATTERN (a
    // printf number), or one animation for a ".webp" or ".gif" pattern.
    std::string seriesOutput;
    bool fixedRange = false; // --fixed-range: one legend range over every step
    int fps = 10;            // --fps N: frames per second of an animation, 1 to 100
    // --shard I/N: only the steps (or listed jobs) k with (k - 1) mod N = I, so that N
    // processes together do each exactly once.
    int shardIndex = 0, shardCount = 1;
    bool hasRange = false; // --range MIN,MAX: the fixed legend range of a series, given
    double rangeMinimum = 0.0, rangeMaximum = 0.0;
    bool printRange = false; // --print-range: the series' fixed range as JSON, nothing drawn
    std::string jobsFile;    // --jobs LISTFILE: every command-line file named there, one a line
    // Report pictures: --scale N (1 to 8) draws N times larger in both directions,
    // --antialias smooths edges, --transparent writes PNG with an alpha channel.
    int scale = 1;
    bool antialias = false;
    bool transparent = false;
    // --lang ja|en: the language of the messages, over the profile's choice and the locale.
    std::optional<Language> language;
    bool help = false;
    bool version = false;
};

struct BatchOptionsParse {
    BatchOptions options;
    std::string error; // empty when the arguments were understood
};

// Parses the arguments after the program name. "--out X" and "--out=X" both work; "--"
// ends the options.
BatchOptionsParse parseBatchOptions(const std::vector<std::string>& arguments);

// Reads "X,Y": two whole numbers from 0 to 16383.
std::optional<std::pair<int, int>> parseProbePixel(const std::string& text);

// Reads "WIDTHxHEIGHT" with both numbers from 1 to 16384.
std::optional<std::pair<int, int>> parseImageSize(const std::string& text);

// The text --help prints.
std::string batchUsage();

} // namespace vellum
