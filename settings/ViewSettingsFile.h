#pragma once
// The view settings file: a small sectioned text file (CP932, CRLF) holding the look of a
// graph. A written file holds the groups the saved-item selection names; a read applies
// whatever keys a file holds and leaves every other setting as it was.
#include "settings/SaveItemSelection.h"
#include "settings/ViewSettings.h"

#include <string>
#include <string_view>

namespace vellum {

class DataSet;
class Ui;

inline constexpr int kViewSettingsFileVersion = 230;

// The bytes of a file for `settings`, holding the groups `selection` has on.
std::string formatViewSettingsFile(const ViewSettings& settings, const SaveItemSelection& selection);

// Writes the file; the old file is replaced only once the new one is complete. 0 on
// success; 1 after showing "設定ファイルのエクスポートに失敗しました".
int writeViewSettingsFile(const std::string& path, const ViewSettings& settings,
                          const SaveItemSelection& selection, Ui& ui);

// Applies the file's bytes to `settings` (and the document values it shares), then
// derives patterns and formats and upgrades older versions. `dataSet` gives the extents
// and column statistics the upgrades need. `settings.WINDOW` should hold the frame's
// current edges: the file's WINDOW values replace them one by one.
void applyViewSettingsText(std::string_view bytes, ViewSettings& settings, const DataSet& dataSet);

// Reads the file at `path` and applies it. 0 on success; 1 after showing
// "視覚設定ファイルが開けません", with nothing changed.
int readViewSettingsFile(const std::string& path, ViewSettings& settings, const DataSet& dataSet, Ui& ui);

// Where the frame goes after a read: the WINDOW size at the WINDOW position when the frame,
// kept at its current corner, would fit the work area with that size; otherwise at (0, 0).
struct FrameRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const FrameRect&, const FrameRect&) = default;
};
FrameRect placeFrameWindow(const WindowEdges& read, int currentLeft, int currentTop, int workAreaWidth,
                           int workAreaHeight);

} // namespace vellum
