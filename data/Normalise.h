#pragma once
// Turns coordinates and data values into drawing coordinates and normalised values.
#include <array>

namespace vellum {

class DataSet;
class Ui;

// The look settings the normalisation depends on, named by their settings-file keys.
struct NormaliseInputs {
    int dataType = 0;  // 0 node values, 1 element values, 2 vector data, 3 no data file
    int column = 0;    // selected data column (the magnitude column for vector data)
    int DIM = 1;       // 0 flat, 1 node coordinate, 2 data value on axis 3
    double VECLEN = 1.0;
    int VEC_COM_LEN = 0;
    std::array<double, 3> SCALE{1.0, 1.0, 1.0};
    int RECTSCALE = 0;
};

// 0 on success; 1 after showing its message when a column or a data row is missing.
int Normalise(DataSet& dataSet, Ui& ui, const NormaliseInputs& inputs);

} // namespace vellum
