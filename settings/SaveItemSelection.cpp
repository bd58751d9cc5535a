#include "settings/SaveItemSelection.h"

#include "settings/Profile.h"

namespace vellum {

namespace {
constexpr std::string_view kSection = "SAVEVIEW";

constexpr std::array<SaveItemInfo, kSaveItemCount> kTable{{
    {"graph0", 0, 1013, "グラフスタイル", true, SaveItem::graph0},
    {"graph1", 1, 1014, "グラフの種類", false, SaveItem::graph0},
    {"graph2", 1, 1023, "３軸の値", false, SaveItem::graph0},
    {"graph8", 1, 1087, "垂線の設定", false, SaveItem::graph0},
    {"graph7", 0, 1028, "グラフオプション", true, SaveItem::graph7},
    {"graph3", 1, 1029, "ﾜｲﾔｰﾌﾚｰﾑの設定", false, SaveItem::graph7},
    {"graph4", 1, 1033, "等高線の設定", false, SaveItem::graph7},
    {"graph5", 1, 1034, "ポイントの設定", false, SaveItem::graph7},
    {"graph6", 1, 1035, "ベクトルの設定", false, SaveItem::graph7},
    {"graph9", 0, 1089, "投影図ｵﾌﾟｼｮﾝ", true, SaveItem::graph9},
    {"graph10", 1, 1090, "ﾜｲﾔｰﾌﾚｰﾑの設定", false, SaveItem::graph9},
    {"graph11", 1, 1091, "等高線の設定", false, SaveItem::graph9},
    {"graph12", 1, 1092, "ポイントの設定", false, SaveItem::graph9},
    {"graph13", 1, 1093, "ベクトルの設定", false, SaveItem::graph9},
    {"graphpos0", 0, 1036, "グラフポジション", true, SaveItem::graphpos0},
    {"graphpos1", 1, 1037, "回転角", false, SaveItem::graphpos0},
    {"graphpos2", 1, 1052, "平行位置", false, SaveItem::graphpos0},
    {"graphpos3", 1, 1053, "拡大率", false, SaveItem::graphpos0},
    {"graphpos5", 1, 1075, "ｳｨﾝﾄﾞｳ設定", true, SaveItem::graphpos5},
    {"graphpos4", 0, 1076, "ｳｨﾝﾄﾞｳｻｲｽﾞ", false, SaveItem::graphpos5},
    {"graphpos6", 1, 1077, "背景色", false, SaveItem::graphpos5},
    {"graphcolor0", 0, 1054, "カラー", true, SaveItem::graphcolor0},
    {"graphcolor1", 1, 1055, "現在のカラー", false, SaveItem::graphcolor0},
    {"graphcolor2", 1, 1056, "オリジナルカラー", false, SaveItem::graphcolor0},
    {"graphgrid0", 0, 1078, "グリッド", true, SaveItem::graphgrid0},
    {"graphgrid1", 1, 1079, "グリッドスタイル", false, SaveItem::graphgrid0},
    {"graphgrid2", 1, 1080, "グリッドの値", false, SaveItem::graphgrid0},
    {"graphgrid3", 1, 1101, "グリッドサイズ", false, SaveItem::graphgrid0},
    {"graphhanrei0", 0, 1057, "凡例", true, SaveItem::graphhanrei0},
    {"graphhanrei1", 1, 1058, "凡例のスタイル", false, SaveItem::graphhanrei0},
    {"graphhanrei2", 1, 1059, "平行位置", false, SaveItem::graphhanrei0},
    {"graphhanrei3", 1, 1060, "凡例の値の範囲", false, SaveItem::graphhanrei0},
    {"graphzahyo0", 0, 1061, "座標軸", true, SaveItem::graphzahyo0},
    {"graphzahyo1", 1, 1062, "座標軸のスタイル", false, SaveItem::graphzahyo0},
    {"graphzahyo2", 1, 1063, "平行位置", false, SaveItem::graphzahyo0},
    {"graphzahyo3", 1, 1064, "拡大率", false, SaveItem::graphzahyo0},
    {"graphzahyo4", 1, 1065, "軸の文字", false, SaveItem::graphzahyo0},
    {"graphlabel0", 0, 1066, "ラベル", true, SaveItem::graphlabel0},
    {"graphlabel1", 1, 1067, "グラフタイトル", false, SaveItem::graphlabel0},
    {"graphlabel2", 1, 1068, "ｸﾞﾗﾌﾀｲﾄﾙ平行位置", false, SaveItem::graphlabel0},
    {"graphlabel3", 1, 1069, "１軸ラベル", false, SaveItem::graphlabel0},
    {"graphlabel4", 1, 1070, "１軸ラベル平行位置", false, SaveItem::graphlabel0},
    {"graphlabel5", 1, 1071, "２軸ラベル", false, SaveItem::graphlabel0},
    {"graphlabel6", 1, 1072, "２軸ラベル平行位置", false, SaveItem::graphlabel0},
    {"graphlabel7", 1, 1073, "３軸ラベル", false, SaveItem::graphlabel0},
    {"graphlabel8", 1, 1074, "３軸ラベル平行位置", false, SaveItem::graphlabel0},
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
