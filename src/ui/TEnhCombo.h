#pragma once

#include <QComboBox>

// An editable list box (the palette chooser, the clip categories) whose dropped list is wide enough
// for its longest item, or a fixed width when one is set, and stays on the screen. A typed text
// counts as a choice like a picked one; typing never adds items to the list.
class TEnhCombo : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(int DropDownFixedWidth READ DropDownFixedWidth WRITE setDropDownFixedWidth)
public:
    explicit TEnhCombo(QWidget* parent = nullptr);

    // The dropped list's width when 1 or more; 0 measures the items.
    int DropDownFixedWidth() const { return fixedWidth_; }
    void setDropDownFixedWidth(int width) { fixedWidth_ = width; }

    // The width the list takes if it drops down now, where the box now stands.
    int dropDownWidth() const;

    void showPopup() override;

private:
    int fixedWidth_ = 0;
};
