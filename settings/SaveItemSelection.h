#pragma once
// Which groups of settings a written view settings file contains: 46 flags kept in the
// profile section "SAVEVIEW". Ten are group flags that only steer the dialog's check boxes.
#include <array>
#include <cstddef>
#include <string_view>

namespace vellum {

class Profile;

// In the order of the saved-item dialog; each group comes before its items.
enum class SaveItem : int {
    graph0, graph1, graph2, graph8,
    graph7, graph3, graph4, graph5, graph6,
    graph9, graph10, graph11, graph12, graph13,
    graphpos0, graphpos1, graphpos2, graphpos3,
    graphpos5, graphpos4, graphpos6,
    graphcolor0, graphcolor1, graphcolor2,
    graphgrid0, graphgrid1, graphgrid2, graphgrid3,
    graphhanrei0, graphhanrei1, graphhanrei2, graphhanrei3,
    graphzahyo0, graphzahyo1, graphzahyo2, graphzahyo3, graphzahyo4,
    graphlabel0, graphlabel1, graphlabel2, graphlabel3, graphlabel4,
    graphlabel5, graphlabel6, graphlabel7, graphlabel8,
};
inline constexpr size_t kSaveItemCount = 46;

struct SaveItemInfo {
    std::string_view profileName; // value name in section "SAVEVIEW"
    int defaultValue;
    int checkBoxId;
    std::string_view caption;
    bool isGroup;
    SaveItem group; // the group box an item belongs to; a group names itself
};

const std::array<SaveItemInfo, kSaveItemCount>& saveItemTable();
inline const SaveItemInfo& saveItemInfo(SaveItem item) { return saveItemTable()[static_cast<size_t>(item)]; }

class SaveItemSelection {
public:
    SaveItemSelection(); // every flag at its default
    // Every flag on, as the window-close backup writes.
    static SaveItemSelection allItems();

    bool on(SaveItem item) const { return flags_[static_cast<size_t>(item)] != 0; }
    int flag(SaveItem item) const { return flags_[static_cast<size_t>(item)]; }
    void set(SaveItem item, int value) { flags_[static_cast<size_t>(item)] = value; }
    // Every flag to `value`: the window-close backup saves everything.
    void setAll(int value);

    // Each flag from "SAVEVIEW", with its default where the profile holds none.
    void load(const Profile& profile);
    // All 46 flags to "SAVEVIEW"; the caller saves the profile.
    void store(Profile& profile) const;

    friend bool operator==(const SaveItemSelection&, const SaveItemSelection&) = default;

private:
    std::array<int, kSaveItemCount> flags_{};
};

} // namespace vellum
