// Every case of the bad-input corpus (BadInputCorpus.h) run through the headless
// program's job: the exact messages on standard error, the exit status and what --summary
// reports. Files the corpus holds are never changed by a run.
#include "BadInputCorpus.h"
#include "BatchTestFolder.h"
#include "cli/HeadlessJob.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vellum {
namespace {

using namespace vellum::testing;

TEST(BadInputCorpus, EveryCaseGivesItsMessagesAndStatusAndChangesNoFile) {
    const std::vector<fs::path> cases = corpusCases();
    EXPECT_GE(cases.size(), 40u);
    for (const fs::path& folder : cases) {
        SCOPED_TRACE(folder.filename().string());
        TempFolder home; // the profile and the backups
        useCaseProfile(folder);
        const Expected expected = readExpected(folder);
        const auto before = snapshot(folder);

        BatchOptions options;
        options.inputFile = (folder / expected.run).string();
        options.summary = true;
        std::ostringstream messages, summary;
        const int status = runHeadlessJob(options, messages, summary);

        EXPECT_EQ(status, expected.exit);
        EXPECT_EQ(messages.str(), expected.messages);
        for (const std::string& text : expected.summary)
            EXPECT_NE(summary.str().find(text), std::string::npos) << text << " not in " << summary.str();
        EXPECT_EQ(snapshot(folder), before);
    }
}

} // namespace
} // namespace vellum
