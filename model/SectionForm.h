#pragma once
// The rules of the cross-section dialog "断面の設定", apart from its widgets: what its six
// edits start with, what each axis's "初期値" button puts in them, and what OK checks
// before the section box may be taken.
#include <array>
#include <string>

namespace vellum {

class DataSet;

class SectionForm {
public:
    // The edits start with the data set's section box; the "初期値" texts are its
    // coordinate minimum and maximum per axis, as "%G" writes them.
    explicit SectionForm(const DataSet& dataSet);

    // The text of an edit: `axis` 0..2, `end` 0 for the minimum and 1 for the maximum.
    const std::string& text(size_t axis, size_t end) const { return texts_.at(axis * 2 + end); }
    void setText(size_t axis, size_t end, std::string text) { texts_.at(axis * 2 + end) = std::move(text); }
    // The "初期値" button of an axis.
    void resetAxis(size_t axis);

    // OK pressed: the message to show while the dialog stays open, or empty when the six
    // texts are numbers and no minimum lies above its maximum; box() then holds them.
    std::string confirm();
    // Minimum and maximum along axis 1, then 2, then 3.
    const std::array<double, 6>& box() const { return box_; }

private:
    std::array<std::string, 6> texts_, initialTexts_;
    std::array<double, 6> extents_{}, box_{};
};

} // namespace vellum
