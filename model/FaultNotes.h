#pragma once
// The detail lines a failed step adds after its messages, so that a person running many
// jobs sees which file was at fault and why it could not be used.
#include <cstdint>
#include <string>

namespace vellum {

class DataSet;
class Ui;

// "対象ファイル: PATH", with the reason when the file cannot be opened for reading. An
// empty `name` means the job named no file at all (PointFile= with nothing after it).
void noteFileAtFault(Ui& ui, const std::string& name, const std::string& path);

// The same for a file that was to be written.
void noteUnwritableFile(Ui& ui, const std::string& path);

// The same for a closing backup, which the person did not ask for by name: the line says
// it is the backup and where it goes.
void noteUnwritableBackup(Ui& ui, const std::string& path);

// After the normalisation failed on node or element values: the first node (element)
// number that has no data row, in the order the normalisation looks at them.
void noteFirstNumberWithoutRow(Ui& ui, const DataSet& dataSet, int dataType);

} // namespace vellum
