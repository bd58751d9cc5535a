#include "model/SaveItemForm.h"

namespace vellum {

SaveItemForm::SaveItemForm(const SaveItemSelection& selection) : boxes_(selection) {
    for (const SaveItemInfo& info : saveItemTable())
        if (info.isGroup) applyGroup(info.group);
}

bool SaveItemForm::enabled(SaveItem item) const {
    const SaveItemInfo& info = saveItemInfo(item);
    return info.isGroup || !boxes_.on(info.group);
}

void SaveItemForm::setChecked(SaveItem item, bool on) {
    if (!enabled(item)) return; // a greyed box cannot be clicked
    boxes_.set(item, on ? 1 : 0);
    if (saveItemInfo(item).isGroup) applyGroup(item);
}

void SaveItemForm::applyGroup(SaveItem group) {
    if (!boxes_.on(group)) return;
    for (size_t i = 0; i < kSaveItemCount; ++i) {
        const SaveItemInfo& info = saveItemTable()[i];
        if (!info.isGroup && info.group == group) boxes_.set(static_cast<SaveItem>(i), 1);
    }
}

} // namespace vellum
