// Leaving out the faces inside a solid: the fin example, whole and cut by the section box
// or by a hidden material, paints the picture it paints with every face.
#include "GlTestSupport.h"

#include "data/Visibility.h"
#include "model/Document.h"
#include "tests/support/RecordingUi.h"

#include <algorithm>

namespace vellum::testing {
namespace {

class SolidPicture : public RendererFixture {
protected:
    SolidPicture() : RendererFixture(640, 480) {}

    void SetUp() override {
        RendererFixture::SetUp();
        const std::string folder = std::string(VELLUM_SOURCE_DIR) + "/examples/solid/";
        OpenChoice choice;
        choice.pointFilePath = folder + "fin-nodes.txt";
        choice.elementFilePath = folder + "fin-elements.txt";
        choice.dataFilePath = folder + "fin-temperature.txt";
        choice.dataType = kNodeValues;
        choice.shape = kSolidShape;
        Document document;
        RecordingUi ui;
        ASSERT_EQ(document.Open(ui, choice), 0);
        settings_ = document.look;
        dataSet_ = std::move(document.dataSet);
        settings_.DIGREE = {2100, 1800, 2130}; // the example's own view, three sides in sight
    }

    // The pixels that differ between the picture drawn with the covered faces left out
    // and the one drawn with every face (marks made for an older data set are not used).
    std::vector<std::pair<int, int>> changedPixels() {
        EXPECT_TRUE(dataSet_.anyFaceCovered());
        const RgbImage seen = paint(kNodeValues, kSolidShape);
        dataSet_.markChanged();
        EXPECT_FALSE(dataSet_.anyFaceCovered());
        const RgbImage every = paint(kNodeValues, kSolidShape);
        std::vector<std::pair<int, int>> changed;
        for (int y = 0; y < seen.height; ++y)
            for (int x = 0; x < seen.width; ++x)
                if (!std::equal(seen.at(x, y), seen.at(x, y) + 3, every.at(x, y))) changed.emplace_back(x, y);
        return changed;
    }

    // Whole, cut across its length and width by the section box (inner faces become the
    // cut surface), and with its upper layer hidden by material.
    template <class Check>
    void inEveryCut(Check check) {
        RecordingUi ui;
        dataSet_.ResetSectionBox();
        ApplyVisibility(dataSet_, ui, {});
        check("whole");
        dataSet_.sectionBox[1] = dataSet_.minimum[0] + 0.6 * dataSet_.extent[0];
        dataSet_.sectionBox[2] = dataSet_.minimum[1] + 0.3 * dataSet_.extent[1];
        ApplyVisibility(dataSet_, ui, {});
        check("cut by the section box");
        dataSet_.ResetSectionBox();
        for (ElementRecord& e : dataSet_.elements) e.material = e.number <= 160 ? 1 : 2;
        ApplyVisibility(dataSet_, ui, {2});
        check("upper layer hidden");
        for (ElementRecord& e : dataSet_.elements) e.material = 0;
    }
};

TEST_F(SolidPicture, WithItsWireframeTheFinLooksTheSameWithoutItsInnerFaces) {
    settings_.graph.WIREMODE = 2; // the example's look
    inEveryCut([&](const char* what) { EXPECT_EQ(changedPixels().size(), 0u) << what; });
}

TEST_F(SolidPicture, WithoutItOnlyPixelsOnElementEdgesChange) {
    // Along an edge where an inner face meets the surface, the polygon offset can let the
    // inner face win the depth test by a pixel; without it the surface shows there.
    inEveryCut([&](const char* what) {
        settings_.graph.WIREMODE = 2;
        const RgbImage wire = paint(kNodeValues, kSolidShape);
        settings_.graph.WIREMODE = 0;
        auto nearEdge = [&](int x, int y) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int u = std::clamp(x + dx, 0, wire.width - 1), v = std::clamp(y + dy, 0, wire.height - 1);
                    const uint8_t* p = wire.at(u, v);
                    if (p[0] == 0 && p[1] == 0 && p[2] == 0) return true;
                }
            return false;
        };
        for (const auto& [x, y] : changedPixels()) EXPECT_TRUE(nearEdge(x, y)) << what << " at " << x << ", " << y;
    });
}

} // namespace
} // namespace vellum::testing
