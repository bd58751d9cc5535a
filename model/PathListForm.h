#pragma once
// The rules of the path dialog "パスの追加", apart from its widgets: its own copy of the
// registered paths and of the absolute-path option, the selected row, and what the add,
// desktop, delete and move buttons do to the list.
#include "batch/RegisteredPaths.h"

#include <string>
#include <vector>

namespace vellum {

class PathListForm {
public:
    explicit PathListForm(RegisteredPaths paths) : paths_(std::move(paths)) {}

    const std::vector<std::string>& paths() const { return paths_.paths; }
    // The selected row, or -1 with none.
    int selection() const { return selection_; }
    void select(int row);
    bool fullPath() const { return paths_.fullPath == 1; }
    void setFullPath(bool on) { paths_.fullPath = on ? 1 : 0; }

    // A folder from the browser, or the desktop: inserted at the selected row (which
    // moves down with the rows after it and stays selected), or at the end. Duplicates
    // are kept; nothing checks that the folder exists.
    void insert(const std::string& folder);
    // With no selection these do nothing. A moved row is no longer selected; the first
    // row does not move up, nor the last one down.
    void removeSelected();
    void moveUp();
    void moveDown();

    // OK: the list and the option to register.
    const RegisteredPaths& result() const { return paths_; }

private:
    void moveSelected(int offset);

    RegisteredPaths paths_;
    int selection_ = -1;
};

} // namespace vellum
