#include "common/Encoding.h"
#include "common/FileIo.h"
#include "common/Numbers.h"
#include "common/Texts.h"
#include "common/Ui.h"
#include "settings/ViewSettingsFile.h"
#include "settings/ViewSettingsFileKeys.h"

namespace vellum {

namespace {

using Kind = ViewFileValueKind;

void appendInt(std::string& line, int value) { line += formatC(" %d", value); }
void appendReal(std::string& line, double value) { line += formatC(" %f", value); }

// A line break inside a text would end the line early and make the rest read as a key.
void appendText(std::string& line, const std::string& text) {
    line += ' ';
    for (char c : text) line += (c == '\r' || c == '\n') ? ' ' : c;
}

// "KEY=" and the values, each after one blank, as the reader splits them.
std::string keyLine(const ViewFileKey& k) {
    std::string line(k.key);
    line += '=';
    switch (k.kind) {
    case Kind::Int: appendInt(line, *k.ints); break;
    case Kind::Real: appendReal(line, *k.reals); break;
    case Kind::Colour:
        appendInt(line, k.colour->red);
        appendInt(line, k.colour->green);
        appendInt(line, k.colour->blue);
        break;
    case Kind::Ints:
    case Kind::GridOn:
        for (size_t i = 0; i < k.count; ++i) appendInt(line, k.ints[i]);
        break;
    case Kind::Reals:
    case Kind::Range:
        for (size_t i = 0; i < k.count; ++i) appendReal(line, k.reals[i]);
        break;
    case Kind::RestText: appendText(line, *k.texts); break;
    case Kind::Names:
        for (size_t i = 0; i < k.count; ++i) appendText(line, k.texts[i]);
        break;
    case Kind::LabelPos:
        for (size_t i = 0; i < 3; ++i) appendReal(line, k.reals[i]);
        appendInt(line, *k.ints);
        break;
    case Kind::Window:
        appendInt(line, k.window->right);
        appendInt(line, k.window->left);
        appendInt(line, k.window->top);
        appendInt(line, k.window->bottom);
        appendInt(line, k.window->show);
        break;
    }
    return line;
}

} // namespace

std::string formatViewSettingsFile(const ViewSettings& settings, const SaveItemSelection& selection) {
    // The key list binds to mutable fields; a copy keeps the caller's record untouched
    // (it shares the document values, which the writer only reads).
    ViewSettings copy = settings;
    int version = kViewSettingsFileVersion;
    const std::vector<ViewFileKey> keys = viewFileKeys(copy, version);

    std::string text;
    size_t next = 0;
    for (size_t section = 0; section < kViewFileSectionCount; ++section) {
        if (!viewFileSectionInUse(static_cast<ViewFileSection>(section), settings)) {
            while (next < keys.size() && static_cast<size_t>(keys[next].section) == section) ++next;
            continue;
        }
        text += kViewFileSectionHeaders[section];
        text += "\r\n";
        for (; next < keys.size() && static_cast<size_t>(keys[next].section) == section; ++next) {
            const ViewFileKey& k = keys[next];
            if (!k.always && !selection.on(k.item)) continue;
            // Texts may hold characters CP932 lacks; those become "?".
            text += utf8ToCp932(keyLine(k));
            text += "\r\n";
        }
    }
    return text;
}

int writeViewSettingsFile(const std::string& path, const ViewSettings& settings,
                          const SaveItemSelection& selection, Ui& ui) {
    if (!writeFileAtomically(path, formatViewSettingsFile(settings, selection))) {
        ui.showMessage(TX("設定ファイルのエクスポートに失敗しました"));
        return 1;
    }
    return 0;
}

} // namespace vellum
