#include "app/sheet/SheetWidgets.h"

#include "common/Ui.h"
#include "settings/SheetPageRules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace vellum {
namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

NumberEdit::NumberEdit(const NumberRule& rule, double value, QWidget* parent) : QLineEdit(parent), rule_(rule) {
    setText(fromUtf8(numberFieldText(rule, value)));
    setMaximumWidth(110);
}

ColourButton::ColourButton(const QString& caption, RGBColor colour, CustomColours& custom, QWidget* parent)
    : QWidget(parent), colour_(colour), custom_(custom) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    swatch_ = new QLineEdit(this);
    swatch_->setReadOnly(true);
    swatch_->setFocusPolicy(Qt::NoFocus);
    swatch_->setFixedWidth(36);
    button_ = new QPushButton(caption, this);
    row->addWidget(swatch_);
    row->addWidget(button_);
    paintSwatch();
    connect(button_, &QPushButton::clicked, this, &ColourButton::choose);
}

void ColourButton::paintSwatch() {
    QPalette palette = swatch_->palette();
    const QColor shown(colour_.red, colour_.green, colour_.blue);
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Base, shown);
    swatch_->setPalette(palette);
}

void ColourButton::choose() {
    // The chooser's own colours are the page's while it is open.
    for (int i = 0; i < 16; ++i) QColorDialog::setCustomColor(i, custom_[static_cast<size_t>(i)]);
    QColorDialog dialog(QColor(colour_.red, colour_.green, colour_.blue), window());
    const bool chosen = dialog.exec() == QDialog::Accepted;
    for (int i = 0; i < 16; ++i) custom_[static_cast<size_t>(i)] = QColorDialog::customColor(i);
    if (!chosen) return;
    const QColor picked = dialog.selectedColor();
    colour_ = RGBColor{picked.red(), picked.green(), picked.blue()};
    paintSwatch();
}

SheetPage::SheetPage(Ui& ui, QWidget* parent) : QWidget(parent), ui_(ui) { customColours_.fill(Qt::white); }

QLabel* SheetPage::label(const QString& text) { return new QLabel(text, this); }

QGroupBox* SheetPage::groupBox(const QString& title) { return new QGroupBox(title, this); }

NumberEdit* SheetPage::exchange() {
    std::vector<std::optional<double>> values;
    for (const BoundEdit& bound : edits_) {
        const FieldRead read = readNumberField(bound.edit->rule(), bound.edit->text().toStdString());
        if (!read.value && bound.edit->isEnabled()) {
            ui_.showMessage(read.message);
            return bound.edit;
        }
        values.push_back(read.value);
    }
    for (size_t i = 0; i < edits_.size(); ++i)
        if (values[i]) edits_[i].store(*values[i]);
    for (const auto& store : stores_) store();
    return nullptr;
}

NumberEdit* SheetPage::number(const char* name, const NumberRule& rule, double& field) {
    auto* edit = new NumberEdit(rule, field, this);
    edit->setObjectName(name);
    edits_.push_back({edit, [&field](double value) { field = value; }});
    return edit;
}

NumberEdit* SheetPage::number(const char* name, const NumberRule& rule, int& field) {
    auto* edit = new NumberEdit(rule, field, this);
    edit->setObjectName(name);
    edits_.push_back({edit, [&field](double value) { field = static_cast<int>(value); }});
    return edit;
}

QLineEdit* SheetPage::text(const char* name, std::string& field) {
    auto* edit = new QLineEdit(fromUtf8(field), this);
    edit->setObjectName(name);
    onStore([edit, &field] { field = edit->text().toStdString(); });
    return edit;
}

QCheckBox* SheetPage::check(const char* name, const QString& caption, int& field, std::function<void()> changed) {
    auto* box = new QCheckBox(caption, this);
    box->setObjectName(name);
    box->setChecked(field != 0);
    if (changed) connect(box, &QCheckBox::toggled, this, std::move(changed));
    onStore([box, &field] { field = box->isChecked() ? 1 : 0; });
    return box;
}

QComboBox* SheetPage::list(const char* name, const QStringList& captions, int& field, std::function<void()> changed) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItems(captions);
    combo->setCurrentIndex(field >= 0 && field < captions.size() ? field : -1);
    if (changed) connect(combo, &QComboBox::currentIndexChanged, this, std::move(changed));
    onStore([combo, &field] {
        if (combo->currentIndex() >= 0) field = combo->currentIndex();
    });
    return combo;
}

QComboBox* SheetPage::lineStyles(const char* name, int& field) {
    return list(name, shownCaptions(kLineStyleCaptions), field);
}

QComboBox* SheetPage::valueStyles(const char* name, int& field) {
    return list(name, shownCaptions(kValueStyleCaptions), field);
}

ColourButton* SheetPage::colour(const char* name, const QString& caption, RGBColor& field) {
    auto* button = new ColourButton(caption, field, customColours_, this);
    button->setObjectName(name);
    onStore([button, &field] { field = button->colour(); });
    return button;
}

QButtonGroup* SheetPage::radios(const char* name, const QStringList& captions, int& field,
                                 std::function<void(int)> clicked) {
    auto* group = new QButtonGroup(this);
    group->setObjectName(name);
    for (int code = 0; code < captions.size(); ++code) {
        auto* radio = new QRadioButton(captions[code], this);
        radio->setObjectName(QString::fromUtf8(name) + QString::number(code));
        radio->setChecked(code == field);
        group->addButton(radio, code);
    }
    if (clicked) connect(group, &QButtonGroup::idClicked, this, std::move(clicked));
    onStore([group, &field] {
        if (group->checkedId() >= 0) field = group->checkedId();
    });
    return group;
}

} // namespace vellum
