#pragma once
// The toolbar's series controls: the shown step out of the count ("3/120"), where a step
// number may be typed, the play button and the playback rate. Hidden without a series.
#include <QObject>

class QAction;
class QLabel;
class QSpinBox;
class QToolBar;

namespace vellum {

class GraphView;

class SeriesBar : public QObject {
    Q_OBJECT
public:
    // Adds the controls to the end of `bar`; `play` is the playback command's action.
    SeriesBar(QToolBar* bar, GraphView& view, QAction* play);
    // The controls follow the view's series and playback.
    void update();
    // The tips and the rate's caption in the interface language.
    void retranslate();

private:
    GraphView& view_;
    QAction* play_;
    QSpinBox* step_;
    QSpinBox* rate_;
    QLabel* rateCaption_;
    QList<QAction*> shown_; // the toolbar's actions that hold the controls
};

} // namespace vellum
