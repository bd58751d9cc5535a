// The cases of the bad-input corpus that load are drawn as well: hostile look values and
// graphs without elements reach the renderer, which must give a whole picture and the same
// messages as the run without one.
#include "../BadInputCorpus.h"
#include "../BatchTestFolder.h"
#include "../PngHeader.h"
#include "cli/HeadlessJob.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellum {
namespace {

using test::pngSize;

using namespace vellum::testing;

TEST(BadInputPictures, EveryCaseThatLoadsDrawsAWholePictureWithTheSameMessages) {
    size_t drawn = 0;
    for (const fs::path& folder : corpusCases()) {
        const Expected expected = readExpected(folder);
        if (expected.exit != 0) continue;
        SCOPED_TRACE(folder.filename().string());
        TempFolder home;
        useCaseProfile(folder);

        BatchOptions options;
        options.inputFile = (folder / expected.run).string();
        options.outImage = home.path() + "picture.png";
        options.width = 160;
        options.height = 120;
        std::ostringstream messages, summary;
        EXPECT_EQ(runHeadlessJob(options, messages, summary), 0);
        EXPECT_EQ(messages.str(), expected.messages);
        EXPECT_EQ(pngSize(home.read("picture.png")), std::make_pair(160, 120));
        ++drawn;
    }
    EXPECT_GE(drawn, 10u);
}

} // namespace
} // namespace vellum
