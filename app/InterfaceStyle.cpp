#include "app/InterfaceStyle.h"

#include <QApplication>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace vellum {
namespace {

// Styles size a group box title by the ink of its glyphs, then lay the text out by the
// glyphs' advances and clip it to that size: a title ending in a full-width bracket,
// whose ink stops well short of its advance, loses the bracket. The title's place is
// widened to the advance, in the bold face some styles draw titles in.
class TitleFitStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (control != CC_GroupBox || part != SC_GroupBoxLabel || !box || box->text.isEmpty()) return rect;
        QFont bold = widget ? widget->font() : QApplication::font();
        bold.setBold(true);
        const int needed = std::max(QFontMetrics(bold).horizontalAdvance(box->text),
                                    box->fontMetrics.horizontalAdvance(box->text)) + 2;
        const int missing = needed - rect.width();
        if (missing <= 0) return rect;
        if (box->textAlignment & Qt::AlignRight) rect.setLeft(rect.left() - missing);
        else if (box->textAlignment & Qt::AlignHCenter) rect.adjust(-missing / 2, 0, missing - missing / 2, 0);
        else rect.setRight(rect.right() + missing);
        return rect;
    }
};

} // namespace

void installInterfaceStyle(QApplication&) {
    // Without a base the proxy takes the style the application would have used.
    QApplication::setStyle(new TitleFitStyle);
}

} // namespace vellum
