#pragma once

#include <QColor>
#include <QPushButton>

// A push button that paints itself with a face of any colour (the clip maker's colour buttons).
// Pressed, it shows a thin shadow frame, or a pushed frame with Frame3D, and its caption moves one
// pixel right and down; a double click counts as a second click.
class TColorBtn : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QColor ButtonColor READ ButtonColor WRITE setButtonColor)
    Q_PROPERTY(bool Frame3D READ Frame3D WRITE setFrame3D)
public:
    explicit TColorBtn(const QString& caption = {}, QWidget* parent = nullptr);

    // The face colour; until one is set, the button face colour of the current palette.
    QColor ButtonColor() const;
    void setButtonColor(const QColor& colour);
    bool Frame3D() const { return frame3D_; }
    void setFrame3D(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;  // invalid: the palette's button face
    bool frame3D_ = false;
};
