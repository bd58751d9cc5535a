#pragma once
// The ten pages of the settings sheet. Each binds its controls to the fields of the
// sheet's form and applies the enable rules of settings/SheetPageRules.h.
#include "app/sheet/SheetWidgets.h"
#include "settings/SheetForm.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;

namespace vellum {

struct GraphOptionSet;

// CPpage05, "ｽﾀｲﾙ": graph and projection kinds, hidden lines, the axis-3 value source and the
// perpendiculars.
class StylePage : public SheetPage {
public:
    StylePage(SheetForm& form, Ui& ui, QWidget* parent);

private:
    void applyRules();

    SheetForm& form_;
    QCheckBox* perpendiculars_;
    QCheckBox* fillBetween_;
    QButtonGroup* axis3_;
    QList<QWidget*> perpendicularLine_, projection_;
};

// CPpage10, "ｵﾌﾟｼｮﾝ": the wireframe, contour, point and vector options of the graph or of the
// projection.
class OptionsPage : public SheetPage {
public:
    OptionsPage(SheetForm& form, GraphOptionSet& options, bool projection, Ui& ui, QWidget* parent);

private:
    void applyRules();

    const SheetForm& form_;
    bool projection_;
    QButtonGroup *wire_, *contour_, *point_, *vector_;
    QWidget *wireColour_, *contourColour_, *pointColour_, *vectorColour_;
    QList<QWidget*> contourGroup_, pointGroup_, vectorGroup_, vectorLength_;
};

// CPpage15, "ﾎﾟｼﾞｼｮﾝ": rotation angles, translation, scales.
class PositionPage : public SheetPage {
public:
    PositionPage(SheetForm& form, Ui& ui, QWidget* parent);
};

// CPpage20, "ｶﾗｰ": the colour maps of graph and projection and the user's three colours.
class ColourPage : public SheetPage {
public:
    ColourPage(SheetForm& form, Ui& ui, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyRules();

    const SheetForm& form_;
    QComboBox *graphMap_, *projectionMap_;
    QCheckBox *graphInvert_, *projectionInvert_;
    QWidget *minimum_, *middle_, *maximum_;
};

// CPpage25, "ｸﾞﾘｯﾄﾞ": grid planes, lines, the grid box and the division lines.
class GridPage : public SheetPage {
public:
    GridPage(SheetForm& form, Ui& ui, QWidget* parent);

private:
    void applyRules();

    SheetForm& form_;
    QCheckBox* followsGridSize_;
    QButtonGroup* divisionStyle_;
    QList<QWidget*> divisionRange_, counts_, intervals_;
};

// CPpage27, "グリッド値": the values written along the grid.
class GridValuesPage : public SheetPage {
public:
    GridValuesPage(SheetForm& form, Ui& ui, QWidget* parent);
};

// CPpage30, "凡例": the legend and its value range.
class LegendPage : public SheetPage {
public:
    LegendPage(SheetForm& form, Ui& ui, QWidget* parent);
};

// CPpage35, "軸": the coordinate axes.
class AxesPage : public SheetPage {
public:
    AxesPage(SheetForm& form, Ui& ui, QWidget* parent);
};

// CPpage40, "ﾗﾍﾞﾙ": the title and the three axis labels.
class LabelsPage : public SheetPage {
public:
    LabelsPage(SheetForm& form, Ui& ui, QWidget* parent);
};

} // namespace vellum
