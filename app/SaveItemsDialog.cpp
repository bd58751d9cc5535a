#include "app/SaveItemsDialog.h"

#include "app/DialogButtons.h"
#include "common/Texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vellum {
namespace {

constexpr int kGroupColumns = 3;
constexpr int kItemIndent = 20;

} // namespace

SaveItemsDialog::SaveItemsDialog(SaveItemForm form, QWidget* parent) : QDialog(parent), form_(std::move(form)) {
    setWindowTitle(tr("視覚設定保存ファイルの設定"));
    auto* layout = new QVBoxLayout(this);
    auto* groups = new QGridLayout;
    layout->addLayout(groups);
    QVBoxLayout* column = nullptr;
    int groupCount = 0;
    for (size_t i = 0; i < kSaveItemCount; ++i) {
        const SaveItemInfo& info = saveItemTable()[i];
        if (info.isGroup) {
            // Each group in a frame of its own: the group box on top, its items indented.
            auto* frame = new QFrame(this);
            frame->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
            column = new QVBoxLayout(frame);
            groups->addWidget(frame, groupCount / kGroupColumns, groupCount % kGroupColumns, Qt::AlignTop);
            ++groupCount;
        }
        const std::string_view caption = shownText(info.caption);
        auto* box = new QCheckBox(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
        boxes_[i] = box;
        if (info.isGroup) {
            column->addWidget(box);
        } else {
            auto* row = new QHBoxLayout;
            row->addSpacing(kItemIndent);
            row->addWidget(box);
            column->addLayout(row);
        }
        const auto item = static_cast<SaveItem>(i);
        connect(box, &QCheckBox::clicked, this, [this, item](bool on) {
            form_.setChecked(item, on);
            showState();
        });
    }
    layout->addWidget(new QLabel(tr("※　ﾁｪｯｸした項目が視覚設定として保存されます"), this));
    QDialogButtonBox* buttons = okCancelButtons(this);
    layout->addWidget(buttons);
    showState();
}

void SaveItemsDialog::showState() {
    for (size_t i = 0; i < kSaveItemCount; ++i) {
        const auto item = static_cast<SaveItem>(i);
        boxes_[i]->setChecked(form_.checked(item));
        boxes_[i]->setEnabled(form_.enabled(item));
    }
}

} // namespace vellum
