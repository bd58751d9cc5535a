#pragma once
// The kinds of field every page of the settings sheet is made of, and the page they live
// on. A page binds each control to a field of the sheet's form when it builds it; the
// controls write back only when the page is left or confirmed (its data exchange), so a
// page never shown keeps what it was given.
#include "common/RGBColor.h"
#include "common/Texts.h"
#include "settings/SheetFields.h"

#include <QColor>
#include <QCoreApplication>
#include <QStringList>
#include <QLineEdit>
#include <QWidget>

#include <array>
#include <functional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace vellum {

class Ui;

// The sheet's own captions share the translation context "SettingsSheet", so a caption
// used on several pages ("色の設定", "：太さ") is translated once. Each is marked where it is
// written, with QCoreApplication::translate or QT_TRANSLATE_NOOP, which lupdate reads;
// sheetCaption shows one marked in a table.
inline QString sheetCaption(const char* marked) { return QCoreApplication::translate("SettingsSheet", marked); }

// A caption the Qt-free rules give (tab captions, list entries, notes), in the interface
// language.
inline QString shownCaption(const char* japanese) {
    const std::string_view shown = shownText(japanese);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

inline void enableAll(const QList<QWidget*>& widgets, bool enabled) {
    for (QWidget* widget : widgets) widget->setEnabled(enabled);
}

template <size_t N>
QStringList shownCaptions(const std::array<const char*, N>& texts) {
    QStringList captions;
    for (const char* text : texts) captions << shownCaption(text);
    return captions;
}

// The colours a page's colour chooser offers as its own, kept while the sheet is open.
using CustomColours = std::array<QColor, 16>;

// A number edit with its rule: it starts with the field's value and gives back the value
// of its text when the page's data are exchanged.
class NumberEdit : public QLineEdit {
    Q_OBJECT
public:
    NumberEdit(const NumberRule& rule, double value, QWidget* parent);
    const NumberRule& rule() const { return rule_; }

private:
    NumberRule rule_;
};

// A read-only swatch painted in the colour and a button that opens the colour chooser at
// it. A chosen colour replaces the page's colour; cancelling the chooser keeps it.
class ColourButton : public QWidget {
    Q_OBJECT
public:
    ColourButton(const QString& caption, RGBColor colour, CustomColours& custom, QWidget* parent);
    RGBColor colour() const { return colour_; }
    QLineEdit* swatch() const { return swatch_; }
    QPushButton* button() const { return button_; }

private:
    void choose();
    void paintSwatch();

    RGBColor colour_;
    CustomColours& custom_;
    QLineEdit* swatch_;
    QPushButton* button_;
};

class SheetPage : public QWidget {
    Q_OBJECT
public:
    SheetPage(Ui& ui, QWidget* parent);

    // The page's data exchange: the number edits are checked in order, and the first that
    // refuses its text shows its message and is returned, with nothing stored; otherwise
    // every control is written to its field and null is returned. A disabled edit cannot
    // be corrected, so a text it refuses (a value read from a file beyond the page's
    // range) keeps the field as it was instead of holding the page.
    NumberEdit* exchange();

protected:
    // Controls bound to fields, named for the field (tests find them by that name);
    // `changed` runs after every change a person makes, for the page's enable rules.
    NumberEdit* number(const char* name, const NumberRule& rule, double& field);
    NumberEdit* number(const char* name, const NumberRule& rule, int& field);
    QLineEdit* text(const char* name, std::string& field);
    QCheckBox* check(const char* name, const QString& caption, int& field, std::function<void()> changed = {});
    QComboBox* lineStyles(const char* name, int& field);
    QComboBox* valueStyles(const char* name, int& field);
    ColourButton* colour(const char* name, const QString& caption, RGBColor& field);
    // Radio buttons whose ids are the codes 0, 1, ...; the group writes the checked id.
    QButtonGroup* radios(const char* name, const QStringList& captions, int& field,
                         std::function<void(int)> clicked = {});
    // A list whose position is stored as it is; a position beyond the list selects nothing
    // and is kept.
    QComboBox* list(const char* name, const QStringList& captions, int& field, std::function<void()> changed = {});
    // A static text of the page, and a titled group of controls.
    QLabel* label(const QString& text);
    QGroupBox* groupBox(const QString& title);
    // Stores made by the page itself, after the bound controls.
    void onStore(std::function<void()> store) { stores_.push_back(std::move(store)); }

    CustomColours customColours_;

private:
    struct BoundEdit {
        NumberEdit* edit;
        std::function<void(double)> store;
    };
    Ui& ui_;
    std::vector<BoundEdit> edits_;
    std::vector<std::function<void()>> stores_;
};

} // namespace vellum
