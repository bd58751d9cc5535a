#include "model/SectionForm.h"

#include "common/Numbers.h"
#include "common/Texts.h"
#include "data/DataSet.h"
#include "settings/SheetFields.h"

namespace vellum {
namespace {

// The refusal names the axis whose range is reversed.
constexpr const char* kReversedRange[3] = {
    TX("１軸の最小値が最大値より大きくなっています．\nこのままでは何も描画されません．"),
    TX("２軸の最小値が最大値より大きくなっています．\nこのままでは何も描画されません．"),
    TX("３軸の最小値が最大値より大きくなっています．\nこのままでは何も描画されません．"),
};

} // namespace

SectionForm::SectionForm(const DataSet& dataSet) {
    for (size_t axis = 0; axis < 3; ++axis) {
        extents_[axis * 2] = dataSet.minimum[axis];
        extents_[axis * 2 + 1] = dataSet.maximum[axis];
    }
    for (size_t i = 0; i < 6; ++i) {
        initialTexts_[i] = formatC("%G", extents_[i]);
        // The shortest text that reads back exactly: OK without a change keeps the box.
        texts_[i] = formatShortest(dataSet.sectionBox[i]);
    }
}

void SectionForm::resetAxis(size_t axis) {
    texts_.at(axis * 2) = initialTexts_.at(axis * 2);
    texts_.at(axis * 2 + 1) = initialTexts_.at(axis * 2 + 1);
}

std::string SectionForm::confirm() {
    std::array<double, 6> box{};
    for (size_t i = 0; i < 6; ++i) {
        // "%G" keeps six digits: read back, the coordinate range would cut off the nodes
        // at its ends. The initial text stands for the exact extent.
        if (texts_[i] == initialTexts_[i]) {
            box[i] = extents_[i];
            continue;
        }
        const FieldRead read = readNumberField(kAnyNumber, texts_[i]);
        if (!read.value) return read.message;
        box[i] = *read.value;
    }
    // Such a box would hide every node and every element, with nothing left to say why.
    for (size_t axis = 0; axis < 3; ++axis)
        if (box[axis * 2] > box[axis * 2 + 1])
            return kReversedRange[axis];
    box_ = box;
    return {};
}

} // namespace vellum
