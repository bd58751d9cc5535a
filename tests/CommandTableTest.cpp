#include "model/CommandTable.h"
#include "common/Codes.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace vellum {
namespace {

void collectIds(const std::vector<MenuEntry>& entries, std::set<int>& ids) {
    for (const MenuEntry& e : entries) {
        if (e.kind == MenuEntry::Kind::Command) ids.insert(e.id);
        if (e.kind == MenuEntry::Kind::Submenu) collectIds(e.items, ids);
    }
}

bool enabled(int id, bool loaded, int dataType) {
    const CommandInfo* c = findCommand(id);
    return c && commandEnabled(c->rule, CommandState{loaded, dataType});
}

TEST(CommandTable, WithoutAGraphOnlyTheOpeningAndGeneralCommandsAreEnabled) {
    for (int id : {57600, 153, 154, 270, 272, 57634, 147, 148, 149, 57664, 150, 57665, 59392, 59393})
        EXPECT_TRUE(enabled(id, false, 0)) << id;
    for (int id : {155, 274, 156, 157, 158, 142, 144, 145, 146, 178, 185, 268, 200, 267, 201, 204, 205, 210, 265,
                   266, 224, 238, 223})
        EXPECT_FALSE(enabled(id, false, 0)) << id;
    // Never handled, whatever is loaded.
    for (int id : {57603, 57604, 57607, 57609, 57606, 57616, 57643, 57635, 57637}) EXPECT_FALSE(enabled(id, true, 0)) << id;
}

TEST(CommandTable, AGraphWithoutDataEnablesAllButTheColumnChoice) {
    std::set<int> ids;
    collectIds(mainMenu(), ids);
    collectIds(contextMenu(), ids);
    for (int id : ids) {
        const CommandInfo* c = findCommand(id);
        ASSERT_NE(c, nullptr) << "menu command " << id << " is not in the table";
        if (c->rule == EnableRule::Never || c->rule == EnableRule::NoHandler) continue;
        EXPECT_EQ(enabled(id, true, kNoDataFile), id != 142) << id;
        EXPECT_TRUE(enabled(id, true, kNodeValues)) << id;
    }
}

TEST(CommandTable, KeysReachTheCommandsTheTableNames) {
    std::map<std::string, int> owner;
    for (const CommandInfo& c : commandTable())
        for (std::string_view key : c.keys)
            if (!key.empty()) {
                EXPECT_TRUE(owner.emplace(std::string(key), c.id).second) << key << " is given twice";
            }
    // The caption of "開く" shows Ctrl+O, but that key does nothing; the import has its own.
    EXPECT_EQ(owner["Ctrl+O"], 57601);
    EXPECT_EQ(findCommand(57601)->rule, EnableRule::Always);
    EXPECT_EQ(owner["Ctrl+Shift+L"], 153);
    EXPECT_EQ(owner["Ctrl+S"], 155);
    EXPECT_EQ(owner["Ctrl+Ins"], 57634);
    EXPECT_EQ(captionOf(153), "開く...\tCtrl+O(&O)");
    EXPECT_EQ(statusTextOf(*findCommand(57600)), "新規にファイルを作成");
    EXPECT_EQ(tooltipOf(*findCommand(57600)), "新規ファイル");
    EXPECT_EQ(tooltipOf(*findCommand(155)), "画像として保存します");
}

TEST(CommandTable, ToolbarAndItsDropDownMenus) {
    EXPECT_EQ(toolbarButtons(), (std::vector<int>{57600, 153, 270, 0, 155, 0, 57634, 0, 142, 144, 0, 145, 146, 0, 200,
                                                  267, 0, 150, 0, 201, 209, 265, 266, 0, 224}));
    std::set<int> pages, modes;
    collectIds(dropDownMenu(144), pages);
    collectIds(dropDownMenu(224), modes);
    EXPECT_EQ(pages, (std::set<int>{178, 179, 180, 181, 182, 183, 184, 185, 268}));
    EXPECT_EQ(modes.size(), 16u);
    EXPECT_EQ(dropDownMenu(209).size(), 6u);
    EXPECT_EQ(dropDownMenu(201).size(), 4u);
    EXPECT_TRUE(dropDownMenu(155).empty());
    ASSERT_EQ(mainMenu().size(), 8u);
    EXPECT_EQ(mainMenu()[3].caption, "各種設定(&S)");
}

} // namespace
} // namespace vellum
