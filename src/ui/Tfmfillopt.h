#pragma once

#include <QDialog>

class QPushButton;

// The fill pattern window: seven buttons, each a pattern with its picture.
class Tfmfillopt : public QDialog {
    Q_OBJECT
public:
    explicit Tfmfillopt(QWidget* parent);

    // Shows the window; the pattern the child chose, or solid (0) when it was closed without one.
    int choosePattern();

    // The glyph that shows a pattern on a button.
    static const char* glyphOf(int fillStyle);

private:
    int FillStyle = 0;
};
