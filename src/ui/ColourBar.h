#pragma once

#include <QObject>
#include <QPoint>

#include "dabwick/PaletteStrip.h"

namespace dabwick {
class DrawingEngine;
}
struct ProgramContext;
class BitmapView;
class QFrame;
class QLabel;
class QToolButton;
class QWidget;
class TEnhCombo;

// The colour controls of the main window's side panel: the palette chooser, the colour preview,
// the palette strip, the custom colour button and the current-colour swatch. They set the drawing
// engine's current colour and preview; the engine says which of them show.
class ColourBar : public QObject {
    Q_OBJECT
public:
    // Builds the controls as children of `pancolorbar`, the strip showing the main palette.
    ColourBar(QFrame* pancolorbar, dabwick::DrawingEngine& engine, ProgramContext& program);

    // Fills the chooser: "<Main>", then every palette of the palette folder. Run once the
    // palettes are installed; the list stays as it is after that.
    void ListPalettes();
    // Copies the engine's colour state onto the controls: which show, the preview's and the
    // swatch's colours and the strip's cursor. The main window runs it after every handler.
    void showState();

    void cbpaletteChange();
    // Strip pixels, which are the strip control's own coordinates.
    void impalmainMouseMove(QPoint at);
    void impalmainMouseDown();
    void btncustomClick();

    TEnhCombo* cbpalette;
    QFrame* pcolor;
    QWidget* impcolor;
    BitmapView* impalmain;
    QLabel* Label4;
    QToolButton* btncustom;
    QFrame* cpen;
    QWidget* imcpen;

signals:
    // A colour was taken from the strip or the dialog; an armed picker may have given way to
    // another tool, so the main window shows its tool state again.
    void colourChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    dabwick::DrawingEngine& engine_;
    ProgramContext& program_;
    dabwick::PaletteStrip strip_;
};
