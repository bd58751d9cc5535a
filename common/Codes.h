#pragma once
// The codes that files, dialogs and drawing share. They are stored as plain integers in
// view settings and command-line files, so they stay ints rather than enum classes.
namespace vellum {

// Kind of data loaded.
inline constexpr int kNodeValues = 0;
inline constexpr int kElementValues = 1;
inline constexpr int kVectorData = 2;
inline constexpr int kNoDataFile = 3;

// Shape choice: how the faces of an element are built.
inline constexpr int kSheetShape = 0; // a two-dimensional shape
inline constexpr int kSolidShape = 1; // a three-dimensional shape

// Graph kinds ([GRAPH] MODE and MODE2).
inline constexpr int kGraphGradation = 0; // element fill for element values
inline constexpr int kGraphContour = 1;
inline constexpr int kGraphPoints = 2;
inline constexpr int kGraphVectors = 3;
inline constexpr int kGraphWireframe = 4;
inline constexpr int kGraphNone = 5; // projection only

// Axis-3 value source (DIM).
inline constexpr int kDimFlat = 0;
inline constexpr int kDimNodeCoordinate = 1;
inline constexpr int kDimDataValue = 2;

} // namespace vellum
