// The cases of the bad-input corpus that load are drawn as well: hostile look values and
// graphs without elements reach the renderer, which must give a whole picture and the same
// messages as the run without one.
#include "../BadInputCorpus.h"
#include "../BatchTestFolder.h"
#include "cli/HeadlessJob.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellum {
namespace {

using namespace vellum::testing;

// Width and height from a PNG file's header; {0, 0} when it is no PNG.
std::pair<uint32_t, uint32_t> pngSize(const std::string& bytes) {
    if (bytes.size() < 24 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return {0, 0};
    auto word = [&](size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
        return value;
    };
    return {word(16), word(20)};
}

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
        EXPECT_EQ(pngSize(home.read("picture.png")), std::make_pair(160u, 120u));
        ++drawn;
    }
    EXPECT_GE(drawn, 10u);
}

} // namespace
} // namespace vellum
