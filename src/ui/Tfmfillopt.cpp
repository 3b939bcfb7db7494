#include "ui/Tfmfillopt.h"

#include <QLabel>
#include <QPushButton>

#include "ui/FixedWindow.h"
#include "ui/Glyphs.h"

namespace {

struct PatternButton {
    const char* name;
    QPoint place;
    const char* caption;
    int fillStyle;
    const char* glyph;
};

constexpr PatternButton kPatterns[] = {
    {"fill3", {20, 47}, "Cross {1}", 6, "pattern_cross"},
    {"fill4", {112, 47}, "Cross {2}", 7, "pattern_diagcross"},
    {"fill5", {20, 83}, "Diag. {1}", 5, "pattern_bdiagonal"},
    {"fill6", {112, 83}, "Diag. {2}", 4, "pattern_fdiagonal"},
    {"fill7", {20, 119}, "   Horiz.  ", 2, "pattern_horizontal"},
    {"fill8", {112, 119}, "Vertical  ", 3, "pattern_vertical"},
    {"fill2", {66, 171}, "   Solid   ", 0, "pattern_solid"},
};

}  // namespace

Tfmfillopt::Tfmfillopt(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setUpFixedWindow(this, "Fill Style", {210, 217});
    const QString text = "Select fill Style from the options below:";
    auto* label = new QLabel(text, this);
    constexpr int kMargin = 15;
    label->setFont(fontFitting(font(), {text}, width() - 2 * kMargin));
    label->setGeometry(kMargin, 19, width() - 2 * kMargin, label->sizeHint().height());
    for (const PatternButton& pattern : kPatterns) {
        auto* button = new QPushButton(pattern.caption, this);
        button->setObjectName(pattern.name);
        button->setGeometry(QRect(pattern.place, QSize(80, 27)));
        button->setIcon(glyphIcon(pattern.glyph));
        button->setLayoutDirection(Qt::RightToLeft);  // the picture stands right of the caption
        const int style = pattern.fillStyle;
        connect(button, &QPushButton::clicked, this, [this, style] {
            FillStyle = style;
            accept();
        });
    }
}

int Tfmfillopt::choosePattern()
{
    // Opening the window presses Solid, so closing it without a choice leaves the fill solid.
    FillStyle = 0;
    findChild<QPushButton*>("fill2")->setFocus();
    exec();
    return FillStyle;
}

const char* Tfmfillopt::glyphOf(int fillStyle)
{
    for (const PatternButton& pattern : kPatterns) {
        if (pattern.fillStyle == fillStyle)
            return pattern.glyph;
    }
    return "pattern_solid";
}
