#pragma once
// The decorations of the scene with the font they write in: legend, contours, grid,
// coordinate axes, title and labels. The view and the headless program each hand one to
// their renderer.
#include "render/PrimitiveLists.h"
#include "render/SceneHooks.h"
#include "render/TextRenderer.h"

#include <memory>

namespace vellum {

class Ui;

class TextDecorations : public SceneDecorations {
public:
    // Opens the Japanese Gothic face; `ui` shows the contour progress bar. Glyphs and
    // cones become display lists of the context current while drawing; destroy this
    // object while that context is current.
    explicit TextDecorations(Ui& ui);
    TextDecorations(Ui& ui, std::unique_ptr<TextRenderer> text);

    void drawLegend(const SceneContext& scene) override;
    void drawContours(const SceneContext& scene, const GraphPass& pass) override;
    void drawGrid(const SceneContext& scene) override;
    void drawAxes(const SceneContext& scene) override;
    void drawTitleAndLabels(const SceneContext& scene) override;

    TextRenderer& text() { return *text_; }

private:
    Ui& ui_;
    std::unique_ptr<TextRenderer> text_;
    PrimitiveLists cones_;
};

} // namespace vellum
