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

// "ｽﾀｲﾙ": graph and projection kinds, hidden lines, the axis-3 value source and the
// perpendiculars.
class CPpage05 : public SheetPage {
public:
    CPpage05(SheetForm& form, Ui& ui, QWidget* parent);

private:
    void applyRules();

    SheetForm& form_;
    QCheckBox* perpendiculars_;
    QCheckBox* fillBetween_;
    QButtonGroup* axis3_;
    QList<QWidget*> perpendicularLine_, projection_;
};

// "ｵﾌﾟｼｮﾝ": the wireframe, contour, point and vector options of the graph or of the
// projection.
class CPpage10 : public SheetPage {
public:
    CPpage10(SheetForm& form, GraphOptionSet& options, bool projection, Ui& ui, QWidget* parent);

private:
    void applyRules();

    const SheetForm& form_;
    bool projection_;
    QButtonGroup *wire_, *contour_, *point_, *vector_;
    QWidget *wireColour_, *contourColour_, *pointColour_, *vectorColour_;
    QList<QWidget*> contourGroup_, pointGroup_, vectorGroup_, vectorLength_;
};

// "ﾎﾟｼﾞｼｮﾝ": rotation angles, translation, scales.
class CPpage15 : public SheetPage {
public:
    CPpage15(SheetForm& form, Ui& ui, QWidget* parent);
};

// "ｶﾗｰ": the colour maps of graph and projection and the user's three colours.
class CPpage20 : public SheetPage {
public:
    CPpage20(SheetForm& form, Ui& ui, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void applyRules();

    const SheetForm& form_;
    QComboBox *graphMap_, *projectionMap_;
    QCheckBox *graphInvert_, *projectionInvert_;
    QWidget *minimum_, *middle_, *maximum_;
};

// "ｸﾞﾘｯﾄﾞ": grid planes, lines, the grid box and the division lines.
class CPpage25 : public SheetPage {
public:
    CPpage25(SheetForm& form, Ui& ui, QWidget* parent);

private:
    void applyRules();

    SheetForm& form_;
    QCheckBox* followsGridSize_;
    QButtonGroup* divisionStyle_;
    QList<QWidget*> divisionRange_, counts_, intervals_;
};

// "グリッド値": the values written along the grid.
class CPpage27 : public SheetPage {
public:
    CPpage27(SheetForm& form, Ui& ui, QWidget* parent);
};

// "凡例": the legend and its value range.
class CPpage30 : public SheetPage {
public:
    CPpage30(SheetForm& form, Ui& ui, QWidget* parent);
};

// "軸": the coordinate axes.
class CPpage35 : public SheetPage {
public:
    CPpage35(SheetForm& form, Ui& ui, QWidget* parent);
};

// "ﾗﾍﾞﾙ": the title and the three axis labels.
class CPpage40 : public SheetPage {
public:
    CPpage40(SheetForm& form, Ui& ui, QWidget* parent);
};

} // namespace vellum
