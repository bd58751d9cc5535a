// The headless program's report options: how they are read, the size of what they write,
// and the requests it refuses before writing anything.
#include "../BatchTestFolder.h"
#include "../PngHeader.h"
#include "cli/BatchOptions.h"
#include "cli/HeadlessJob.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace vellum {
namespace {

using test::pngSize;
using test::pngColourType;

TEST(ReportPictureOptions, ScaleIsAWholeNumberFromOneToEight) {
    const BatchOptionsParse good = parseBatchOptions({"--scale", "8", "--antialias", "--transparent", "job.dat"});
    EXPECT_EQ(good.error, "");
    EXPECT_EQ(good.options.scale, 8);
    EXPECT_TRUE(good.options.antialias);
    EXPECT_TRUE(good.options.transparent);
    EXPECT_EQ(parseBatchOptions({"job.dat"}).options.scale, 1);
    for (const char* bad : {"0", "9", "2.5", "", "4x"})
        EXPECT_EQ(parseBatchOptions({std::string("--scale=") + bad, "job.dat"}).error,
                  std::string("--scale wants a whole number from 1 to 8: ") + bad);
}

class ReportPictureBatch : public ::testing::Test {
protected:
    testing::TempFolder folder;
    void SetUp() override {
        std::filesystem::copy(std::filesystem::path(VELLUM_SOURCE_DIR) / "examples/plate", folder.path() + "plate",
                              std::filesystem::copy_options::recursive);
        std::filesystem::remove(folder.path() + "plate/plate.png");
    }
    int run(BatchOptions options, std::string& messages) {
        options.inputFile = folder.path() + "plate/plate.dat";
        std::ostringstream err, out;
        const int status = runHeadlessJob(options, err, out);
        messages = err.str();
        return status;
    }
};

TEST_F(ReportPictureBatch, AScaledTransparentPictureIsAnRgbaPngOfTheScaledSize) {
    BatchOptions options;
    options.width = 200;
    options.height = 120;
    options.scale = 3;
    options.transparent = true;
    options.outImage = folder.path() + "copy.png";
    std::string messages;
    ASSERT_EQ(run(options, messages), 0) << messages;
    for (const char* written : {"plate/plate.png", "copy.png"}) {
        EXPECT_EQ(pngSize(folder.read(written)), std::make_pair(600, 360)) << written;
        EXPECT_EQ(pngColourType(folder.read(written)), 6) << written; // truecolour with alpha
    }
}

TEST_F(ReportPictureBatch, SvgAndPdfPathsGetVectorPicturesBesideTheRasterOne) {
    folder.write("plate/vector.dat",
                 folder.read("plate/plate.dat").replace(folder.read("plate/plate.dat").find("ImageFile=plate.png"), 19,
                                                        "ImageFile=plate.svg"),
                 true);
    BatchOptions options;
    options.inputFile = folder.path() + "plate/vector.dat";
    options.width = 200;
    options.height = 120;
    options.transparent = true; // a vector picture can leave its background out
    options.outImage = folder.path() + "copy.png";
    std::ostringstream err, out;
    ASSERT_EQ(runHeadlessJob(options, err, out), 0) << err.str();
    EXPECT_NE(folder.read("plate/plate.svg").find("<svg"), std::string::npos);
    EXPECT_EQ(pngSize(folder.read("copy.png")), std::make_pair(200, 120));
    options.outImage = folder.path() + "copy.pdf";
    ASSERT_EQ(runHeadlessJob(options, err, out), 0) << err.str();
    EXPECT_EQ(folder.read("copy.pdf").rfind("%PDF", 0), 0u);
}

TEST_F(ReportPictureBatch, RefusedRequestsWriteNoFileAtAll) {
    // Transparency for a JPEG: the job's own PNG is not written either.
    BatchOptions options;
    options.transparent = true;
    options.outImage = folder.path() + "copy.jpg";
    std::string messages;
    EXPECT_EQ(run(options, messages), 1);
    EXPECT_EQ(messages, "透明な背景はPNGファイルにしか書けません\n対象ファイル: " + folder.path() + "copy.jpg\n");
    EXPECT_FALSE(folder.exists("copy.jpg"));
    EXPECT_FALSE(folder.exists("plate/plate.png"));

    // A picture beyond memory's reach is refused rather than tried.
    options = BatchOptions{};
    options.width = 16384;
    options.height = 16384;
    options.scale = 8;
    EXPECT_EQ(run(options, messages), 1);
    EXPECT_EQ(messages.rfind("画像が大きすぎます\n16384x16384 の 8 倍は描けません", 0), 0u) << messages;
    EXPECT_NE(messages.find("対象ファイル: " + folder.path() + "plate/plate.png\n"), std::string::npos) << messages;
    EXPECT_FALSE(folder.exists("plate/plate.png"));
}

} // namespace
} // namespace vellum
