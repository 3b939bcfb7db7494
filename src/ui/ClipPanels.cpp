#include "ui/ClipPanels.h"

#include <QFrame>
#include <QLabel>

QFrame* makeMaroonPanel(QWidget* parent, const QRect& place, const QString& title, QPoint titleAt)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(3);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, QColor(128, 0, 0));
    colours.setColor(QPalette::WindowText, Qt::yellow);
    panel->setPalette(colours);
    panel->setAutoFillBackground(true);
    if (!title.isEmpty()) {
        auto* label = new QLabel(title, panel);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->move(titleAt);
        label->adjustSize();
    }
    return panel;
}
