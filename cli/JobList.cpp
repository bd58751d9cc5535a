// The many-jobs form of the headless program: one process runs a list of command-line
// files, so that many small jobs pay the start-up once and a scheduler can share a long
// list among machines by shards.
#include "batch/FileNameResolution.h"
#include "cli/HeadlessJob.h"
#include "cli/RunSummary.h"
#include "common/FileIo.h"
#include "common/Texts.h"
#include "render/HeadlessGlContext.h"

#include <filesystem>
#include <sstream>

namespace vellum {
namespace {

std::vector<std::string> listedJobs(const std::string& listPath, const std::string& text) {
    const std::string folder = std::filesystem::absolute(listPath).parent_path().string() + "/";
    std::vector<std::string> jobs;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line[start] == '#') continue;
        line = line.substr(start, line.find_last_not_of(" \t") + 1 - start);
        jobs.push_back(line.front() == '/' ? line : folder + line);
    }
    return jobs;
}

} // namespace

int runJobList(const BatchOptions& options, std::ostream& messages, std::ostream& summary) {
    std::string text;
    if (!readWholeFile(options.jobsFile, text)) {
        // Said straight to the stream, not through a Ui, so translated here.
        messages << shownText(TX("ジョブの一覧が開けません")) << '\n'
                 << shownText(TX("対象ファイル: %1"), {options.jobsFile}) << '\n';
        return 1;
    }
    const std::vector<std::string> jobs = listedJobs(options.jobsFile, text);
    // The display and its driver go with the last context; one small context held for the
    // whole list keeps them loaded, so each job pays for its own context only.
    const HeadlessGlContext keepDisplay(1, 1);
    int result = 0;
    for (size_t k = 0; k < jobs.size(); ++k) {
        if (k % size_t(options.shardCount) != size_t(options.shardIndex)) continue;
        BatchOptions one = options;
        one.jobsFile.clear();
        one.inputFile = jobs[k];
        std::string image;
        std::ostringstream jobSummary;
        const int status = runHeadlessJob(one, messages, jobSummary, &image);
        if (status != 0) result = 1;
        summary << "{\"file\": " << jsonString(jobs[k]) << ", \"status\": " << status
                << ", \"image\": " << (image.empty() ? std::string("null") : jsonString(image)) << "}\n"
                << std::flush;
    }
    return result;
}

} // namespace vellum
