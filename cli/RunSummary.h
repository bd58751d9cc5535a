#pragma once
// What a run loaded, as one JSON object for scripts that drive the headless program.
#include <string>

namespace vellum {

class Document;

// `imageFile` is the full path of the image written (empty when none). Numbers are
// written so that they read back exactly.
std::string formatRunSummary(const Document& document, const std::string& imageFile);

// A JSON string literal for UTF-8 text, quotes included.
std::string jsonString(const std::string& text);

} // namespace vellum
