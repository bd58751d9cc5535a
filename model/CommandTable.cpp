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
        {command::kNew, R::Always, {"Ctrl+N", ""}, "新規にファイルを作成\n新規ファイル"},
        {command::kOpenInert, R::Always, {"Ctrl+O", ""}, ""},
        {command::kImportCommandLine, R::Always, {"Ctrl+Shift+L", ""}, "ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを開きます"},
        {command::kSave, R::Never, {"", ""}, "作業中のファイルを上書きして保存\n保存"},
        {command::kSaveAs, R::Never, {"", ""}, "作業中のファイルを新しい名前で保存\n名前をつけて保存"},
        {command::kImportViewSettings, R::Always, {"Ctrl+Shift+V", ""}, "視覚設定を読み込みます"},
        {command::kImportBackup, R::Always, {"Ctrl+B", ""}, "バックアップファイルを開きます"},
        {command::kImportStl, R::Always, {"", ""}, "STLフォーマット形式のファイルを開きます"},
        {command::kExportImage, R::Loaded, {"Ctrl+S", ""}, "画像として保存します"},
        {command::kExportNodes, R::Loaded, {"", ""}, "節点ファイルを出力します"},
        {command::kExportElements, R::Loaded, {"", ""}, "要素ﾌｧｲﾙを出力します"},
        {command::kExportCommandLine, R::Loaded, {"Ctrl+L", ""}, "ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを出力します"},
        {command::kExportViewSettings, R::Loaded, {"Ctrl+V", ""}, "視覚設定を出力します"},
        {command::kPrint, R::Never, {"Ctrl+P", ""}, "作業中のファイルを印刷\n印刷"},
        {command::kPrintPreview, R::Never, {"", ""}, "印刷イメージを表示\n印刷プレビュー"},
        {command::kPrintSetup, R::Never, {"", ""}, "プリンタおよび印刷オプションの変更\n印刷設定"},
        {command::kRecentFiles, R::Never, {"", ""}, "指定のファイルを開く"},
        {command::kExit, R::Always, {"", ""}, "アプリケーションを終了し、ファイルの保存を指示\n終了"},
        {command::kUndo, R::NoHandler, {"Ctrl+Z", "Alt+Backspace"}, "直前に行った動作を元に戻す\n元に戻す"},
        {command::kCut, R::NoHandler, {"Shift+Del", ""}, "選択範囲を切り取ってクリップボードに保存\n切り取り"},
        {command::kCopy, R::Always, {"Ctrl+C", "Ctrl+Ins"}, "ビットマップ形式でコピーしてクリップボードに保存\n保存"},
        {command::kPaste, R::NoHandler, {"Shift+Ins", ""}, "クリップボードの内容を貼り付け\n貼り付け"},
        {command::kToolbar, R::Always, {"", ""}, "ツール バーの 表示/非表示\nツール バーの表示切り替え"},
        {command::kStatusBar, R::Always, {"", ""}, "ステータス バーの 表示/非表示\nステータス バーの表示切り替え"},
        {command::kChangeColumn, R::LoadedWithData, {"Ctrl+X", ""}, "描画列を変更します"},
        {command::kSettings, R::Loaded, {"Ctrl+F", ""}, "視覚設定を変更します"},
        {command::kCrossSection, R::Loaded, {"Ctrl+D", ""}, "断面表示をします"},
        {command::kSpecificElements, R::Loaded, {"Ctrl+E", ""}, "特定要素の表示をします"},
        {command::kWindow, R::Always, {"", ""}, "windowの変更をします"},
        {command::kEditPaths, R::Always, {"", ""}, "パスの登録"},
        {command::kSavedItems, R::Always, {"", ""}, "視覚保存設定を変更"},
        {command::kAbout, R::Always, {"", ""}, "プログラム情報、バージョン、著作権を表示します。\nバージョン情報"},
        {command::kWeb, R::Always, {"", ""}, "最新版をチェック"},
        // The view commands.
        {command::kInitialiseView, R::Loaded, {"Ctrl+R", ""}, "視点を初期化します"},
        {command::kRedraw, R::Loaded, {"", ""}, ""},
        {command::kIsometricView, R::Loaded, {"", ""}, "等角表示"},
        {command::kPlane12View, R::Loaded, {"", ""}, "１２平面投影"},
        {command::kPlane23View, R::Loaded, {"", ""}, "２３平面投影"},
        {command::kPlane31View, R::Loaded, {"", ""}, "３１平面投影"},
        {command::kTurnAxis1Plus, R::Loaded, {"", ""}, "１軸回りに回転"},
        {command::kTurnAxis1Minus, R::Loaded, {"", ""}, "１軸回りに回転"},
        {command::kTurnAxis2Plus, R::Loaded, {"", ""}, "２軸回りに回転"},
        {command::kTurnAxis2Minus, R::Loaded, {"", ""}, "２軸回りに回転"},
        {command::kTurnAxis3Plus, R::Loaded, {"", ""}, "３軸回りに回転"},
        {command::kTurnAxis3Minus, R::Loaded, {"", ""}, "３軸回りに回転"},
        {command::kZoomIn, R::Loaded, {"", ""}, "ｸﾞﾗﾌを拡大"},
        {command::kZoomOut, R::Loaded, {"", ""}, "ｸﾞﾗﾌを縮小"},
        // The mouse modes.
        {command::kMouseTurnAxes12, R::Loaded, {"", ""}, ""},
        {command::kMouseTurnAxis3, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveGraph, R::Loaded, {"", ""}, ""},
        {command::kMouseScaleGraph, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveLegend, R::Loaded, {"", ""}, ""},
        {command::kMouseScaleLegend, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveAxes, R::Loaded, {"", ""}, ""},
        {command::kMouseScaleAxes, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveGridValues1, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveGridValues2, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveGridValues3, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveTitle, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveLabel1, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveLabel2, R::Loaded, {"", ""}, ""},
        {command::kMouseMoveLabel3, R::Loaded, {"", ""}, ""},
        {command::kSelectionZoom, R::Loaded, {"", ""}, ""},
        // The settings sheet at a given page.
        {command::kPageStyle, R::Loaded, {"", ""}, ""},
        {command::kPageOptions, R::Loaded, {"", ""}, ""},
        {command::kPagePosition, R::Loaded, {"", ""}, ""},
        {command::kPageColour, R::Loaded, {"", ""}, ""},
        {command::kPageGrid, R::Loaded, {"", ""}, ""},
        {command::kPageGridValues, R::Loaded, {"", ""}, ""},
        {command::kPageLegend, R::Loaded, {"", ""}, ""},
        {command::kPageAxes, R::Loaded, {"", ""}, ""},
        {command::kPageLabels, R::Loaded, {"", ""}, ""},
        // Next and previous pane: keys without a handler.
        {command::kNextPane, R::NoHandler, {"F6", ""}, ""},
        {command::kPreviousPane, R::NoHandler, {"Shift+F6", ""}, ""},
        // Probes: the pinned values, their copy as text, the extremes' markers.
        {command::kPinnedProbes, R::Loaded, {"", ""}, "ピン留めした値"},
        {command::kCopyPins, R::Loaded, {"Ctrl+Shift+C", ""}, ""},
        {command::kShowExtremes, R::Loaded, {"", ""}, "最大値・最小値を表示"},
        // Result series.
        {command::kNextStep, R::LoadedWithSeries, {"PgDown", ""}, "次のステップを表示します"},
        {command::kPreviousStep, R::LoadedWithSeries, {"PgUp", ""}, "前のステップを表示します"},
        {command::kFirstStep, R::LoadedWithSeries, {"Home", ""}, "最初のステップを表示します"},
        {command::kLastStep, R::LoadedWithSeries, {"End", ""}, "最後のステップを表示します"},
        {command::kPlaySeries, R::LoadedWithSeries, {"Space", ""}, "ステップを順に表示します\n再生/停止"},
        // In a menu, which every loaded graph enables; without a series it does nothing.
        {command::kSeriesFixedRange, R::Loaded, {"", ""}, "凡例の範囲をシリーズの全ステップで固定します"},
    };
}

std::vector<MenuEntry> importMenu() {
    return {item(command::kImportCommandLine, "コマンドラインファイル(&C)"),
            item(command::kImportViewSettings, "視覚設定ファイル(&V)"),
            item(command::kImportBackup, "バックアップファイル(&B)"),
            item(command::kImportStl, "STLフォーマットファイル(&S)")};
}

std::vector<MenuEntry> exportMenu() {
    return {item(command::kExportImage, "イメージ(&I)"), item(command::kExportNodes, "節点ファイル(&P)"),
            item(command::kExportElements, "要素ファイル(&E)"),
            item(command::kExportCommandLine, "コマンドラインファイル(&C)"),
            item(command::kExportViewSettings, "視覚設定ファイル(&V)")};
}

std::vector<MenuEntry> sheetPagesMenu() {
    return {item(command::kPageStyle, "グラフの種類(&S)"),
            item(command::kPageOptions, "グラフオプション(&O)"),
            item(command::kPagePosition, "グラフポジション(&P)"),
            item(command::kPageColour, "カラー(&C)"),
            item(command::kPageGrid, "グリッド(&G)"),
            item(command::kPageGridValues, "グリッド値"),
            item(command::kPageLegend, "凡例(&H)"),
            item(command::kPageAxes, "座標軸(&Z)"),
            item(command::kPageLabels, "ラベル(&L)")};
}

std::vector<MenuEntry> presetViewsMenu() {
    return {item(command::kIsometricView, "等角(&0)"), item(command::kPlane12View, "12平面(&1)"),
            item(command::kPlane23View, "23平面(&2)"), item(command::kPlane31View, "31平面(&3)")};
}

std::vector<MenuEntry> rotationsMenu() {
    return {item(command::kTurnAxis1Plus, "1軸回転＋(&4)"), item(command::kTurnAxis1Minus, "1軸回転－(&5)"),
            item(command::kTurnAxis2Plus, "2軸回転＋(&6)"), item(command::kTurnAxis2Minus, "2軸回転－(&7)"),
            item(command::kTurnAxis3Plus, "3軸回転＋(&8)"), item(command::kTurnAxis3Minus, "3軸回転－(&9)")};
}

std::vector<MenuEntry> mouseModesMenu() {
    return {
        submenu("グラフ(&G)",
                {item(command::kMouseTurnAxes12, "12軸回転(&1)"), item(command::kMouseTurnAxis3, "3軸回転(&3)"),
                 item(command::kMouseMoveGraph, "平行移動(&H)"), item(command::kMouseScaleGraph, "拡大縮小(&S)")}),
        submenu("凡例(&H)",
                {item(command::kMouseMoveLegend, "平行移動(&H)"), item(command::kMouseScaleLegend, "拡大縮小(&S)")}),
        submenu("座標軸(&Z)",
                {item(command::kMouseMoveAxes, "平行移動(&H)"), item(command::kMouseScaleAxes, "拡大縮小(&S)")}),
        submenu("グリッドの値(&V)", {item(command::kMouseMoveGridValues1, "1軸の値の平行移動(&1)"),
                                     item(command::kMouseMoveGridValues2, "2軸の値の平行移動(&2)"),
                                     item(command::kMouseMoveGridValues3, "3軸の値の平行移動(&3)")}),
        submenu("ラベル(&L)", {item(command::kMouseMoveTitle, "グラフタイトルの平行移動(&0)"),
                               item(command::kMouseMoveLabel1, "1軸ラベルの平行移動(&1)"),
                               item(command::kMouseMoveLabel2, "2軸ラベルの平行移動(&2)"),
                               item(command::kMouseMoveLabel3, "3軸ラベルの平行移動(&3)")}),
        item(command::kSelectionZoom, "選択範囲を拡大(&S)"),
    };
}

std::vector<MenuEntry> makeMainMenu() {
    std::vector<MenuEntry> viewChange = presetViewsMenu();
    viewChange.insert(viewChange.begin(), {item(command::kInitialiseView, "初期化(&I)"),
                                           item(command::kRedraw, "再描画(&R)"), separator()});
    viewChange.push_back(separator());
    for (MenuEntry &e : rotationsMenu())
        viewChange.push_back(std::move(e));
    viewChange.push_back(separator());
    viewChange.push_back(
        submenu("拡大縮小(&Z)", {item(command::kZoomIn, "拡大(&U)"), item(command::kZoomOut, "縮小(&S)")}));
    return {
        submenu("ファイル(&F)",
                {item(command::kNew, "新規作成\tCtrl+N(&N)"), item(command::kImportCommandLine, "開く...\tCtrl+O(&O)"),
                 item(command::kSave, "上書き保存\tCtrl+S(&S)"), item(command::kSaveAs, "名前を付けて保存(&A)..."),
                 separator(), submenu("インポート(&I)", importMenu()), submenu("エクスポート(&E)", exportMenu()),
                 separator(), item(command::kPrint, "印刷...\tCtrl+P(&P)"),
                 item(command::kPrintPreview, "印刷プレビュー(&V)"),
                 item(command::kPrintSetup, "プリンタの設定(&R)..."), separator(),
                 item(command::kRecentFiles, "最近使ったファイル"), separator(),
                 item(command::kExit, "アプリケーションの終了(&X)")}),
        submenu("編集(&E)",
                {item(command::kUndo, "元に戻す\tCtrl+Z(&U)"), separator(), item(command::kCut, "切り取り\tCtrl+X(&T)"),
                 item(command::kCopy, "コピー\tCtrl+C(&C)"), item(command::kPaste, "貼り付け\tCtrl+V(&P)")}),
        submenu("表示(&V)",
                {item(command::kToolbar, "ツール バー(&T)"), item(command::kStatusBar, "ステータス バー(&S)"),
                 separator(), item(command::kShowExtremes, "最大値・最小値を表示"),
                 item(command::kSeriesFixedRange, "凡例範囲をシリーズ全体で固定")}),
        submenu("各種設定(&S)",
                {item(command::kChangeColumn, "データ列の変更(&D)"), item(command::kSettings, "視覚設定(&V)"),
                 item(command::kCrossSection, "断面表示(&C)"), item(command::kSpecificElements, "特定要素の表示(&E)"),
                 item(command::kPinnedProbes, "ピン留めした値"), separator(),
                 item(command::kWindow, "windowの変更(&W)")}),
        submenu("視点変更(&C)", std::move(viewChange)),
        submenu("マウス設定(&M)", mouseModesMenu()),
        submenu("オプション(&O)",
                {item(command::kEditPaths, "パスの編集(&P)"), item(command::kSavedItems, "視覚保存設定(&V)")}),
        submenu("ヘルプ(&H)",
                {item(command::kAbout, "バージョン情報 vellumPLOT(&A)..."), item(command::kWeb, "Webへ移動(&W)")}),
    };
}

std::vector<MenuEntry> makeContextMenu() {
    // The toolbar's page menu stays the sheet's pages alone; the right button adds the pins.
    std::vector<MenuEntry> settings = sheetPagesMenu();
    settings.push_back(separator());
    settings.push_back(item(command::kPinnedProbes, "ピン留めした値"));
    return {item(command::kInitialiseView, "視点を初期化(&I)"),
            separator(),
            submenu("各種設定(&S)", std::move(settings)),
            item(command::kCrossSection, "断面表示(&C)"),
            item(command::kSpecificElements, "特定要素の表示(&E)"),
            separator(),
            submenu("インポート(&I)", importMenu()),
            submenu("エクスポート(&E)", exportMenu())};
}

std::string_view findCaption(const std::vector<MenuEntry> &entries, int id) {
    for (const MenuEntry &e : entries) {
        if (e.kind == Kind::Command && e.id == id)
            return e.caption;
        if (e.kind == Kind::Submenu) {
            const std::string_view found = findCaption(e.items, id);
            if (!found.empty())
                return found;
        }
    }
    return {};
}

} // namespace

bool commandEnabled(EnableRule rule, const CommandState &state) {
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

const std::vector<CommandInfo> &commandTable() {
    static const std::vector<CommandInfo> table = makeTable();
    return table;
}

const CommandInfo *findCommand(int id) {
    const auto &table = commandTable();
    const auto it = std::find_if(table.begin(), table.end(), [id](const CommandInfo &c) { return c.id == id; });
    return it == table.end() ? nullptr : &*it;
}

std::string_view statusTextOf(const CommandInfo &command) {
    const size_t newline = command.statusText.find('\n');
    return command.statusText.substr(0, newline);
}

std::string_view tooltipOf(const CommandInfo &command) {
    const size_t newline = command.statusText.find('\n');
    return newline == std::string_view::npos ? command.statusText : command.statusText.substr(newline + 1);
}

const std::vector<MenuEntry> &mainMenu() {
    static const std::vector<MenuEntry> menu = makeMainMenu();
    return menu;
}

const std::vector<MenuEntry> &contextMenu() {
    static const std::vector<MenuEntry> menu = makeContextMenu();
    return menu;
}

const std::vector<MenuEntry> &dropDownMenu(int buttonId) {
    static const std::vector<MenuEntry> pages = sheetPagesMenu(), views = presetViewsMenu(),
                                        rotations = rotationsMenu(), modes = mouseModesMenu(), none;
    switch (buttonId) {
    case command::kSettings: return pages;
    case command::kIsometricView: return views;
    case command::kTurnAxis3Plus: return rotations;
    case command::kMouseTurnAxes12: return modes;
    default: return none;
    }
}

const std::vector<int> &toolbarButtons() {
    static const std::vector<int> buttons{command::kNew,
                                          command::kImportCommandLine,
                                          command::kImportBackup,
                                          0,
                                          command::kExportImage,
                                          0,
                                          command::kCopy,
                                          0,
                                          command::kChangeColumn,
                                          command::kSettings,
                                          0,
                                          command::kCrossSection,
                                          command::kSpecificElements,
                                          0,
                                          command::kInitialiseView,
                                          command::kRedraw,
                                          0,
                                          command::kWeb,
                                          0,
                                          command::kIsometricView,
                                          command::kTurnAxis3Plus,
                                          command::kZoomIn,
                                          command::kZoomOut,
                                          0,
                                          command::kMouseTurnAxes12};
    return buttons;
}

std::string_view captionOf(int id) { return findCaption(mainMenu(), id); }

} // namespace vellum
