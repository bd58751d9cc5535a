#include "app/ToolbarIcons.h"

#include "common/CommandIds.h"

#include <QPainter>
#include <QPixmap>

namespace vellum {
namespace {

// A short mark for each button; the tooltip says the rest. The marks are pictures, the
// same in every interface language, as the icons of other programs are.
QString glyphOf(int id) {
    switch (id) {
    case command::kNew: return QStringLiteral("新");
    case command::kImportCommandLine: return QStringLiteral("開");
    case command::kImportBackup: return QStringLiteral("復");
    case command::kExportImage: return QStringLiteral("画");
    case command::kCopy: return QStringLiteral("写");
    case command::kChangeColumn: return QStringLiteral("列");
    case command::kSettings: return QStringLiteral("設");
    case command::kCrossSection: return QStringLiteral("断");
    case command::kSpecificElements: return QStringLiteral("特");
    case command::kInitialiseView: return QStringLiteral("初");
    case command::kRedraw: return QStringLiteral("再");
    case command::kWeb: return QStringLiteral("W");
    case command::kIsometricView: return QStringLiteral("等");
    case command::kTurnAxis3Plus: return QStringLiteral("↻");
    case command::kZoomIn: return QStringLiteral("＋");
    case command::kZoomOut: return QStringLiteral("－");
    case command::kMouseTurnAxes12: return QStringLiteral("↖");
    default: return QStringLiteral("?");
    }
}

QPixmap glyphPixmap(const QString& glyph, const QColor& background) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(background);
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(1, 1, 22, 22), 4, 4);
    QFont font = painter.font();
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, glyph);
    return pixmap;
}

} // namespace

QIcon toolbarIcon(int commandId) { return QIcon(glyphPixmap(glyphOf(commandId), QColor(40, 90, 160))); }

QIcon programIcon() {
    // A small colour graph: the bands of the default colour map.
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QColor bands[] = {QColor(0, 0, 255), QColor(0, 170, 255), QColor(0, 255, 100), QColor(255, 220, 0),
                            QColor(255, 0, 0)};
    for (int i = 0; i < 5; ++i) painter.fillRect(QRect(4 + i * 8, 44 - (i + 2) * 6, 8, (i + 2) * 6), bands[i]);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawLine(3, 45, 45, 45);
    painter.drawLine(3, 45, 3, 3);
    return QIcon(pixmap);
}

} // namespace vellum
