#include "model/CommandTable.h"

#include "common/Codes.h"
#include "common/Texts.h"

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
        {command::kNew, R::Always, {"Ctrl+N", ""}, TX("新規にファイルを作成\n新規ファイル")},
        {command::kOpenInert, R::Always, {"Ctrl+O", ""}, ""},
        {command::kImportCommandLine, R::Always, {"Ctrl+Shift+L", ""}, TX("ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを開きます")},
        {command::kSave, R::Never, {"", ""}, TX("作業中のファイルを上書きして保存\n保存")},
        {command::kSaveAs, R::Never, {"", ""}, TX("作業中のファイルを新しい名前で保存\n名前をつけて保存")},
        {command::kImportViewSettings, R::Always, {"Ctrl+Shift+V", ""}, TX("視覚設定を読み込みます")},
        {command::kImportBackup, R::Always, {"Ctrl+B", ""}, TX("バックアップファイルを開きます")},
        {command::kImportStl, R::Always, {"", ""}, TX("STLフォーマット形式のファイルを開きます")},
        {command::kExportImage, R::Loaded, {"Ctrl+S", ""}, TX("画像として保存します")},
        {command::kExportNodes, R::Loaded, {"", ""}, TX("節点ファイルを出力します")},
        {command::kExportElements, R::Loaded, {"", ""}, TX("要素ﾌｧｲﾙを出力します")},
        {command::kExportCommandLine, R::Loaded, {"Ctrl+L", ""}, TX("ｺﾏﾝﾄﾞﾗｲﾝﾌｧｲﾙを出力します")},
        {command::kExportViewSettings, R::Loaded, {"Ctrl+V", ""}, TX("視覚設定を出力します")},
        {command::kPrint, R::Never, {"Ctrl+P", ""}, TX("作業中のファイルを印刷\n印刷")},
        {command::kPrintPreview, R::Never, {"", ""}, TX("印刷イメージを表示\n印刷プレビュー")},
        {command::kPrintSetup, R::Never, {"", ""}, TX("プリンタおよび印刷オプションの変更\n印刷設定")},
        {command::kRecentFiles, R::Never, {"", ""}, TX("指定のファイルを開く")},
        {command::kExit, R::Always, {"", ""}, TX("アプリケーションを終了し、ファイルの保存を指示\n終了")},
        {command::kUndo, R::NoHandler, {"Ctrl+Z", "Alt+Backspace"}, TX("直前に行った動作を元に戻す\n元に戻す")},
        {command::kCut, R::NoHandler, {"Shift+Del", ""}, TX("選択範囲を切り取ってクリップボードに保存\n切り取り")},
        {command::kCopy, R::Always, {"Ctrl+C", "Ctrl+Ins"}, TX("ビットマップ形式でコピーしてクリップボードに保存\n保存")},
        {command::kPaste, R::NoHandler, {"Shift+Ins", ""}, TX("クリップボードの内容を貼り付け\n貼り付け")},
        {command::kToolbar, R::Always, {"", ""}, TX("ツール バーの 表示/非表示\nツール バーの表示切り替え")},
        {command::kStatusBar, R::Always, {"", ""}, TX("ステータス バーの 表示/非表示\nステータス バーの表示切り替え")},
        {command::kChangeColumn, R::LoadedWithData, {"Ctrl+X", ""}, TX("描画列を変更します")},
        {command::kSettings, R::Loaded, {"Ctrl+F", ""}, TX("視覚設定を変更します")},
        {command::kCrossSection, R::Loaded, {"Ctrl+D", ""}, TX("断面表示をします")},
        {command::kSpecificElements, R::Loaded, {"Ctrl+E", ""}, TX("特定要素の表示をします")},
        {command::kWindow, R::Always, {"", ""}, TX("windowの変更をします")},
        {command::kEditPaths, R::Always, {"", ""}, TX("パスの登録")},
        {command::kSavedItems, R::Always, {"", ""}, TX("視覚保存設定を変更")},
        {command::kLanguageJapanese, R::Always, {"", ""}, TX("画面の表示を日本語にします")},
        {command::kLanguageEnglish, R::Always, {"", ""}, TX("画面の表示を英語にします")},
        {command::kAbout, R::Always, {"", ""}, TX("プログラム情報、バージョン、著作権を表示します。\nバージョン情報")},
        {command::kWeb, R::Always, {"", ""}, TX("最新版をチェック")},
        // The view commands.
        {command::kInitialiseView, R::Loaded, {"Ctrl+R", ""}, TX("視点を初期化します")},
        {command::kRedraw, R::Loaded, {"", ""}, ""},
        {command::kIsometricView, R::Loaded, {"", ""}, TX("等角表示")},
        {command::kPlane12View, R::Loaded, {"", ""}, TX("１２平面投影")},
        {command::kPlane23View, R::Loaded, {"", ""}, TX("２３平面投影")},
        {command::kPlane31View, R::Loaded, {"", ""}, TX("３１平面投影")},
        {command::kTurnAxis1Plus, R::Loaded, {"", ""}, TX("１軸回りに回転")},
        {command::kTurnAxis1Minus, R::Loaded, {"", ""}, TX("１軸回りに回転")},
        {command::kTurnAxis2Plus, R::Loaded, {"", ""}, TX("２軸回りに回転")},
        {command::kTurnAxis2Minus, R::Loaded, {"", ""}, TX("２軸回りに回転")},
        {command::kTurnAxis3Plus, R::Loaded, {"", ""}, TX("３軸回りに回転")},
        {command::kTurnAxis3Minus, R::Loaded, {"", ""}, TX("３軸回りに回転")},
        {command::kZoomIn, R::Loaded, {"", ""}, TX("ｸﾞﾗﾌを拡大")},
        {command::kZoomOut, R::Loaded, {"", ""}, TX("ｸﾞﾗﾌを縮小")},
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
        {command::kPinnedProbes, R::Loaded, {"", ""}, TX("ピン留めした値")},
        {command::kCopyPins, R::Loaded, {"Ctrl+Shift+C", ""}, ""},
        {command::kShowExtremes, R::Loaded, {"", ""}, TX("最大値・最小値を表示")},
        // Result series.
        {command::kNextStep, R::LoadedWithSeries, {"PgDown", ""}, TX("次のステップを表示します")},
        {command::kPreviousStep, R::LoadedWithSeries, {"PgUp", ""}, TX("前のステップを表示します")},
        {command::kFirstStep, R::LoadedWithSeries, {"Home", ""}, TX("最初のステップを表示します")},
        {command::kLastStep, R::LoadedWithSeries, {"End", ""}, TX("最後のステップを表示します")},
        {command::kPlaySeries, R::LoadedWithSeries, {"Space", ""}, TX("ステップを順に表示します\n再生/停止")},
        // In a menu, which every loaded graph enables; without a series it does nothing.
        {command::kSeriesFixedRange, R::Loaded, {"", ""}, TX("凡例の範囲をシリーズの全ステップで固定します")},
    };
}

std::vector<MenuEntry> importMenu() {
    return {item(command::kImportCommandLine, TX("コマンドラインファイル(&C)")),
            item(command::kImportViewSettings, TX("視覚設定ファイル(&V)")),
            item(command::kImportBackup, TX("バックアップファイル(&B)")),
            item(command::kImportStl, TX("STLフォーマットファイル(&S)"))};
}

std::vector<MenuEntry> exportMenu() {
    return {item(command::kExportImage, TX("イメージ(&I)")), item(command::kExportNodes, TX("節点ファイル(&P)")),
            item(command::kExportElements, TX("要素ファイル(&E)")),
            item(command::kExportCommandLine, TX("コマンドラインファイル(&C)")),
            item(command::kExportViewSettings, TX("視覚設定ファイル(&V)"))};
}

std::vector<MenuEntry> sheetPagesMenu() {
    return {item(command::kPageStyle, TX("グラフの種類(&S)")),
            item(command::kPageOptions, TX("グラフオプション(&O)")),
            item(command::kPagePosition, TX("グラフポジション(&P)")),
            item(command::kPageColour, TX("カラー(&C)")),
            item(command::kPageGrid, TX("グリッド(&G)")),
            item(command::kPageGridValues, TX("グリッド値")),
            item(command::kPageLegend, TX("凡例(&H)")),
            item(command::kPageAxes, TX("座標軸(&Z)")),
            item(command::kPageLabels, TX("ラベル(&L)"))};
}

std::vector<MenuEntry> presetViewsMenu() {
    return {item(command::kIsometricView, TX("等角(&0)")), item(command::kPlane12View, TX("12平面(&1)")),
            item(command::kPlane23View, TX("23平面(&2)")), item(command::kPlane31View, TX("31平面(&3)"))};
}

std::vector<MenuEntry> rotationsMenu() {
    return {item(command::kTurnAxis1Plus, TX("1軸回転＋(&4)")), item(command::kTurnAxis1Minus, TX("1軸回転－(&5)")),
            item(command::kTurnAxis2Plus, TX("2軸回転＋(&6)")), item(command::kTurnAxis2Minus, TX("2軸回転－(&7)")),
            item(command::kTurnAxis3Plus, TX("3軸回転＋(&8)")), item(command::kTurnAxis3Minus, TX("3軸回転－(&9)"))};
}

std::vector<MenuEntry> mouseModesMenu() {
    return {
        submenu(TX("グラフ(&G)"),
                {item(command::kMouseTurnAxes12, TX("12軸回転(&1)")), item(command::kMouseTurnAxis3, TX("3軸回転(&3)")),
                 item(command::kMouseMoveGraph, TX("平行移動(&H)")), item(command::kMouseScaleGraph, TX("拡大縮小(&S)"))}),
        submenu(TX("凡例(&H)"),
                {item(command::kMouseMoveLegend, TX("平行移動(&H)")), item(command::kMouseScaleLegend, TX("拡大縮小(&S)"))}),
        submenu(TX("座標軸(&Z)"),
                {item(command::kMouseMoveAxes, TX("平行移動(&H)")), item(command::kMouseScaleAxes, TX("拡大縮小(&S)"))}),
        submenu(TX("グリッドの値(&V)"), {item(command::kMouseMoveGridValues1, TX("1軸の値の平行移動(&1)")),
                                     item(command::kMouseMoveGridValues2, TX("2軸の値の平行移動(&2)")),
                                     item(command::kMouseMoveGridValues3, TX("3軸の値の平行移動(&3)"))}),
        submenu(TX("ラベル(&L)"), {item(command::kMouseMoveTitle, TX("グラフタイトルの平行移動(&0)")),
                               item(command::kMouseMoveLabel1, TX("1軸ラベルの平行移動(&1)")),
                               item(command::kMouseMoveLabel2, TX("2軸ラベルの平行移動(&2)")),
                               item(command::kMouseMoveLabel3, TX("3軸ラベルの平行移動(&3)"))}),
        item(command::kSelectionZoom, TX("選択範囲を拡大(&S)")),
    };
}

std::vector<MenuEntry> makeMainMenu() {
    std::vector<MenuEntry> viewChange = presetViewsMenu();
    viewChange.insert(viewChange.begin(), {item(command::kInitialiseView, TX("初期化(&I)")),
                                           item(command::kRedraw, TX("再描画(&R)")), separator()});
    viewChange.push_back(separator());
    for (MenuEntry &e : rotationsMenu())
        viewChange.push_back(std::move(e));
    viewChange.push_back(separator());
    viewChange.push_back(
        submenu(TX("拡大縮小(&Z)"), {item(command::kZoomIn, TX("拡大(&U)")), item(command::kZoomOut, TX("縮小(&S)"))}));
    return {
        submenu(TX("ファイル(&F)"),
                {item(command::kNew, TX("新規作成\tCtrl+N(&N)")), item(command::kImportCommandLine, TX("開く...\tCtrl+O(&O)")),
                 item(command::kSave, TX("上書き保存\tCtrl+S(&S)")), item(command::kSaveAs, TX("名前を付けて保存(&A)...")),
                 separator(), submenu(TX("インポート(&I)"), importMenu()), submenu(TX("エクスポート(&E)"), exportMenu()),
                 separator(), item(command::kPrint, TX("印刷...\tCtrl+P(&P)")),
                 item(command::kPrintPreview, TX("印刷プレビュー(&V)")),
                 item(command::kPrintSetup, TX("プリンタの設定(&R)...")), separator(),
                 item(command::kRecentFiles, TX("最近使ったファイル")), separator(),
                 item(command::kExit, TX("アプリケーションの終了(&X)"))}),
        submenu(TX("編集(&E)"),
                {item(command::kUndo, TX("元に戻す\tCtrl+Z(&U)")), separator(), item(command::kCut, TX("切り取り\tCtrl+X(&T)")),
                 item(command::kCopy, TX("コピー\tCtrl+C(&C)")), item(command::kPaste, TX("貼り付け\tCtrl+V(&P)"))}),
        submenu(TX("表示(&V)"),
                {item(command::kToolbar, TX("ツール バー(&T)")), item(command::kStatusBar, TX("ステータス バー(&S)")),
                 separator(), item(command::kShowExtremes, TX("最大値・最小値を表示")),
                 item(command::kSeriesFixedRange, TX("凡例範囲をシリーズ全体で固定"))}),
        submenu(TX("各種設定(&S)"),
                {item(command::kChangeColumn, TX("データ列の変更(&D)")), item(command::kSettings, TX("視覚設定(&V)")),
                 item(command::kCrossSection, TX("断面表示(&C)")), item(command::kSpecificElements, TX("特定要素の表示(&E)")),
                 item(command::kPinnedProbes, TX("ピン留めした値")), separator(),
                 item(command::kWindow, TX("windowの変更(&W)"))}),
        submenu(TX("視点変更(&C)"), std::move(viewChange)),
        submenu(TX("マウス設定(&M)"), mouseModesMenu()),
        submenu(TX("オプション(&O)"),
                {item(command::kEditPaths, TX("パスの編集(&P)")), item(command::kSavedItems, TX("視覚保存設定(&V)")),
                 separator(),
                 // Each language by its own name, so that a person who cannot read the
                 // other one still finds theirs: these two captions are never translated.
                 submenu(TX("言語(&L)"), {item(command::kLanguageJapanese, "日本語(&J)"),
                                          item(command::kLanguageEnglish, "English(&E)")})}),
        submenu(TX("ヘルプ(&H)"),
                {item(command::kAbout, TX("バージョン情報 vellumPLOT(&A)...")), item(command::kWeb, TX("Webへ移動(&W)"))}),
    };
}

std::vector<MenuEntry> makeContextMenu() {
    // The toolbar's page menu stays the sheet's pages alone; the right button adds the pins.
    std::vector<MenuEntry> settings = sheetPagesMenu();
    settings.push_back(separator());
    settings.push_back(item(command::kPinnedProbes, TX("ピン留めした値")));
    return {item(command::kInitialiseView, TX("視点を初期化(&I)")),
            separator(),
            submenu(TX("各種設定(&S)"), std::move(settings)),
            item(command::kCrossSection, TX("断面表示(&C)")),
            item(command::kSpecificElements, TX("特定要素の表示(&E)")),
            separator(),
            submenu(TX("インポート(&I)"), importMenu()),
            submenu(TX("エクスポート(&E)"), exportMenu())};
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

namespace {

// The two parts of a status text; translated as a whole, since the table holds the
// status text and the tooltip as one source text.
std::string_view statusPart(std::string_view text) { return text.substr(0, text.find('\n')); }
std::string_view tooltipPart(std::string_view text) {
    const size_t newline = text.find('\n');
    return newline == std::string_view::npos ? text : text.substr(newline + 1);
}

} // namespace

std::string_view statusTextOf(const CommandInfo &command) { return statusPart(command.statusText); }
std::string_view tooltipOf(const CommandInfo &command) { return tooltipPart(command.statusText); }
std::string_view shownStatusTextOf(const CommandInfo &command) { return statusPart(shownText(command.statusText)); }
std::string_view shownTooltipOf(const CommandInfo &command) { return tooltipPart(shownText(command.statusText)); }

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
