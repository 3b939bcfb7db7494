#include "ui/ColourBar.h"

#include <QColorDialog>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "dabwick/DrawingEngine.h"
#include "dabwick/PaletteChoice.h"
#include "dabwick/Palettes.h"
#include "ui/BitmapView.h"
#include "ui/CursorLib.h"
#include "ui/FixedWindow.h"
#include "ui/Glyphs.h"
#include "ui/ProgramContext.h"
#include "ui/TEnhCombo.h"

namespace {

constexpr int kChooserLines = 15;

QColor toQColor(raster::Colour c)
{
    return QColor(c.red(), c.green(), c.blue());
}

raster::Colour fromQColor(const QColor& c)
{
    return raster::Colour::rgb(std::uint8_t(c.red()), std::uint8_t(c.green()), std::uint8_t(c.blue()));
}

// A sunken panel holding an image of one colour all over: the preview and the swatch.
QFrame* makeSwatchPanel(QWidget* parent, const QRect& place, QWidget** image)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(place);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(1);
    *image = new QWidget(panel);
    (*image)->setGeometry(panel->contentsRect());
    (*image)->setAutoFillBackground(true);
    return panel;
}

void paintSwatch(QWidget* image, raster::Colour c)
{
    QPalette colours = image->palette();
    colours.setColor(QPalette::Window, toQColor(c));
    image->setPalette(colours);
}

}  // namespace

ColourBar::ColourBar(QFrame* pancolorbar, dabwick::DrawingEngine& engine, ProgramContext& program)
    : QObject(pancolorbar)
    , engine_(engine)
    , program_(program)
    , strip_(dabwick::PaletteStrip::builtIn(program.resources))
{
    cbpalette = new TEnhCombo(pancolorbar);
    cbpalette->setObjectName("cbpalette");
    cbpalette->setGeometry(4, 6, 97, 21);
    cbpalette->setMaxVisibleItems(kChooserLines);
    cbpalette->addItem(dabwick::kMainPaletteName);

    pcolor = makeSwatchPanel(pancolorbar, {8, 29, 89, 21}, &impcolor);
    pcolor->setObjectName("pcolor");
    impcolor->setObjectName("impcolor");

    impalmain = new BitmapView(&strip_.image(), pancolorbar);
    impalmain->setObjectName("impalmain");
    impalmain->setGeometry(4, 54, dabwick::kStripWidth, dabwick::kStripHeight);
    impalmain->setMouseTracking(true);
    impalmain->installEventFilter(this);

    Label4 = new QLabel("Tool Color", pancolorbar);
    Label4->setObjectName("Label4");
    QFont small = Label4->font();
    small.setPixelSize(11);
    Label4->setFont(small);
    Label4->move(42, 522);
    Label4->adjustSize();

    btncustom = new QToolButton(pancolorbar);
    btncustom->setObjectName("btncustom");
    btncustom->setGeometry(7, 527, 26, 25);
    btncustom->setFocusPolicy(Qt::NoFocus);
    btncustom->setIcon(glyphIcon("btncustom"));
    btncustom->setIconSize({18, 18});
    giveHint(btncustom, "Click to create a custom color");

    cpen = makeSwatchPanel(pancolorbar, {40, 536, 57, 21}, &imcpen);
    cpen->setObjectName("cpen");
    imcpen->setObjectName("imcpen");
    giveHint(cpen, "Currently selected color.");

    connect(cbpalette, &QComboBox::currentTextChanged, this, &ColourBar::cbpaletteChange);
    connect(btncustom, &QToolButton::clicked, this, &ColourBar::btncustomClick);
    showState();
}

void ColourBar::ListPalettes()
{
    const QSignalBlocker quiet(cbpalette);
    const QString shown = cbpalette->currentText();
    cbpalette->clear();
    cbpalette->addItem(dabwick::kMainPaletteName);
    for (const std::string& name : dabwick::ListPalettes(program_.places.dataFolder))
        cbpalette->addItem(QString::fromStdString(name));
    cbpalette->setEditText(shown);
}

void ColourBar::showState()
{
    const dabwick::ToolControls& shown = engine_.controls();
    for (QWidget* control : {static_cast<QWidget*>(impalmain), static_cast<QWidget*>(cbpalette),
             static_cast<QWidget*>(Label4), static_cast<QWidget*>(cpen)})
        control->setVisible(shown.colourControlsVisible);
    btncustom->setVisible(shown.customVisible);
    pcolor->setVisible(shown.previewVisible);
    paintSwatch(impcolor, engine_.previewColour());
    paintSwatch(imcpen, engine_.currentColour());
    impalmain->setCursor(screenCursor(shown.stripCursor));
}

void ColourBar::cbpaletteChange()
{
    if (strip_.cbpaletteChange(cbpalette->currentText().toStdString(), program_.places.dataFolder, program_.prompts))
        impalmain->update();
}

void ColourBar::impalmainMouseMove(QPoint at)
{
    dabwick::impalmainMouseMove(engine_, strip_.image(), {at.x(), at.y()});
    showState();
}

void ColourBar::impalmainMouseDown()
{
    dabwick::impalmainMouseDown(engine_);
    showState();
    emit colourChosen();
}

void ColourBar::btncustomClick()
{
    // Solid colours only; the custom colours the child makes stay for the rest of the run.
    QColorDialog dialog(toQColor(engine_.currentColour()), impalmain->window());
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    // Cancelled, the dialog's colour is the one it started from.
    dabwick::takeCustomColour(engine_, confirmed ? fromQColor(dialog.selectedColor()) : engine_.currentColour());
    showState();
    emit colourChosen();
}

bool ColourBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != impalmain)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove:
        impalmainMouseMove(pixelAt(*static_cast<QMouseEvent*>(event)));
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        impalmainMouseDown();
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}
