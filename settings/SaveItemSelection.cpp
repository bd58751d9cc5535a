#include "settings/SaveItemSelection.h"

#include "common/Texts.h"
#include "settings/Profile.h"

namespace vellum {

namespace {
constexpr std::string_view kSection = "SAVEVIEW";

constexpr std::array<SaveItemInfo, kSaveItemCount> kTable{{
    {"graph0", 0, 1013, TX("グラフスタイル"), true, SaveItem::graph0},
    {"graph1", 1, 1014, TX("グラフの種類"), false, SaveItem::graph0},
    {"graph2", 1, 1023, TX("３軸の値"), false, SaveItem::graph0},
    {"graph8", 1, 1087, TX("垂線の設定"), false, SaveItem::graph0},
    {"graph7", 0, 1028, TX("グラフオプション"), true, SaveItem::graph7},
    {"graph3", 1, 1029, TX("ﾜｲﾔｰﾌﾚｰﾑの設定"), false, SaveItem::graph7},
    {"graph4", 1, 1033, TX("等高線の設定"), false, SaveItem::graph7},
    {"graph5", 1, 1034, TX("ポイントの設定"), false, SaveItem::graph7},
    {"graph6", 1, 1035, TX("ベクトルの設定"), false, SaveItem::graph7},
    {"graph9", 0, 1089, TX("投影図ｵﾌﾟｼｮﾝ"), true, SaveItem::graph9},
    {"graph10", 1, 1090, TX("ﾜｲﾔｰﾌﾚｰﾑの設定"), false, SaveItem::graph9},
    {"graph11", 1, 1091, TX("等高線の設定"), false, SaveItem::graph9},
    {"graph12", 1, 1092, TX("ポイントの設定"), false, SaveItem::graph9},
    {"graph13", 1, 1093, TX("ベクトルの設定"), false, SaveItem::graph9},
    {"graphpos0", 0, 1036, TX("グラフポジション"), true, SaveItem::graphpos0},
    {"graphpos1", 1, 1037, TX("回転角"), false, SaveItem::graphpos0},
    {"graphpos2", 1, 1052, TX("平行位置"), false, SaveItem::graphpos0},
    {"graphpos3", 1, 1053, TX("拡大率"), false, SaveItem::graphpos0},
    {"graphpos5", 1, 1075, TX("ｳｨﾝﾄﾞｳ設定"), true, SaveItem::graphpos5},
    {"graphpos4", 0, 1076, TX("ｳｨﾝﾄﾞｳｻｲｽﾞ"), false, SaveItem::graphpos5},
    {"graphpos6", 1, 1077, TX("背景色"), false, SaveItem::graphpos5},
    {"graphcolor0", 0, 1054, TX("カラー"), true, SaveItem::graphcolor0},
    {"graphcolor1", 1, 1055, TX("現在のカラー"), false, SaveItem::graphcolor0},
    {"graphcolor2", 1, 1056, TX("オリジナルカラー"), false, SaveItem::graphcolor0},
    {"graphgrid0", 0, 1078, TX("グリッド"), true, SaveItem::graphgrid0},
    {"graphgrid1", 1, 1079, TX("グリッドスタイル"), false, SaveItem::graphgrid0},
    {"graphgrid2", 1, 1080, TX("グリッドの値"), false, SaveItem::graphgrid0},
    {"graphgrid3", 1, 1101, TX("グリッドサイズ"), false, SaveItem::graphgrid0},
    {"graphhanrei0", 0, 1057, TX("凡例"), true, SaveItem::graphhanrei0},
    {"graphhanrei1", 1, 1058, TX("凡例のスタイル"), false, SaveItem::graphhanrei0},
    {"graphhanrei2", 1, 1059, TX("平行位置"), false, SaveItem::graphhanrei0},
    {"graphhanrei3", 1, 1060, TX("凡例の値の範囲"), false, SaveItem::graphhanrei0},
    {"graphzahyo0", 0, 1061, TX("座標軸"), true, SaveItem::graphzahyo0},
    {"graphzahyo1", 1, 1062, TX("座標軸のスタイル"), false, SaveItem::graphzahyo0},
    {"graphzahyo2", 1, 1063, TX("平行位置"), false, SaveItem::graphzahyo0},
    {"graphzahyo3", 1, 1064, TX("拡大率"), false, SaveItem::graphzahyo0},
    {"graphzahyo4", 1, 1065, TX("軸の文字"), false, SaveItem::graphzahyo0},
    {"graphlabel0", 0, 1066, TX("ラベル"), true, SaveItem::graphlabel0},
    {"graphlabel1", 1, 1067, TX("グラフタイトル"), false, SaveItem::graphlabel0},
    {"graphlabel2", 1, 1068, TX("ｸﾞﾗﾌﾀｲﾄﾙ平行位置"), false, SaveItem::graphlabel0},
    {"graphlabel3", 1, 1069, TX("１軸ラベル"), false, SaveItem::graphlabel0},
    {"graphlabel4", 1, 1070, TX("１軸ラベル平行位置"), false, SaveItem::graphlabel0},
    {"graphlabel5", 1, 1071, TX("２軸ラベル"), false, SaveItem::graphlabel0},
    {"graphlabel6", 1, 1072, TX("２軸ラベル平行位置"), false, SaveItem::graphlabel0},
    {"graphlabel7", 1, 1073, TX("３軸ラベル"), false, SaveItem::graphlabel0},
    {"graphlabel8", 1, 1074, TX("３軸ラベル平行位置"), false, SaveItem::graphlabel0},
}};
} // namespace

const std::array<SaveItemInfo, kSaveItemCount>& saveItemTable() { return kTable; }

SaveItemSelection::SaveItemSelection() {
    for (size_t i = 0; i < kSaveItemCount; ++i) flags_[i] = kTable[i].defaultValue;
}

SaveItemSelection SaveItemSelection::allItems() {
    SaveItemSelection all;
    all.setAll(1);
    return all;
}

void SaveItemSelection::setAll(int value) { flags_.fill(value); }

void SaveItemSelection::load(const Profile& profile) {
    for (size_t i = 0; i < kSaveItemCount; ++i)
        flags_[i] = profile.getInt(kSection, kTable[i].profileName, kTable[i].defaultValue);
}

void SaveItemSelection::store(Profile& profile) const {
    for (size_t i = 0; i < kSaveItemCount; ++i) profile.setInt(kSection, kTable[i].profileName, flags_[i]);
}

} // namespace vellum
