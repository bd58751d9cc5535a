// The view's small dialogs: the cross-section box, the window size and background, the
// registered paths and the saved items. Each works on a copy and changes nothing on cancel.
#include "app/PathsDialog.h"
#include "app/SectionDialog.h"
#include "app/WindowSizeDialog.h"
#include "app/SaveItemsDialog.h"
#include "app/GraphView.h"
#include "app/QtUi.h"
#include "settings/Profile.h"

#include <QScreen>

#include <algorithm>

namespace vellum {

void GraphView::crossSectionCommand() {
    SectionDialog dialog(SectionForm(document_.dataSet), ui_, window());
    if (dialog.exec() != QDialog::Accepted) return;
    document_.ApplySectionBox(ui_, dialog.form().box());
    refresh();
}

void GraphView::windowCommand() {
    QWidget* frame = window();
    const QRect outer = frame->frameGeometry();
    WindowSizeDialog dialog(WindowForm(outer.width(), outer.height(), document_.look.BACKCOLOR), ui_, frame);
    if (dialog.exec() != QDialog::Accepted) return;
    const QRect area = frame->screen() ? frame->screen()->availableGeometry() : QRect(0, 0, 1920, 1080);
    const FrameRect place = dialog.form().placement(outer.x(), outer.y(), area.width(), area.height());
    // The sizes are the outer ones, with the window system's frame; Qt sizes the inside.
    const QSize decoration = outer.size() - frame->geometry().size();
    frame->move(place.x, place.y);
    frame->resize(std::max(1, place.width - decoration.width()), std::max(1, place.height - decoration.height()));
    document_.look.BACKCOLOR = dialog.form().colour();
    update();
}

void GraphView::editPathsCommand() {
    PathsDialog dialog(PathListForm(document_.registeredPaths), chooser_, window());
    if (dialog.exec() != QDialog::Accepted) return;
    document_.registeredPaths = dialog.form().result();
    // The next command-line run reads the list from the profile.
    Profile profile = Profile::openUserProfile();
    document_.registeredPaths.store(profile);
    saveProfile(ui_, profile);
}

void GraphView::savedItemsCommand() {
    SaveItemsDialog dialog(SaveItemForm(document_.saveItems), window());
    if (dialog.exec() != QDialog::Accepted) return;
    document_.saveItems = dialog.form().selection();
    Profile profile = Profile::openUserProfile();
    document_.saveItems.store(profile);
    saveProfile(ui_, profile);
}

} // namespace vellum
