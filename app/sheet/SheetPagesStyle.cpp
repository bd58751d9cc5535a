// The style, option and position pages.
#include "app/sheet/SheetPages.h"
#include "settings/SheetPageRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vellum {
namespace {

QList<QWidget*> buttonsOf(const QButtonGroup* group) {
    QList<QWidget*> widgets;
    for (QAbstractButton* button : group->buttons()) widgets << button;
    return widgets;
}

} // namespace

StylePage::StylePage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent), form_(form) {
    ViewSettings& look = form.look;
    auto* layout = new QGridLayout(this);

    // The kind lists show what the data type can draw; a position maps to a code by them.
    const auto kindList = [this](const char* name, std::vector<KindEntry> kinds, int& field) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(name);
        for (const KindEntry& kind : kinds) combo->addItem(shownCaption(kind.caption));
        combo->setCurrentIndex(kindPosition(kinds, field));
        onStore([combo, kinds, &field] { field = kindCode(kinds, combo->currentIndex()); });
        return combo;
    };
    auto* kinds = new QGridLayout;
    kinds->addWidget(label(QCoreApplication::translate("SettingsSheet", "グラフの種類")), 0, 0);
    kinds->addWidget(kindList("MODE", graphKinds(form.facts().dataType), look.MODE), 0, 1);
    kinds->addWidget(check("HIDE", QCoreApplication::translate("SettingsSheet", "陰線処理"), look.HIDE), 0, 2);
    kinds->addWidget(label(QCoreApplication::translate("SettingsSheet", "投影図の種類")), 1, 0);
    QComboBox* projectionKind = kindList("MODE2", projectionKinds(form.facts().dataType), look.MODE2);
    QCheckBox* projectionHide = check("HIDE2", QCoreApplication::translate("SettingsSheet", "陰線処理"), look.HIDE2);
    kinds->addWidget(projectionKind, 1, 1);
    kinds->addWidget(projectionHide, 1, 2);
    projection_ = {projectionKind, projectionHide};
    layout->addLayout(kinds, 0, 0, 1, 2);

    auto* axis3Box = groupBox(QCoreApplication::translate("SettingsSheet", "３軸の値"));
    auto* axis3 = new QVBoxLayout(axis3Box);
    axis3_ = radios("DIM",
                    {QCoreApplication::translate("SettingsSheet", "すべて同じ値で描画（２次元平面グラフになります）"),
                     QCoreApplication::translate("SettingsSheet", "節点ファイルの値を用いる（デフォルト）"),
                     QCoreApplication::translate("SettingsSheet", "データファイルの値を用いる")},
                    look.DIM, [this](int source) { form_.pendingAxis3Source = source; });
    for (QAbstractButton* radio : axis3_->buttons()) axis3->addWidget(radio);
    axis3->addWidget(label(QCoreApplication::translate("SettingsSheet", "※　変更後は「グリッド」→「グリッドサイズ」でサイズを確認してください．")));
    axis3->addWidget(label(QCoreApplication::translate("SettingsSheet", "３軸のサイズは自動的には反映されません．")));
    axis3->addWidget(label(QCoreApplication::translate("SettingsSheet", "「初期値」ボタンで初期値に戻してください．")));
    layout->addWidget(axis3Box, 1, 0, 1, 2);

    auto* perpendicularBox = groupBox(QCoreApplication::translate("SettingsSheet", "垂線処理"));
    auto* perpendicular = new QVBoxLayout(perpendicularBox);
    perpendiculars_ = check("SUISEN1", QCoreApplication::translate("SettingsSheet", "節点から垂線をおろす"),
                            look.SUISEN1, [this] { applyRules(); });
    fillBetween_ = check("SUISEN2", QCoreApplication::translate("SettingsSheet", "垂線間を塗りつぶす"), look.SUISEN2);
    perpendicular->addWidget(perpendiculars_);
    perpendicular->addWidget(fillBetween_);
    perpendicular->addWidget(label(QCoreApplication::translate("SettingsSheet", "※　塗りつぶしは要素ﾃﾞｰﾀ")));
    perpendicular->addWidget(label(QCoreApplication::translate("SettingsSheet", "選択時のみ有効です．")));
    layout->addWidget(perpendicularBox, 2, 0);

    auto* lineBox = groupBox(QCoreApplication::translate("SettingsSheet", "垂線の設定"));
    auto* line = new QGridLayout(lineBox);
    NumberEdit* width = number("SUISENWIDTH", kLineWidth, look.SUISENWIDTH);
    QComboBox* style = lineStyles("SUISENSTYLE", look.SUISENSTYLE);
    ColourButton* colourButton =
        colour("SUISENCOLOR", QCoreApplication::translate("SettingsSheet", "色の設定"), look.SUISENCOLOR);
    line->addWidget(label(QCoreApplication::translate("SettingsSheet", "：太さ")), 0, 0);
    line->addWidget(width, 0, 1);
    line->addWidget(label(QCoreApplication::translate("SettingsSheet", "：スタイル")), 1, 0);
    line->addWidget(style, 1, 1);
    line->addWidget(colourButton, 2, 0, 1, 2);
    perpendicularLine_ = {width, style, colourButton};
    layout->addWidget(lineBox, 2, 1);
    // The two boxes share the width, so neither is held at the bare width of its text.
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    applyRules();
}

void StylePage::applyRules() {
    const StylePageEnables e = stylePageEnables(form_.facts(), perpendiculars_->isChecked());
    for (int source = 0; source < 3; ++source)
        axis3_->button(source)->setEnabled(e.axis3Sources[static_cast<size_t>(source)]);
    perpendiculars_->setEnabled(e.perpendiculars);
    fillBetween_->setEnabled(e.fillBetween);
    enableAll(perpendicularLine_, e.perpendicularLine);
    enableAll(projection_, e.projection);
}

OptionsPage::OptionsPage(SheetForm& form, GraphOptionSet& o, bool projection, Ui& ui, QWidget* parent)
    : SheetPage(ui, parent), form_(form), projection_(projection) {
    auto* layout = new QGridLayout(this);
    const auto rulesAfterClick = [this](int) { applyRules(); };
    const QString graphColours = QCoreApplication::translate("SettingsSheet", "現在のグラフ色に合わせる"),
                  oneColour = QCoreApplication::translate("SettingsSheet", "単色で描画");

    auto* wireBox = groupBox(QCoreApplication::translate("SettingsSheet", "ワイヤーフレーム"));
    auto* wire = new QGridLayout(wireBox);
    wire_ = radios("WIREMODE", {QCoreApplication::translate("SettingsSheet", "描画しない"), graphColours, oneColour},
                   o.WIREMODE, rulesAfterClick);
    for (int i = 0; i < 3; ++i) wire->addWidget(wire_->button(i), i, 0, 1, 2);
    wireColour_ = colour("WIRECOLOR", QCoreApplication::translate("SettingsSheet", "色の設定"), o.WIRECOLOR);
    wire->addWidget(wireColour_, 3, 0, 1, 2);
    wire->addWidget(label(QCoreApplication::translate("SettingsSheet", "：太さ")), 4, 0);
    wire->addWidget(number("WIREWID", kLineWidth, o.WIREWID), 4, 1);
    wire->addWidget(label(QCoreApplication::translate("SettingsSheet", "：スタイル")), 5, 0);
    wire->addWidget(lineStyles("WIRESTYLE", o.WIRESTYLE), 5, 1);
    layout->addWidget(wireBox, 0, 0);

    auto* contourBox = groupBox(QCoreApplication::translate("SettingsSheet", "等高線"));
    auto* contour = new QGridLayout(contourBox);
    contour_ = radios("CONTMODE", {graphColours, oneColour}, o.CONTMODE, rulesAfterClick);
    contourColour_ = colour("CONTCOLOR", QCoreApplication::translate("SettingsSheet", "色の設定"), o.CONTCOLOR);
    QCheckBox* fill = check("CONT", QCoreApplication::translate("SettingsSheet", "塗りつぶし"), o.CONT);
    NumberEdit* count = number("CONTNUM", kContourCount, o.CONTNUM);
    NumberEdit* contourWidth = number("CONTWID", kLineWidth, o.CONTWID);
    QComboBox* contourStyle = lineStyles("CONTSTYLE", o.CONTSTYLE);
    contour->addWidget(contour_->button(0), 0, 0, 1, 2);
    contour->addWidget(contour_->button(1), 1, 0, 1, 2);
    contour->addWidget(contourColour_, 2, 0, 1, 2);
    contour->addWidget(fill, 3, 0, 1, 2);
    contour->addWidget(label(QCoreApplication::translate("SettingsSheet", "：分割数")), 4, 0);
    contour->addWidget(count, 4, 1);
    contour->addWidget(label(QCoreApplication::translate("SettingsSheet", "：太さ")), 5, 0);
    contour->addWidget(contourWidth, 5, 1);
    contour->addWidget(label(QCoreApplication::translate("SettingsSheet", "：スタイル")), 6, 0);
    contour->addWidget(contourStyle, 6, 1);
    contourGroup_ = buttonsOf(contour_) + QList<QWidget*>{fill, count, contourWidth, contourStyle};
    layout->addWidget(contourBox, 0, 1);

    auto* pointBox = groupBox(QCoreApplication::translate("SettingsSheet", "ポイント"));
    auto* point = new QGridLayout(pointBox);
    point_ = radios("POINTMODE", {graphColours, oneColour}, o.POINTMODE, rulesAfterClick);
    pointColour_ = colour("POINTCOLOR", QCoreApplication::translate("SettingsSheet", "色の設定"), o.POINTCOLOR);
    QCheckBox* ball = check("POINTBALL", QCoreApplication::translate("SettingsSheet", "球で表示"), o.POINTBALL);
    QCheckBox* sizeByData = check(
        "POINTSIZEDATA", QCoreApplication::translate("SettingsSheet", "大きさをデータ値に合わせる"), o.POINTSIZEDATA);
    NumberEdit* size = number("POINTSIZE", kLineWidth, o.POINTSIZE);
    point->addWidget(point_->button(0), 0, 0, 1, 2);
    point->addWidget(point_->button(1), 1, 0, 1, 2);
    point->addWidget(pointColour_, 2, 0, 1, 2);
    point->addWidget(ball, 3, 0, 1, 2);
    point->addWidget(sizeByData, 4, 0, 1, 2);
    point->addWidget(label(QCoreApplication::translate("SettingsSheet", "：大きさ")), 5, 0);
    point->addWidget(size, 5, 1);
    pointGroup_ = buttonsOf(point_) + QList<QWidget*>{ball, sizeByData, size};
    layout->addWidget(pointBox, 1, 0);

    auto* vectorBox = groupBox(QCoreApplication::translate("SettingsSheet", "ベクトル"));
    auto* vector = new QGridLayout(vectorBox);
    vector_ = radios("VECMODE", {graphColours, oneColour}, o.VECMODE, rulesAfterClick);
    vectorColour_ = colour("VECCOLOR", QCoreApplication::translate("SettingsSheet", "色の設定"), o.VECCOLOR);
    QCheckBox* zero = check("VEC0", QCoreApplication::translate("SettingsSheet", "大きさが0.00の節点を表示する"), o.VEC0);
    QCheckBox* sameLength =
        check("VEC_COM_LEN", QCoreApplication::translate("SettingsSheet", "ベクトル長を統一する"), o.VEC_COM_LEN);
    NumberEdit* length = number("VECLEN", kLineWidth, o.VECLEN);
    NumberEdit* vectorWidth = number("VECWID", kLineWidth, o.VECWID);
    NumberEdit* head = number("VECSIZE", kLineWidth, o.VECSIZE);
    vector->addWidget(vector_->button(0), 0, 0, 1, 2);
    vector->addWidget(vector_->button(1), 1, 0, 1, 2);
    vector->addWidget(vectorColour_, 2, 0, 1, 2);
    vector->addWidget(zero, 3, 0, 1, 2);
    vector->addWidget(sameLength, 4, 0, 1, 2);
    vector->addWidget(label(QCoreApplication::translate("SettingsSheet", "：ベクトル長")), 5, 0);
    vector->addWidget(length, 5, 1);
    vector->addWidget(label(QCoreApplication::translate("SettingsSheet", "：太さ")), 6, 0);
    vector->addWidget(vectorWidth, 6, 1);
    vector->addWidget(label(QCoreApplication::translate("SettingsSheet", "：矢じりの大きさ")), 7, 0);
    vector->addWidget(head, 7, 1);
    vectorGroup_ = buttonsOf(vector_) + QList<QWidget*>{zero, vectorWidth, head};
    vectorLength_ = {sameLength, length};
    layout->addWidget(vectorBox, 1, 1);

    QLabel* note = label(shownCaption(projection ? kProjectionOptionsNote : kGraphOptionsNote));
    note->setObjectName("note");
    layout->addWidget(note, 2, 0, 1, 2);
    applyRules();
}

void OptionsPage::applyRules() {
    const OptionModes modes{wire_->checkedId(), contour_->checkedId(), point_->checkedId(), vector_->checkedId()};
    const OptionPageEnables e = optionPageEnables(form_.facts().dataType, projection_, modes);
    wire_->button(1)->setEnabled(e.wireGraphColours);
    wireColour_->setEnabled(e.wireColour);
    enableAll(contourGroup_, e.contourGroup);
    contourColour_->setEnabled(e.contourColour);
    enableAll(pointGroup_, e.pointGroup);
    pointColour_->setEnabled(e.pointColour);
    enableAll(vectorGroup_, e.vectorGroup);
    vectorColour_->setEnabled(e.vectorColour);
    enableAll(vectorLength_, e.vectorLength);
}

PositionPage::PositionPage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent) {
    ViewSettings& look = form.look;
    auto* layout = new QGridLayout(this);
    const char* axisNames[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "：１軸"),
                                QT_TRANSLATE_NOOP("SettingsSheet", "：２軸"),
                                QT_TRANSLATE_NOOP("SettingsSheet", "：３軸")};
    const char* directions[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "：１軸方向"),
                                 QT_TRANSLATE_NOOP("SettingsSheet", "：２軸方向"),
                                 QT_TRANSLATE_NOOP("SettingsSheet", "：３軸方向")};

    auto* angleBox = groupBox(QCoreApplication::translate("SettingsSheet", "回転角：0～359（整数単位）"));
    auto* angles = new QGridLayout(angleBox);
    auto* positionBox = groupBox(QCoreApplication::translate("SettingsSheet", "平行位置（小数単位）"));
    auto* positions = new QGridLayout(positionBox);
    auto* scaleBox = groupBox(QCoreApplication::translate("SettingsSheet", "拡大率（小数単位）"));
    auto* scales = new QGridLayout(scaleBox);
    scales->addWidget(label(QCoreApplication::translate("SettingsSheet", "：グラフ全体")), 0, 0);
    scales->addWidget(number("SCALE123", kGraphScale, look.SCALE123), 0, 1);
    for (int axis = 0; axis < 3; ++axis) {
        const auto a = static_cast<size_t>(axis);
        const std::string n = std::to_string(axis + 1);
        angles->addWidget(label(sheetCaption(axisNames[axis])), axis, 0);
        angles->addWidget(number(("DIGREE" + n).c_str(), kRotationAngle, form.angles[a]), axis, 1);
        positions->addWidget(label(sheetCaption(directions[axis])), axis, 0);
        positions->addWidget(number(("POSITION" + n).c_str(), kTranslation, look.POSITION[a]), axis, 1);
        scales->addWidget(label(sheetCaption(axisNames[axis])), axis + 1, 0);
        scales->addWidget(number(("SCALE" + n).c_str(), kGraphScale, look.SCALE[a]), axis + 1, 1);
    }
    layout->addWidget(angleBox, 0, 0);
    layout->addWidget(positionBox, 1, 0);
    layout->addWidget(scaleBox, 0, 1, 2, 1);
    layout->addWidget(
        check("RECTSCALE", QCoreApplication::translate("SettingsSheet", "初期ｽｹｰﾙを各軸比にする"), look.RECTSCALE), 2,
        0, 1, 2);
    layout->setRowStretch(3, 1);
}

} // namespace vellum
