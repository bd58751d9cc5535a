// Command-line files of any bytes: read, written, read again; then run as a job in the
// scratch folder, where the small sheet's files n.txt, e.txt, d.txt, de.txt and v.ini lie.
#include "fuzz/FuzzSupport.h"

#include "batch/CommandLineFile.h"

using namespace vellum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SilentUi ui;
    const std::string_view text = fuzz::asText(data, size);
    {
        Document parsed;
        applyCommandLineText(text, parsed.options, parsed.dataSet, parsed.look, ui, "job.dat");
        const std::string written = formatCommandLineFile(parsed.options, parsed.dataSet, parsed.look.selectedColumn, 0);
        Document again;
        applyCommandLineText(written, again.options, again.dataSet, again.look, ui, "job.dat");
    }
    Document document;
    const std::string job = fuzz::writeInput("fuzzed-job.dat", text);
    if (document.RunCommandLineFile(ui, job, {fuzz::scratchFolder()}) == 0)
        document.WriteCommandLineFile(ui, fuzz::scratchFolder() + "written-job.dat");
    return 0;
}
