#include "ui/TColorBtn.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

TColorBtn::TColorBtn(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{
}

QColor TColorBtn::ButtonColor() const
{
    return colour_.isValid() ? colour_ : palette().color(QPalette::Button);
}

void TColorBtn::setButtonColor(const QColor& colour)
{
    colour_ = colour;
    update();
}

void TColorBtn::setFrame3D(bool on)
{
    frame3D_ = on;
    update();
}

void TColorBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette colours = palette();
    QRect face = rect();
    const auto outline = [&](const QColor& colour) {
        painter.setPen(colour);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(0, 0, -1, -1));
        face.adjust(1, 1, -1, -1);
    };
    if (hasFocus() || isDefault())
        outline(colours.color(QPalette::WindowText));
    if (isDown()) {
        outline(colours.color(QPalette::Dark));
        if (frame3D_) {
            qDrawWinButton(&painter, face, colours, true);
            face.adjust(2, 2, -2, -2);
        }
    } else {
        // The system's own push-button frame, pushed for a checked button, greyed when disabled.
        qDrawWinButton(&painter, face, colours, isChecked());
        face.adjust(2, 2, -2, -2);
    }
    painter.fillRect(face, ButtonColor());

    painter.setFont(font());
    painter.setPen(colours.color(QPalette::ButtonText));  // the disabled group for a disabled button
    painter.drawText(rect().translated(isDown() ? QPoint(1, 1) : QPoint()), Qt::AlignCenter, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
