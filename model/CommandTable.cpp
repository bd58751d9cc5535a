#include "model/CommandTable.h"

#include "common/Codes.h"

#include <algorithm>

namespace vellum {
namespace {

using R = EnableRule;
using Kind = MenuEntry::Kind;

MenuEntry item(int id, std::string_view caption) { return MenuEntry{Kind::Command, id, caption, {}}; }
MenuEntry separator() { return MenuEntry{Kind::Separator, 0, {}, {}}; }
MenuEntry submenu(std::string_view caption, std::vector<MenuEntry> items) {
    return MenuEntry{Kind::Submenu, 0, caption, std::move(items)};
}

std::vector<CommandInfo> makeTable() {
    return {
        {57600, R::Always, {"Ctrl+N", ""}, "新規にファイルを作成\n新規ファイル"},
        {57601, R::Always, {"Ctrl+O", ""}, ""},
        {153, R::Always, {"Ctrl+Shift+L", ""}, "ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを開きます"},
        {57603, R::Never, {"", ""}, "作業中のファイルを上書きして保存\n保存"},
        {57604, R::Never, {"", ""}, "作業中のファイルを新しい名前で保存\n名前をつけて保存"},
        {154, R::Always, {"Ctrl+Shift+V", ""}, "視覚設定を読み込みます"},
        {270, R::Always, {"Ctrl+B", ""}, "バックアップファイルを開きます"},
        {272, R::Always, {"", ""}, "STLフォーマット形式のファイルを開きます"},
        {155, R::Loaded, {"Ctrl+S", ""}, "画像として保存します"},
        {274, R::Loaded, {"", ""}, "節点ファイルを出力します"},
        {156, R::Loaded, {"", ""}, "要素ﾌｧｲﾙを出力します"},
        {157, R::Loaded, {"Ctrl+L", ""}, "ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを出力します"},
        {158, R::Loaded, {"Ctrl+V", ""}, "視覚設定を出力します"},
        {57607, R::Never, {"Ctrl+P", ""}, "作業中のファイルを印刷\n印刷"},
        {57609, R::Never, {"", ""}, "印刷イメージを表示\n印刷プレビュー"},
        {57606, R::Never, {"", ""}, "プリンタおよび印刷オプションの変更\n印刷設定"},
        {57616, R::Never, {"", ""}, "指定のファイルを開く"},
        {57665, R::Always, {"", ""}, "アプリケーションを終了し、ファイルの保存を指示\n終了"},
        {57643, R::NoHandler, {"Ctrl+Z", "Alt+Backspace"}, "直前に行った動作を元に戻す\n元に戻す"},
        {57635, R::NoHandler, {"Shift+Del", ""}, "選択範囲を切り取ってクリップボードに保存\n切り取り"},
        {57634, R::Always, {"Ctrl+C", "Ctrl+Ins"}, "ビットマップ形式でコピーしてクリップボードに保存\n保存"},
        {57637, R::NoHandler, {"Shift+Ins", ""}, "クリップボードの内容を貼り付け\n貼り付け"},
        {59392, R::Always, {"", ""}, "ツール バーの 表示/非表示\nツール バーの表示切り替え"},
        {59393, R::Always, {"", ""}, "ステータス バーの 表示/非表示\nステータス バーの表示切り替え"},
        {142, R::LoadedWithData, {"Ctrl+X", ""}, "描画列を変更します"},
        {144, R::Loaded, {"Ctrl+F", ""}, "視覚設定を変更します"},
        {145, R::Loaded, {"Ctrl+D", ""}, "断面表示をします"},
        {146, R::Loaded, {"Ctrl+E", ""}, "特定要素の表示をします"},
        {147, R::Always, {"", ""}, "windowの変更をします"},
        {148, R::Always, {"", ""}, "パスの登録"},
        {149, R::Always, {"", ""}, "視覚保存設定を変更"},
        {57664, R::Always, {"", ""}, "プログラム情報、バージョン、著作権を表示します。\nバージョン情報"},
        {150, R::Always, {"", ""}, "最新版をチェック"},
        // The view commands.
        {200, R::Loaded, {"Ctrl+R", ""}, "視点を初期化します"},
        {267, R::Loaded, {"", ""}, ""},
        {201, R::Loaded, {"", ""}, "等角表示"},
        {202, R::Loaded, {"", ""}, "１２平面投影"},
        {203, R::Loaded, {"", ""}, "２３平面投影"},
        {204, R::Loaded, {"", ""}, "３１平面投影"},
        {205, R::Loaded, {"", ""}, "１軸回りに回転"},
        {206, R::Loaded, {"", ""}, "１軸回りに回転"},
        {207, R::Loaded, {"", ""}, "２軸回りに回転"},
        {208, R::Loaded, {"", ""}, "２軸回りに回転"},
        {209, R::Loaded, {"", ""}, "３軸回りに回転"},
        {210, R::Loaded, {"", ""}, "３軸回りに回転"},
        {265, R::Loaded, {"", ""}, "ｸﾞﾗﾌを拡大"},
        {266, R::Loaded, {"", ""}, "ｸﾞﾗﾌを縮小"},
        // The mouse modes.
        {224, R::Loaded, {"", ""}, ""}, {225, R::Loaded, {"", ""}, ""}, {226, R::Loaded, {"", ""}, ""},
        {227, R::Loaded, {"", ""}, ""}, {228, R::Loaded, {"", ""}, ""}, {229, R::Loaded, {"", ""}, ""},
        {230, R::Loaded, {"", ""}, ""}, {231, R::Loaded, {"", ""}, ""}, {232, R::Loaded, {"", ""}, ""},
        {233, R::Loaded, {"", ""}, ""}, {234, R::Loaded, {"", ""}, ""}, {235, R::Loaded, {"", ""}, ""},
        {236, R::Loaded, {"", ""}, ""}, {237, R::Loaded, {"", ""}, ""}, {238, R::Loaded, {"", ""}, ""},
        {223, R::Loaded, {"", ""}, ""},
        // The settings sheet at a given page.
        {178, R::Loaded, {"", ""}, ""}, {179, R::Loaded, {"", ""}, ""}, {180, R::Loaded, {"", ""}, ""},
        {181, R::Loaded, {"", ""}, ""}, {182, R::Loaded, {"", ""}, ""}, {268, R::Loaded, {"", ""}, ""},
        {183, R::Loaded, {"", ""}, ""}, {184, R::Loaded, {"", ""}, ""}, {185, R::Loaded, {"", ""}, ""},
        // Next and previous pane: keys without a handler.
        {57680, R::NoHandler, {"F6", ""}, ""},
        {57681, R::NoHandler, {"Shift+F6", ""}, ""},
        // Probes: the pinned values, their copy as text, the extremes' markers.
        {300, R::Loaded, {"", ""}, "ピン留めした値"},
        {301, R::Loaded, {"Ctrl+Shift+C", ""}, ""},
        {302, R::Loaded, {"", ""}, "最大値・最小値を表示"},
        // Result series.
        {310, R::LoadedWithSeries, {"PgDown", ""}, "次のステップを表示します"},
        {311, R::LoadedWithSeries, {"PgUp", ""}, "前のステップを表示します"},
        {312, R::LoadedWithSeries, {"Home", ""}, "最初のステップを表示します"},
        {313, R::LoadedWithSeries, {"End", ""}, "最後のステップを表示します"},
        {314, R::LoadedWithSeries, {"Space", ""}, "ステップを順に表示します\n再生/停止"},
        // In a menu, which every loaded graph enables; without a series it does nothing.
        {315, R::Loaded, {"", ""}, "凡例の範囲をシリーズの全ステップで固定します"},
    };
}

std::vector<MenuEntry> importMenu() {
    return {item(153, "コマンドラインファイル(&C)"), item(154, "視覚設定ファイル(&V)"),
            item(270, "バックアップファイル(&B)"), item(272, "STLフォーマットファイル(&S)")};
}

std::vector<MenuEntry> exportMenu() {
    return {item(155, "イメージ(&I)"), item(274, "節点ファイル(&P)"), item(156, "要素ファイル(&E)"),
            item(157, "コマンドラインファイル(&C)"), item(158, "視覚設定ファイル(&V)")};
}

std::vector<MenuEntry> sheetPagesMenu() {
    return {item(178, "グラフの種類(&S)"), item(179, "グラフオプション(&O)"), item(180, "グラフポジション(&P)"),
            item(181, "カラー(&C)"),       item(182, "グリッド(&G)"),         item(268, "グリッド値"),
            item(183, "凡例(&H)"),         item(184, "座標軸(&Z)"),           item(185, "ラベル(&L)")};
}

std::vector<MenuEntry> presetViewsMenu() {
    return {item(201, "等角(&0)"), item(202, "12平面(&1)"), item(203, "23平面(&2)"), item(204, "31平面(&3)")};
}

std::vector<MenuEntry> rotationsMenu() {
    return {item(205, "1軸回転＋(&4)"), item(206, "1軸回転－(&5)"), item(207, "2軸回転＋(&6)"),
            item(208, "2軸回転－(&7)"), item(209, "3軸回転＋(&8)"), item(210, "3軸回転－(&9)")};
}

std::vector<MenuEntry> mouseModesMenu() {
    return {
        submenu("グラフ(&G)", {item(224, "12軸回転(&1)"), item(225, "3軸回転(&3)"), item(226, "平行移動(&H)"),
                              item(227, "拡大縮小(&S)")}),
        submenu("凡例(&H)", {item(228, "平行移動(&H)"), item(229, "拡大縮小(&S)")}),
        submenu("座標軸(&Z)", {item(230, "平行移動(&H)"), item(231, "拡大縮小(&S)")}),
        submenu("グリッドの値(&V)", {item(232, "1軸の値の平行移動(&1)"), item(233, "2軸の値の平行移動(&2)"),
                                     item(234, "3軸の値の平行移動(&3)")}),
        submenu("ラベル(&L)", {item(235, "グラフタイトルの平行移動(&0)"), item(236, "1軸ラベルの平行移動(&1)"),
                               item(237, "2軸ラベルの平行移動(&2)"), item(238, "3軸ラベルの平行移動(&3)")}),
        item(223, "選択範囲を拡大(&S)"),
    };
}

std::vector<MenuEntry> makeMainMenu() {
    std::vector<MenuEntry> viewChange = presetViewsMenu();
    viewChange.insert(viewChange.begin(), {item(200, "初期化(&I)"), item(267, "再描画(&R)"), separator()});
    viewChange.push_back(separator());
    for (MenuEntry& e : rotationsMenu()) viewChange.push_back(std::move(e));
    viewChange.push_back(separator());
    viewChange.push_back(submenu("拡大縮小(&Z)", {item(265, "拡大(&U)"), item(266, "縮小(&S)")}));
    return {
        submenu("ファイル(&F)",
                {item(57600, "新規作成\tCtrl+N(&N)"), item(153, "開く...\tCtrl+O(&O)"),
                 item(57603, "上書き保存\tCtrl+S(&S)"), item(57604, "名前を付けて保存(&A)..."), separator(),
                 submenu("インポート(&I)", importMenu()), submenu("エクスポート(&E)", exportMenu()), separator(),
                 item(57607, "印刷...\tCtrl+P(&P)"), item(57609, "印刷プレビュー(&V)"),
                 item(57606, "プリンタの設定(&R)..."), separator(), item(57616, "最近使ったファイル"), separator(),
                 item(57665, "アプリケーションの終了(&X)")}),
        submenu("編集(&E)", {item(57643, "元に戻す\tCtrl+Z(&U)"), separator(), item(57635, "切り取り\tCtrl+X(&T)"),
                             item(57634, "コピー\tCtrl+C(&C)"), item(57637, "貼り付け\tCtrl+V(&P)")}),
        submenu("表示(&V)", {item(59392, "ツール バー(&T)"), item(59393, "ステータス バー(&S)"), separator(),
                             item(302, "最大値・最小値を表示"), item(315, "凡例範囲をシリーズ全体で固定")}),
        submenu("各種設定(&S)", {item(142, "データ列の変更(&D)"), item(144, "視覚設定(&V)"), item(145, "断面表示(&C)"),
                                 item(146, "特定要素の表示(&E)"), item(300, "ピン留めした値"), separator(),
                                 item(147, "windowの変更(&W)")}),
        submenu("視点変更(&C)", std::move(viewChange)),
        submenu("マウス設定(&M)", mouseModesMenu()),
        submenu("オプション(&O)", {item(148, "パスの編集(&P)"), item(149, "視覚保存設定(&V)")}),
        submenu("ヘルプ(&H)", {item(57664, "バージョン情報 vellumPLOT(&A)..."), item(150, "Webへ移動(&W)")}),
    };
}

std::vector<MenuEntry> makeContextMenu() {
    // The toolbar's page menu stays the sheet's pages alone; the right button adds the pins.
    std::vector<MenuEntry> settings = sheetPagesMenu();
    settings.push_back(separator());
    settings.push_back(item(300, "ピン留めした値"));
    return {item(200, "視点を初期化(&I)"), separator(),          submenu("各種設定(&S)", std::move(settings)),
            item(145, "断面表示(&C)"),     item(146, "特定要素の表示(&E)"), separator(),
            submenu("インポート(&I)", importMenu()), submenu("エクスポート(&E)", exportMenu())};
}

std::string_view findCaption(const std::vector<MenuEntry>& entries, int id) {
    for (const MenuEntry& e : entries) {
        if (e.kind == Kind::Command && e.id == id) return e.caption;
        if (e.kind == Kind::Submenu) {
            const std::string_view found = findCaption(e.items, id);
            if (!found.empty()) return found;
        }
    }
    return {};
}

} // namespace

bool commandEnabled(EnableRule rule, const CommandState& state) {
    switch (rule) {
    case EnableRule::Always: return true;
    case EnableRule::Loaded: return state.loaded;
    case EnableRule::LoadedWithData: return state.loaded && state.dataType != kNoDataFile;
    case EnableRule::LoadedWithSeries: return state.loaded && state.series;
    case EnableRule::Never:
    case EnableRule::NoHandler: return false;
    }
    return false;
}

const std::vector<CommandInfo>& commandTable() {
    static const std::vector<CommandInfo> table = makeTable();
    return table;
}

const CommandInfo* findCommand(int id) {
    const auto& table = commandTable();
    const auto it = std::find_if(table.begin(), table.end(), [id](const CommandInfo& c) { return c.id == id; });
    return it == table.end() ? nullptr : &*it;
}

std::string_view statusTextOf(const CommandInfo& command) {
    const size_t newline = command.statusText.find('\n');
    return command.statusText.substr(0, newline);
}

std::string_view tooltipOf(const CommandInfo& command) {
    const size_t newline = command.statusText.find('\n');
    return newline == std::string_view::npos ? command.statusText : command.statusText.substr(newline + 1);
}

const std::vector<MenuEntry>& mainMenu() {
    static const std::vector<MenuEntry> menu = makeMainMenu();
    return menu;
}

const std::vector<MenuEntry>& contextMenu() {
    static const std::vector<MenuEntry> menu = makeContextMenu();
    return menu;
}

const std::vector<MenuEntry>& dropDownMenu(int buttonId) {
    static const std::vector<MenuEntry> pages = sheetPagesMenu(), views = presetViewsMenu(),
                                        rotations = rotationsMenu(), modes = mouseModesMenu(), none;
    switch (buttonId) {
    case 144: return pages;
    case 201: return views;
    case 209: return rotations;
    case 224: return modes;
    default: return none;
    }
}

const std::vector<int>& toolbarButtons() {
    static const std::vector<int> buttons{57600, 153, 270, 0, 155, 0, 57634, 0, 142, 144, 0, 145, 146, 0,
                                          200,   267, 0,   150, 0, 201, 209, 265, 266, 0, 224};
    return buttons;
}

std::string_view captionOf(int id) { return findCaption(mainMenu(), id); }

} // namespace vellum
