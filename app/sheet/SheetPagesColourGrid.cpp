// The colour, grid and grid-value pages.
#include "app/sheet/SheetPages.h"
#include "settings/SheetPageRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vellum {
namespace {

const char* const kAxisRows[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "１軸："), QT_TRANSLATE_NOOP("SettingsSheet", "２軸："),
                                   QT_TRANSLATE_NOOP("SettingsSheet", "３軸：")};

} // namespace

ColourPage::ColourPage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent), form_(form) {
    auto* layout = new QGridLayout(this);
    const QStringList maps = shownCaptions(kColourMapCaptions);
    graphMap_ = list("colorMode", maps, form.graphMap.index, [this] { applyRules(); });
    graphInvert_ = check("colorInvert", QCoreApplication::translate("SettingsSheet", "色を反転する"), form.graphMap.invert);
    projectionMap_ = list("colorMode2", maps, form.projectionMap.index, [this] { applyRules(); });
    projectionInvert_ =
        check("colorInvert2", QCoreApplication::translate("SettingsSheet", "色を反転する"), form.projectionMap.invert);
    layout->addWidget(label(QCoreApplication::translate("SettingsSheet", "グラフの色")), 0, 0);
    layout->addWidget(graphMap_, 0, 1);
    layout->addWidget(graphInvert_, 0, 2);
    layout->addWidget(label(QCoreApplication::translate("SettingsSheet", "投影図の色")), 1, 0);
    layout->addWidget(projectionMap_, 1, 1);
    layout->addWidget(projectionInvert_, 1, 2);

    auto* userBox = groupBox(QCoreApplication::translate("SettingsSheet", "色の設定"));
    auto* user = new QVBoxLayout(userBox);
    UserColours& colours = form.look.userColours;
    minimum_ = colour("ORIGN1", QCoreApplication::translate("SettingsSheet", "最小値"), colours.ORIGN1);
    middle_ = colour("ORIGN2", QCoreApplication::translate("SettingsSheet", "中間値"), colours.ORIGN2);
    maximum_ = colour("ORIGN3", QCoreApplication::translate("SettingsSheet", "最大値"), colours.ORIGN3);
    for (QWidget* button : {minimum_, middle_, maximum_}) user->addWidget(button);
    layout->addWidget(userBox, 2, 0, 1, 3);
    layout->setRowStretch(3, 1);
    applyRules();
}

void ColourPage::showEvent(QShowEvent* event) {
    applyRules();
    SheetPage::showEvent(event);
}

void ColourPage::applyRules() {
    const ColourPageEnables e =
        colourPageEnables(form_.facts().shape, graphMap_->currentIndex(), projectionMap_->currentIndex());
    graphInvert_->setEnabled(e.graphInvert);
    minimum_->setEnabled(e.minimum);
    middle_->setEnabled(e.middle);
    maximum_->setEnabled(e.maximum);
    projectionMap_->setEnabled(e.projectionMap);
    projectionInvert_->setEnabled(e.projectionMap);
}

GridPage::GridPage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent), form_(form) {
    ViewSettings& look = form.look;
    auto* layout = new QGridLayout(this);
    layout->addWidget(check("FREESPACE",
                            QCoreApplication::translate("SettingsSheet", "グリッド面とグラフ間にスペースをあける"),
                            look.FREESPACE),
                      0, 0, 1, 2);

    auto* planeBox = groupBox(QCoreApplication::translate("SettingsSheet", "グリッドの表示"));
    auto* planes = new QGridLayout(planeBox);
    const char* planeRows[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "１２平面："),
                                QT_TRANSLATE_NOOP("SettingsSheet", "２３平面："),
                                QT_TRANSLATE_NOOP("SettingsSheet", "３１平面：")};
    for (int plane = 0; plane < 3; ++plane) {
        planes->addWidget(label(sheetCaption(planeRows[plane])), plane, 0);
        for (int side = 0; side < 2; ++side) {
            const int i = plane * 2 + side;
            // The sides are signs, the same in every language.
            planes->addWidget(check(("gridOn" + std::to_string(i)).c_str(),
                                    side == 0 ? QStringLiteral("-") : QStringLiteral("+"),
                                    look.gridOn[static_cast<size_t>(i)]),
                              plane, side + 1);
        }
    }
    layout->addWidget(planeBox, 1, 0);

    auto* lineBox = groupBox(QCoreApplication::translate("SettingsSheet", "グリッド線の設定"));
    auto* lines = new QGridLayout(lineBox);
    lines->addWidget(label(QCoreApplication::translate("SettingsSheet", "ｽﾀｲﾙ：")), 0, 1);
    lines->addWidget(label(QCoreApplication::translate("SettingsSheet", "太さ：")), 0, 2);
    lines->addWidget(label(QCoreApplication::translate("SettingsSheet", "色：")), 0, 3);
    lines->addWidget(label(QCoreApplication::translate("SettingsSheet", "外枠")), 1, 0);
    lines->addWidget(lineStyles("gridStyle", look.gridStyle), 1, 1);
    lines->addWidget(number("DWID", kLineWidth, look.DWID), 1, 2);
    lines->addWidget(colour("gridColor", QCoreApplication::translate("SettingsSheet", "設定"), look.gridColor), 1, 3);
    lines->addWidget(label(QCoreApplication::translate("SettingsSheet", "分割線")), 2, 0);
    lines->addWidget(lineStyles("STYLE2", look.STYLE2), 2, 1);
    lines->addWidget(number("DWID2", kLineWidth, look.DWID2), 2, 2);
    lines->addWidget(colour("COLOR2", QCoreApplication::translate("SettingsSheet", "設定"), look.COLOR2), 2, 3);
    layout->addWidget(lineBox, 1, 1);

    // An edit of a minimum or maximum with its "初期値" button, which writes what the data
    // give for it and changes nothing else.
    const auto withInitial = [this](QGridLayout* grid, int row, int column, const std::string& name, double& field,
                                    int axis, bool maximum) {
        NumberEdit* edit = number(name.c_str(), kAnyNumber, field);
        auto* button = new QPushButton(QCoreApplication::translate("SettingsSheet", "初期値"), this);
        button->setObjectName(QString::fromStdString(name + "Initial"));
        connect(button, &QPushButton::clicked, this, [this, edit, axis, maximum] {
            edit->setText(QString::fromStdString(gridInitialText(form_, axis, maximum)));
        });
        grid->addWidget(edit, row, column);
        grid->addWidget(button, row, column + 1);
        return QList<QWidget*>{edit, button};
    };

    auto* sizeBox = groupBox(QCoreApplication::translate("SettingsSheet", "グリッドサイズ"));
    auto* sizes = new QGridLayout(sizeBox);
    sizes->addWidget(label(QCoreApplication::translate("SettingsSheet", "最小値")), 0, 1);
    sizes->addWidget(label(QCoreApplication::translate("SettingsSheet", "最大値")), 0, 3);
    for (int axis = 0; axis < 3; ++axis) {
        const std::string n = "GRIDSIZE" + std::to_string(axis + 1);
        auto& range = look.gridSize[static_cast<size_t>(axis)];
        sizes->addWidget(label(sheetCaption(kAxisRows[axis])), axis + 1, 0);
        withInitial(sizes, axis + 1, 1, n + "min", range[0], axis, false);
        withInitial(sizes, axis + 1, 3, n + "max", range[1], axis, true);
    }
    layout->addWidget(sizeBox, 2, 0, 1, 2);

    auto* divisionBox = groupBox(QCoreApplication::translate("SettingsSheet", "分割設定"));
    auto* division = new QGridLayout(divisionBox);
    followsGridSize_ =
        check("GRIDDEV", QCoreApplication::translate("SettingsSheet", "分割の範囲をグリッドサイズに合わせる"),
              look.GRIDDEV, [this] { applyRules(); });
    divisionStyle_ = radios("DIVISIONLINESTYLE",
                            {QCoreApplication::translate("SettingsSheet", "分割数指定"),
                             QCoreApplication::translate("SettingsSheet", "値指定")},
                            look.DIVISIONLINESTYLE, [this](int) { applyRules(); });
    division->addWidget(followsGridSize_, 0, 0, 1, 7);
    division->addWidget(label(QCoreApplication::translate("SettingsSheet", "最小値")), 1, 1);
    division->addWidget(label(QCoreApplication::translate("SettingsSheet", "最大値")), 1, 3);
    division->addWidget(divisionStyle_->button(0), 1, 5);
    division->addWidget(divisionStyle_->button(1), 1, 6);
    for (int axis = 0; axis < 3; ++axis) {
        const auto a = static_cast<size_t>(axis);
        const std::string n = std::to_string(axis + 1);
        division->addWidget(label(sheetCaption(kAxisRows[axis])), axis + 2, 0);
        divisionRange_ += withInitial(division, axis + 2, 1, "DIVISIONLINEVALUE" + n + "min", look.divisionRange[a][0],
                                      axis, false);
        divisionRange_ += withInitial(division, axis + 2, 3, "DIVISIONLINEVALUE" + n + "max", look.divisionRange[a][1],
                                      axis, true);
        NumberEdit* count = number(("gridNum" + n).c_str(), kDivisionCount, look.gridNum[a]);
        NumberEdit* interval = number(("DIVISIONLINEVALUE" + n).c_str(), kAnyNumber, look.DIVISIONLINEVALUE[a]);
        division->addWidget(count, axis + 2, 5);
        division->addWidget(interval, axis + 2, 6);
        counts_ << count;
        intervals_ << interval;
    }
    layout->addWidget(divisionBox, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
    applyRules();
}

void GridPage::applyRules() {
    enableAll(divisionRange_, divisionRangeEnabled(followsGridSize_->isChecked()));
    const int style = divisionStyle_->checkedId();
    enableAll(counts_, divisionCountsEnabled(style));
    enableAll(intervals_, divisionIntervalsEnabled(style));
}

GridValuesPage::GridValuesPage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent) {
    ViewSettings& look = form.look;
    auto* layout = new QGridLayout(this);
    const char* axisValues[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "１軸"), QT_TRANSLATE_NOOP("SettingsSheet", "２軸"),
                                 QT_TRANSLATE_NOOP("SettingsSheet", "３軸")};

    auto* showBox = groupBox(QCoreApplication::translate("SettingsSheet", "軸の値の表示"));
    auto* shown = new QGridLayout(showBox);
    shown->addWidget(label(QCoreApplication::translate("SettingsSheet", "ON/OFF")), 0, 0);
    auto* moveBox = groupBox(QCoreApplication::translate("SettingsSheet", "初期位置からの移動量"));
    auto* moves = new QGridLayout(moveBox);
    auto* styleBox = groupBox(QCoreApplication::translate("SettingsSheet", "ｽﾀｲﾙ/小数桁数"));
    auto* style = new QGridLayout(styleBox);
    const char* directions[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "１軸方向"),
                                 QT_TRANSLATE_NOOP("SettingsSheet", "２軸方向"),
                                 QT_TRANSLATE_NOOP("SettingsSheet", "３軸方向")};
    for (int along = 0; along < 3; ++along) moves->addWidget(label(sheetCaption(directions[along])), 0, along + 1);
    for (int axis = 0; axis < 3; ++axis) {
        const auto a = static_cast<size_t>(axis);
        const std::string n = std::to_string(axis + 1);
        shown->addWidget(check(("gridVal" + n).c_str(), sheetCaption(axisValues[axis]), look.gridVal[a]), axis + 1, 0);
        moves->addWidget(label(sheetCaption(axisValues[axis])), axis + 1, 0);
        for (int along = 0; along < 3; ++along)
            moves->addWidget(number(("POS" + n + "_" + std::to_string(along + 1)).c_str(), kTranslation,
                                   look.gridValuePos[a][static_cast<size_t>(along)]),
                            axis + 1, along + 1);
        style->addWidget(label(sheetCaption(axisValues[axis])), axis, 0);
        style->addWidget(valueStyles(("VALSTYLE" + n).c_str(), look.VALSTYLE[a]), axis, 1);
        style->addWidget(number(("VALSHO" + n).c_str(), kDigits, look.VALSHO[a]), axis, 2);
    }
    auto* colourBox = groupBox(QCoreApplication::translate("SettingsSheet", "色の設定"));
    auto* colours = new QVBoxLayout(colourBox);
    colours->addWidget(
        colour("gridStringColor", QCoreApplication::translate("SettingsSheet", "文字色の設定"), look.gridStringColor));

    layout->addWidget(showBox, 0, 0);
    layout->addWidget(moveBox, 0, 1);
    layout->addWidget(styleBox, 1, 0);
    layout->addWidget(colourBox, 1, 1);
    layout->setRowStretch(2, 1);
}

} // namespace vellum
