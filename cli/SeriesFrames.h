#pragma once
// The frames of a result series: every step of the loaded series drawn as a picture, the
// pictures named by a printf pattern ("frames/f_%04d.png", numbered from 1 in series
// order), or gathered into one animation when the pattern ends in ".webp" or ".gif".
#include <ostream>
#include <string>

namespace vellum {

class Document;
struct FontLocation;
class Ui;

struct SeriesFramesRequest {
    std::string pattern; // absolute
    int width = 0, height = 0;
    int fps = 10;
    // Each frame `scale` times larger (1 to 8), smoothed when `antialias`.
    int scale = 1;
    bool antialias = false;
    const FontLocation* font = nullptr;
    // Only the steps k (from 1) with (k - 1) mod shardCount = shardIndex; frames keep the
    // series' own numbers.
    int shardIndex = 0, shardCount = 1;
    // A fixed legend range given from outside, so that every shard uses the same one.
    bool givenRange = false;
    double rangeMinimum = 0.0, rangeMaximum = 0.0;
};

// Checks the steps (an unfit one is named and left out), then draws every step on all
// cores, each with its own copy of the mesh and its own context. 0 when every frame was
// written; 1 after the messages otherwise.
int writeSeriesFrames(Document& document, const SeriesFramesRequest& request, Ui& ui);

// Prints the fixed legend range of the series' fitting steps as one JSON line
// {"min": x, "max": y} on `out`, found in one pass that keeps no step. 0, or 1 after the
// messages.
int printSeriesRange(Document& document, Ui& ui, std::ostream& out);

// The file name of frame `number` (from 1): the pattern's one integer conversion
// ("%d", "%04d", ...) filled in; "%%" stands for "%". Empty when the pattern has no such
// conversion or another one.
std::string frameFileName(const std::string& pattern, int number);

} // namespace vellum
