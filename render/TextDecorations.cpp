#include "render/TextDecorations.h"

#include "render/AxesDraw.h"
#include "render/ContourDraw.h"
#include "render/GridDraw.h"
#include "render/LegendDraw.h"
#include "render/TitleDraw.h"

namespace vellum {

TextDecorations::TextDecorations(Ui& ui) : TextDecorations(ui, TextRenderer::withJapaneseGothic()) {}

TextDecorations::TextDecorations(Ui& ui, std::unique_ptr<TextRenderer> text) : ui_(ui), text_(std::move(text)) {
    if (!text_) text_ = std::make_unique<TextRenderer>(nullptr);
}

void TextDecorations::drawLegend(const SceneContext& scene) { drawLegendBar(scene.settings, *text_); }

void TextDecorations::drawContours(const SceneContext& scene, const GraphPass& pass) {
    drawContourPass(scene, pass, ui_);
}

void TextDecorations::drawGrid(const SceneContext& scene) { drawGridPlanes(scene, *text_); }

void TextDecorations::drawAxes(const SceneContext& scene) { drawAxesSymbol(scene.settings, *text_, cones_); }

void TextDecorations::drawTitleAndLabels(const SceneContext& scene) {
    drawTitleAndAxisLabels(scene.settings, *text_, scene.box.minimum[0], scene.box.minimum[1]);
}

} // namespace vellum
