#pragma once
// The rules of the saved-item dialog "視覚設定保存ファイルの設定", apart from its widgets:
// 46 check boxes, ten of them group boxes. A checked group box checks its items and greys
// them out; clearing it again leaves them checked but free to change.
#include "settings/SaveItemSelection.h"

namespace vellum {

class SaveItemForm {
public:
    // Every box shows its flag; then each group box's rule is applied once.
    explicit SaveItemForm(const SaveItemSelection& selection);

    bool checked(SaveItem item) const { return boxes_.on(item); }
    bool enabled(SaveItem item) const;
    // A click on a box; on a group box its rule is applied again at once.
    void setChecked(SaveItem item, bool on);

    // OK: every box to its own flag.
    const SaveItemSelection& selection() const { return boxes_; }

private:
    void applyGroup(SaveItem group);

    SaveItemSelection boxes_;
};

} // namespace vellum
