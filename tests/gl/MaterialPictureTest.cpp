#include "../TemporaryFolder.h"
#include "../WrittenFile.h"
#include "GlTestSupport.h"
#include "model/Document.h"
#include "model/ViewElementForm.h"
#include "tests/support/RecordingUi.h"

namespace vellum::testing {
namespace {

class MaterialPicture : public RendererFixture {};

bool isWhite(const RgbImage& image, int x, int y) {
    const uint8_t* p = image.at(x, y);
    return p[0] == 255 && p[1] == 255 && p[2] == 255;
}

TEST_F(MaterialPicture, ElementsOfAHiddenMaterialAreNoLongerDrawn) {
    // Four columns of two elements: the right two columns are material 20.
    Document document;
    document.dataSet = quadSheet(4, 2, 0.0, [](double x, double) { return x + 0.5; });
    document.dataSet.ResetSectionBox();
    document.loaded = 1;
    test::TemporaryFolder folder;
    const std::string file =
        test::written(folder.file("materials.txt"), "1 10\n2 10\n3 20\n4 20\n5 10\n6 10\n7 20\n8 20\n");
    RecordingUi ui;
    ViewElementForm form(document);
    form.readMaterialFile(document, ui, file);
    ASSERT_EQ(form.shown(), (std::vector<MaterialCount>{{10, 4}, {20, 4}}));

    const auto paintDocument = [&] {
        renderer_.paint(&document.dataSet, settings_, SceneState{0, 0});
        return context_.readPixels();
    };
    const int left = px(-0.375), right = px(0.375), lowerRow = py(-0.25), upperRow = py(0.25);
    RgbImage before = paintDocument();
    for (int y : {lowerRow, upperRow}) {
        EXPECT_FALSE(isWhite(before, left, y)) << "the left columns are drawn";
        EXPECT_FALSE(isWhite(before, right, y)) << "the right columns are drawn";
    }

    form.hideRows({1});
    ASSERT_EQ(document.ApplySpecificElements(ui, form.choice()), 0);
    const RgbImage after = paintDocument();
    for (int y : {lowerRow, upperRow}) {
        expectPixel(after, left, y, Rgb{before.at(left, y)[0], before.at(left, y)[1], before.at(left, y)[2]}, 0);
        expectBackground(after, right, y);
        expectBackground(after, px(0.125), y);
    }
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
} // namespace vellum::testing
