#pragma once
// A load that made no element succeeds (the graph shows the nodes alone), but a person
// would otherwise find a graph without a surface and no word about why.
#include <string>

namespace vellum {

class Document;

// The warning for a loaded graph without elements, naming the cause and the file it
// comes from; empty when there are elements or nothing is loaded.
std::string emptyMeshWarning(const Document& document);

} // namespace vellum
