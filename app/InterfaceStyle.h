#pragma once
// The widget style the program draws with: the platform's own, with the corrections our
// Japanese captions need.
class QApplication;

namespace vellum {

// Makes the application draw with the platform's style (or the one named by `-style`),
// corrected so that no group box title loses its last character. Call before the first
// window is made.
void installInterfaceStyle(QApplication& application);

} // namespace vellum
