#include "ui/TEnhCombo.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>

#include "dabwick/PaletteDropDown.h"

TEnhCombo::TEnhCombo(QWidget* parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // A picked item shows from its first letter, all of it selected, as a list box shows it; left
    // alone, the box would scroll a long name to its end and hide how it begins.
    connect(this, &QComboBox::textActivated, this, [this](const QString& text) {
        lineEdit()->setSelection(int(text.size()), -int(text.size()));
    });
}

int TEnhCombo::dropDownWidth() const
{
    std::vector<std::string> items;
    items.reserve(std::size_t(count()));
    for (int i = 0; i < count(); ++i)
        items.push_back(itemText(i).toStdString());
    const QFontMetrics metrics = fontMetrics();
    const QRect screenArea = screen()->geometry();
    const dabwick::DropDownPlace place {
        .fixedWidth = fixedWidth_,
        .scrollBarWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this),
        .boxLeft = mapToGlobal(QPoint(0, 0)).x(),
        .boxWidth = width(),
        .screenRight = screenArea.x() + screenArea.width(),
    };
    return dabwick::dropDownWidth(
        items, [&](const std::string& item) { return metrics.horizontalAdvance(QString::fromStdString(item)); }, place);
}

void TEnhCombo::showPopup()
{
    const int width = dropDownWidth();
    QComboBox::showPopup();
    // The list's frame is the popup window around the view; it starts under the box's left edge.
    QWidget* popup = view()->window();
    popup->setGeometry(mapToGlobal(QPoint(0, 0)).x(), popup->y(), width, popup->height());
}
