#include "GlTestSupport.h"

#include "tests/support/RecordingUi.h"
#include "model/Document.h"

#include <GL/gl.h>

namespace vellum::testing {
namespace {

// The example models, loaded through the document's load sequence and painted whole.
struct Example {
    const char* folder;
    const char* nodes;
    const char* elements; // empty: automatic mesh
    const char* data;
    int dataType;
    int shape;
};

class ExamplePicture : public RendererFixture, public ::testing::WithParamInterface<Example> {
protected:
    ExamplePicture() : RendererFixture(640, 480) {}
};

int paintedPixels(const RgbImage& image) {
    int count = 0;
    for (size_t i = 0; i < image.pixels.size(); i += 3)
        if (image.pixels[i] != 255 || image.pixels[i + 1] != 255 || image.pixels[i + 2] != 255) ++count;
    return count;
}

TEST_P(ExamplePicture, LoadsAndPaintsEveryGraphKindItOffers) {
    const Example& example = GetParam();
    Document document;
    const std::string folder = std::string(VELLUM_SOURCE_DIR) + "/examples/" + example.folder + "/";
    OpenChoice choice;
    choice.pointFilePath = folder + example.nodes;
    if (*example.elements) choice.elementFilePath = folder + example.elements;
    choice.dataFilePath = folder + example.data;
    choice.dataType = example.dataType;
    choice.shape = example.shape;
    choice.autoMesh = *example.elements ? 0 : 1;
    RecordingUi ui;
    ASSERT_EQ(document.Open(ui, choice), 0) << (ui.messages.empty() ? "" : ui.messages[0]);
    settings_ = document.look;
    dataSet_ = std::move(document.dataSet);

    const std::vector<int> modes = example.dataType == kVectorData ? std::vector<int>{0, 2, 3, 4}
                                   : example.dataType == kElementValues ? std::vector<int>{0, 4}
                                                                        : std::vector<int>{0, 2, 4};
    settings_.DIGREE = {1740, 1800, 1770};
    for (int mode : modes) {
        SCOPED_TRACE(mode);
        settings_.MODE = mode;
        settings_.MODE2 = mode;
        settings_.SUISEN1 = 1;
        const RgbImage image = paint(example.dataType, example.shape);
        EXPECT_GT(paintedPixels(image), 640 * 480 / 200); // the beam is slender
        EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }
    renderer_.dataSetChanged();
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ExamplePicture,
    ::testing::Values(Example{"plate", "nodes.txt", "elements.txt", "deflection.txt", kNodeValues, 0},
                      Example{"solid", "fin-nodes.txt", "fin-elements.txt", "fin-temperature.txt", kNodeValues, 1},
                      Example{"element-values", "beam-nodes.txt", "beam-elements.txt", "beam-stress.txt",
                              kElementValues, 0},
                      Example{"vector", "flow-nodes.txt", "", "flow-velocity.txt", kVectorData, 0}),
    [](const ::testing::TestParamInfo<Example>& info) {
        std::string name = info.param.folder;
        for (char& c : name)
            if (c == '-') c = '_';
        return name;
    });

} // namespace
} // namespace vellum::testing
