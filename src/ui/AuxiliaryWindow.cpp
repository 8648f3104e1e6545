#include "AuxiliaryWindow.h"

#include "Twips.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QPalette>

namespace {

const QColor kLightGrey(224, 224, 224);

// The main window's font, so captions and buttons read alike in every window.
QFont WindowFont(bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setBold(bold);
    return font;
}

} // namespace

void SetUpAuxiliaryWindow(QDialog& window, double widthTwips, double heightTwips) {
    window.setFixedSize(TwipsToPixels(widthTwips), TwipsToPixels(heightTwips));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, kLightGrey);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(WindowFont(false));
}

QLabel* PlaceLabel(QWidget* parent, const QString& text, QRect where, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    label->setFont(WindowFont(bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}
