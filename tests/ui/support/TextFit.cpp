#include "support/TextFit.h"

#include <QLabel>

QString firstCutLine(const QWidget* window)
{
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->wordWrap() || label->text().isEmpty() || label->text().startsWith("---"))
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed > label->contentsRect().width())
            return QString("\"%1\" needs %2 pixels of %3")
                .arg(label->text())
                .arg(needed)
                .arg(label->contentsRect().width());
    }
    return {};
}
