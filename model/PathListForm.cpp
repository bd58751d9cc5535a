#include "model/PathListForm.h"

#include <utility>

namespace vellum {

void PathListForm::select(int row) {
    selection_ = row >= 0 && static_cast<size_t>(row) < paths_.paths.size() ? row : -1;
}

void PathListForm::insert(const std::string& folder) {
    std::vector<std::string>& list = paths_.paths;
    if (selection_ < 0) {
        list.push_back(folder);
        return;
    }
    list.insert(list.begin() + selection_, folder);
    ++selection_;
}

void PathListForm::removeSelected() {
    if (selection_ < 0) return;
    paths_.paths.erase(paths_.paths.begin() + selection_);
    selection_ = -1;
}

void PathListForm::moveUp() { moveSelected(-1); }
void PathListForm::moveDown() { moveSelected(1); }

void PathListForm::moveSelected(int offset) {
    if (selection_ < 0) return;
    const int target = selection_ + offset;
    if (target < 0 || static_cast<size_t>(target) >= paths_.paths.size()) return;
    std::swap(paths_.paths[static_cast<size_t>(selection_)], paths_.paths[static_cast<size_t>(target)]);
    selection_ = -1;
}

} // namespace vellum
