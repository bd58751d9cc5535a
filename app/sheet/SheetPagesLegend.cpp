// The legend, axes and label pages.
#include "app/sheet/SheetPages.h"
#include "settings/SheetPageRules.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace vellum {
namespace {

const char* const kDirections[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "：１軸方向"),
                                     QT_TRANSLATE_NOOP("SettingsSheet", "：２軸方向"),
                                     QT_TRANSLATE_NOOP("SettingsSheet", "：３軸方向")};

} // namespace

LegendPage::LegendPage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent) {
    ViewSettings& look = form.look;
    auto* layout = new QGridLayout(this);
    layout->addWidget(
        check("legendOn1", QCoreApplication::translate("SettingsSheet", "凡例を表示する"), look.legendOn[0]), 0, 0);
    layout->addWidget(
        check("legendOn2", QCoreApplication::translate("SettingsSheet", "横向きに表示する"), look.legendOn[1]), 0, 1);

    auto* boxBox = groupBox(QCoreApplication::translate("SettingsSheet", "凡例枠の大きさ"));
    auto* box = new QGridLayout(boxBox);
    box->addWidget(label(QCoreApplication::translate("SettingsSheet", "：１軸方向（横向き表示の場合は２軸方向）")), 0, 0);
    box->addWidget(number("legendScale1", kLineWidth, look.legendScale[0]), 0, 1);
    box->addWidget(label(QCoreApplication::translate("SettingsSheet", "：２軸方向（横向き表示の場合は１軸方向）")), 1, 0);
    box->addWidget(number("legendScale2", kLineWidth, look.legendScale[1]), 1, 1);
    layout->addWidget(boxBox, 1, 0, 1, 2);

    auto* positionBox = groupBox(QCoreApplication::translate("SettingsSheet", "平行位置"));
    auto* position = new QGridLayout(positionBox);
    for (int axis = 0; axis < 3; ++axis) {
        position->addWidget(label(sheetCaption(kDirections[axis])), axis, 0);
        position->addWidget(number(("legendPos" + std::to_string(axis + 1)).c_str(), kTranslation,
                                   look.legendPos[static_cast<size_t>(axis)]),
                            axis, 1);
    }
    layout->addWidget(positionBox, 2, 0);

    auto* styleBox = groupBox(QCoreApplication::translate("SettingsSheet", "スタイル／小数桁数"));
    auto* style = new QGridLayout(styleBox);
    style->addWidget(label(QCoreApplication::translate("SettingsSheet", "：スタイル")), 0, 0);
    style->addWidget(valueStyles("legendStyle", look.legendStyle), 0, 1);
    style->addWidget(label(QCoreApplication::translate("SettingsSheet", "：小数点桁数")), 1, 0);
    style->addWidget(number("SHO", kDigits, look.SHO), 1, 1);
    style->addWidget(label(QCoreApplication::translate("SettingsSheet", "：値の表示数")), 2, 0);
    style->addWidget(number("legendNum", kLegendValueCount, look.legendNum), 2, 1);
    style->addWidget(colour("legendStringColor", QCoreApplication::translate("SettingsSheet", "文字色の設定"),
                            look.legendStringColor),
                     3, 0, 1, 2);
    layout->addWidget(styleBox, 2, 1);

    // The range edits and their "初期値" buttons, which copy the data's value as the rules
    // write it: the label beside them may show it translated.
    auto* rangeBox = groupBox(QCoreApplication::translate("SettingsSheet", "凡例の範囲"));
    auto* range = new QGridLayout(rangeBox);
    const bool editable = legendRangeEnabled(form.facts());
    const auto rangeRow = [&](int row, const QString& caption, const char* name, double& field, bool maximum) {
        NumberEdit* edit = number(name, kAnyNumber, field);
        auto* button = new QPushButton(QCoreApplication::translate("SettingsSheet", "初期値"), this);
        button->setObjectName(QString::fromUtf8(name) + QStringLiteral("Initial"));
        const std::string dataText = legendDataText(form.facts(), maximum);
        QLabel* data = label(shownCaption(dataText.c_str()));
        data->setObjectName(QString::fromUtf8(name) + QStringLiteral("Data"));
        connect(button, &QPushButton::clicked, this,
                [edit, copied = QString::fromStdString(dataText)] { edit->setText(copied); });
        edit->setEnabled(editable);
        button->setEnabled(editable);
        range->addWidget(label(caption), row, 0);
        range->addWidget(edit, row, 1);
        range->addWidget(button, row, 2);
        range->addWidget(data, row, 3);
    };
    rangeRow(0, QCoreApplication::translate("SettingsSheet", "最大値"), "MAX", look.MAX, true);
    rangeRow(1, QCoreApplication::translate("SettingsSheet", "最小値"), "MIN", look.MIN, false);
    layout->addWidget(rangeBox, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
}

AxesPage::AxesPage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent) {
    ViewSettings& look = form.look;
    auto* layout = new QGridLayout(this);
    QCheckBox* axesOn = check("axesOn", QCoreApplication::translate("SettingsSheet", "座標軸を表示する"), look.axesOn);
    layout->addWidget(axesOn, 0, 0, 1, 2);
    layout->addWidget(label(QCoreApplication::translate("SettingsSheet", "：拡大率")), 1, 0);
    layout->addWidget(number("axesScale", kLineWidth, look.axesScale), 1, 1);

    auto* positionBox = groupBox(QCoreApplication::translate("SettingsSheet", "平行位置"));
    auto* position = new QGridLayout(positionBox);
    auto* namesBox = groupBox(QCoreApplication::translate("SettingsSheet", "軸の文字"));
    auto* names = new QGridLayout(namesBox);
    const char* axisNames[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "：１軸"),
                                QT_TRANSLATE_NOOP("SettingsSheet", "：２軸"),
                                QT_TRANSLATE_NOOP("SettingsSheet", "：３軸")};
    for (int axis = 0; axis < 3; ++axis) {
        const auto a = static_cast<size_t>(axis);
        const std::string n = std::to_string(axis + 1);
        position->addWidget(label(sheetCaption(kDirections[axis])), axis, 0);
        position->addWidget(number(("axesPos" + n).c_str(), kTranslation, look.axesPos[a]), axis, 1);
        names->addWidget(label(sheetCaption(axisNames[axis])), axis, 0);
        names->addWidget(text(("axesVal" + n).c_str(), look.axesVal[a]), axis, 1);
    }
    layout->addWidget(positionBox, 2, 0);

    auto* styleBox = groupBox(QCoreApplication::translate("SettingsSheet", "座標軸のスタイル"));
    auto* style = new QGridLayout(styleBox);
    style->addWidget(label(QCoreApplication::translate("SettingsSheet", "：スタイル")), 0, 0);
    style->addWidget(lineStyles("axesStyle", look.axesStyle), 0, 1);
    style->addWidget(label(QCoreApplication::translate("SettingsSheet", "：太さ")), 1, 0);
    style->addWidget(number("WID", kLineWidth, look.WID), 1, 1);
    style->addWidget(colour("axesColor", QCoreApplication::translate("SettingsSheet", "色の設定"), look.axesColor), 2,
                     0, 1, 2);
    layout->addWidget(styleBox, 2, 1);
    layout->addWidget(namesBox, 3, 0, 1, 2);
    layout->setRowStretch(4, 1);
}

LabelsPage::LabelsPage(SheetForm& form, Ui& ui, QWidget* parent) : SheetPage(ui, parent) {
    ViewSettings& look = form.look;
    auto* layout = new QGridLayout(this);

    auto* titleBox = groupBox(QCoreApplication::translate("SettingsSheet", "グラフタイトル"));
    auto* title = new QGridLayout(titleBox);
    title->addWidget(label(QCoreApplication::translate("SettingsSheet", "タイトル")), 0, 0);
    title->addWidget(text("TITLE", look.TITLE), 0, 1, 1, 3);
    title->addWidget(label(QCoreApplication::translate("SettingsSheet", "平行位置")), 1, 0);
    for (int axis = 0; axis < 2; ++axis) {
        title->addWidget(label(sheetCaption(kDirections[axis])), 1, 1 + axis * 2);
        title->addWidget(number(("TITLEPOS" + std::to_string(axis + 1)).c_str(), kTranslation,
                                look.TITLEPOS[static_cast<size_t>(axis)]),
                         1, 2 + axis * 2);
    }
    title->addWidget(
        colour("STRINGCOLOR0", QCoreApplication::translate("SettingsSheet", "色の設定"), look.STRINGCOLOR0), 2, 0, 1,
        2);
    layout->addWidget(titleBox, 0, 0);

    const char* groups[3] = {QT_TRANSLATE_NOOP("SettingsSheet", "１軸ラベル"),
                             QT_TRANSLATE_NOOP("SettingsSheet", "２軸ラベル"),
                             QT_TRANSLATE_NOOP("SettingsSheet", "３軸ラベル")};
    for (int axis = 0; axis < 3; ++axis) {
        const auto a = static_cast<size_t>(axis);
        const std::string n = std::to_string(axis + 1);
        auto* labelBox = groupBox(sheetCaption(groups[axis]));
        auto* grid = new QGridLayout(labelBox);
        grid->addWidget(label(QCoreApplication::translate("SettingsSheet", "タイトル")), 0, 0);
        grid->addWidget(text(("LABEL" + n).c_str(), look.LABEL[a]), 0, 1, 1, 6);
        grid->addWidget(label(QCoreApplication::translate("SettingsSheet", "平行位置")), 1, 0);
        for (int along = 0; along < 3; ++along) {
            grid->addWidget(label(sheetCaption(kDirections[along])), 1, 1 + along * 2);
            grid->addWidget(number(("LABEL" + n + "POS" + std::to_string(along + 1)).c_str(), kTranslation,
                                   look.labelPos[a][static_cast<size_t>(along)]),
                            1, 2 + along * 2);
        }
        grid->addWidget(label(QCoreApplication::translate("SettingsSheet", "３軸回転角")), 2, 0);
        grid->addWidget(number(("LABEL" + n + "ANGLE").c_str(), kLabelAngle, look.labelAngle[a]), 2, 1, 1, 2);
        grid->addWidget(colour(("STRINGCOLOR" + n).c_str(), QCoreApplication::translate("SettingsSheet", "色の設定"),
                               look.labelColor[a]),
                        2, 3, 1, 2);
        layout->addWidget(labelBox, axis + 1, 0);
    }
    layout->setRowStretch(4, 1);
}

} // namespace vellum
