// vellumplot-batch: runs a command-line file (or imports an STL file) with no display and
// writes the picture. Messages go to standard error; the exit status is 0 on success.
#include "cli/BatchOptions.h"
#include "cli/HeadlessJob.h"
#include "common/Language.h"
#include "data/HugePages.h"
#include "settings/Profile.h"
#include "settings/ProfileValues.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    vellum::prepareHeapForHugePages();
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const vellum::BatchOptionsParse parse = vellum::parseBatchOptions(arguments);
    if (parse.options.help) {
        std::cout << vellum::batchUsage();
        return 0;
    }
    if (parse.options.version) {
        std::cout << "vellumplot-batch " << VELLUM_VERSION << '\n';
        return 0;
    }
    if (!parse.error.empty()) {
        std::cerr << "vellumplot-batch: " << parse.error << "\n(try --help)\n";
        return 1;
    }
    vellum::setInterfaceLanguage(
        vellum::chooseInterfaceLanguage(parse.options.language, vellum::Profile::openUserProfile()));
    if (!parse.options.jobsFile.empty()) return vellum::runJobList(parse.options, std::cerr, std::cout);
    return vellum::runHeadlessJob(parse.options, std::cerr, std::cout);
}
