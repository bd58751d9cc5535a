#pragma once
// The rules of the specific-element dialog apart from its widgets: the material file it
// names, the shown and hidden lists, moving rows between them, and reading a new file.
#include "model/MaterialChoice.h"

#include <string>
#include <vector>

namespace vellum {

class Document;
class Ui;

class ViewElementForm {
public:
    // Starts from the document's material file and lists.
    explicit ViewElementForm(const Document& document);

    const std::string& name() const { return choice_.name; }
    const std::vector<MaterialCount>& shown() const { return choice_.shown; }
    const std::vector<MaterialCount>& hidden() const { return choice_.hidden; }
    const MaterialChoice& choice() const { return choice_; }
    // A line the dialog shows under the file's name when the file does not fit the model
    // on screen (it names elements the model does not have, or cannot be read); empty when
    // it fits.
    const std::string& fitNote() const { return fitNote_; }

    // A browse picked `path`: the file is read onto the document's elements and every
    // material it names starts shown. The document's lists are emptied at once; a
    // missing file leaves both lists empty after its message.
    void readMaterialFile(Document& document, Ui& ui, const std::string& path);

    // ">>" and "<<": the rows at these positions move, from the top, to the end of the
    // other list. Positions out of range are ignored.
    void hideRows(const std::vector<int>& rows) { moveRows(choice_.shown, choice_.hidden, rows); }
    void showRows(const std::vector<int>& rows) { moveRows(choice_.hidden, choice_.shown, rows); }

private:
    static void moveRows(std::vector<MaterialCount>& from, std::vector<MaterialCount>& to,
                         const std::vector<int>& rows);

    MaterialChoice choice_;
    std::string fitNote_;
};

} // namespace vellum
