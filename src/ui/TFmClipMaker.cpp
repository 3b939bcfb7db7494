#include "ui/TFmClipMaker.h"

#include <QButtonGroup>
#include <QFrame>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "ui/BitmapView.h"
#include "ui/ClipPanels.h"
#include "ui/CursorLib.h"
#include "ui/FixedWindow.h"
#include "ui/Glyphs.h"
#include "ui/ProgramContext.h"
#include "ui/TColorBtn.h"
#include "ui/TqyStringDialog.h"

using dabwick::ClipColour;
using dabwick::ClipTool;

namespace {

QColor toQColor(raster::Colour c)
{
    return QColor(c.red(), c.green(), c.blue());
}

// The tool, undo and clear buttons: square, with a glyph of the main window's tool bar.
QToolButton* addGlyphButton(QWidget* panel, const char* glyph, QPoint at, const char* hint)
{
    auto* button = new QToolButton(panel);
    button->setGeometry(at.x(), at.y(), 29, 29);
    button->setIcon(glyphIcon(glyph));
    button->setIconSize({22, 22});
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

TFmClipMaker::TFmClipMaker(ProgramContext& program, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
    , program_(program)
    , saver_(program.places.dataFolder, program.prompts, *this, program.record)
{
    setObjectName("FmClipMaker");
    setUpFixedWindow(this, QString::fromStdString(maker_.caption), {592, 367});

    QFrame* editPanel = makeMaroonPanel(this, {6, 7, 353, 353});
    imstretched = new BitmapView(&maker_.area(), editPanel);
    imstretched->setMagnification(dabwick::ClipMaker::kMagnification);
    imstretched->setGeometry(21, 21, 310, 310);
    imstretched->installEventFilter(this);

    QFrame* previewPanel = makeMaroonPanel(this, {363, 7, 223, 93}, "PREVIEW:");
    shownPreview_ = dabwick::shownOnMaroon(maker_.preview());
    impreview = new BitmapView(&shownPreview_, previewPanel);
    impreview->setGeometry(112, 14, dabwick::kClipSide, dabwick::kClipSide);

    buildColourPanel(makeMaroonPanel(this, {363, 105, 97, 160}, "COLOR:"));
    buildToolPanel(makeMaroonPanel(this, {465, 105, 121, 160}, "TOOL:"));

    QFrame* options = makeMaroonPanel(this, {363, 269, 223, 91}, "OPTIONS");
    btnsave = addButton(options, "Save", {28, 40, 77, 29});
    btnsave->setIcon(glyphIcon("btnsave"));
    btnsave->setToolTip("Saves this clip and closes Clip Maker");
    btnclose = addButton(options, "Cancel", {122, 40, 79, 29});
    btnclose->setToolTip("Close Clip Maker without saving this cllip");
    connect(btnsave, &QPushButton::clicked, this, &TFmClipMaker::btnsaveClick);
    connect(btnclose, &QPushButton::clicked, this, &QDialog::reject);

    sd1 = new TqyStringDialog(this);
    sd1->Caption = "Clip Name";
    sd1->Prompt = "Please enter a name for your clip.";
    sd1->rules.MaxLength = 20;
    sd1->rules.CharType = dabwick::TqyStringDialogCharacterType::sdcBoth;
    sd1->rules.DialogType = dabwick::TqyStringDialogType::sddFileName;
    showState();
}

TFmClipMaker::~TFmClipMaker() = default;

void TFmClipMaker::buildColourPanel(QWidget* panel)
{
    struct ColourButton {
        TColorBtn** field;
        ClipColour colour;
        QPoint at;
        const char* hint;
    };
    const ColourButton buttons[] = {
        {&btnblack, ClipColour::Black, {15, 40}, "Select color (Black)"},
        {&btnwhite, ClipColour::White, {14, 79}, "Select color (White)"},
        {&btnolive, ClipColour::Olive, {15, 117}, "Select color (Transparent)"},
    };
    // "Transparent" must fit on a button 68 pixels wide.
    const QFont captions = fontFitting(font(), {"Transparent"}, 60);
    for (const ColourButton& b : buttons) {
        *b.field = new TColorBtn({}, panel);
        (*b.field)->setFont(captions);
        (*b.field)->setGeometry(b.at.x(), b.at.y(), 68, 29);
        (*b.field)->setToolTip(b.hint);
        (*b.field)->setFocusPolicy(Qt::NoFocus);
        const ClipColour colour = b.colour;
        connect(*b.field, &QPushButton::clicked, this, [this, colour] { chooseColour(colour); });
    }
}

void TFmClipMaker::buildToolPanel(QWidget* panel)
{
    auto* tools = new QButtonGroup(this);
    struct ToolButton {
        QToolButton** field;
        ClipTool tool;
        const char* glyph;
        int left;
        const char* hint;
    };
    const ToolButton buttons[] = {
        {&btndraw, ClipTool::Freehand, "freehandbutton", 11, "Draw freehand with selected color"},
        {&btnfill, ClipTool::Fill, "fillbutton", 45, "Fill area with selected color"},
        {&btnline, ClipTool::Line, "LineButton", 79, "Draw line with selected color"},
    };
    for (const ToolButton& b : buttons) {
        *b.field = addGlyphButton(panel, b.glyph, {b.left, 48}, b.hint);
        (*b.field)->setCheckable(true);
        tools->addButton(*b.field);
        const ClipTool tool = b.tool;
        connect(*b.field, &QToolButton::clicked, this, [this, tool] { chooseTool(tool); });
    }
    auto* divider = new QFrame(panel);
    divider->setGeometry(8, 92, 105, 2);
    divider->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    btnUndo = addGlyphButton(panel, "btnundo", {23, 112}, "Removes the last change made to clip");
    btnclear = addGlyphButton(panel, "btnclear", {68, 112}, "Clear the clip and replaces it with a blank clip");
    connect(btnUndo, &QToolButton::clicked, this, &TFmClipMaker::btnUndoClick);
    connect(btnclear, &QToolButton::clicked, this, &TFmClipMaker::btnclearClick);
}

void TFmClipMaker::showModally()
{
    setWindowTitle(QString::fromStdString(maker_.caption));
    maker_.FormShow();
    showState();
    exec();
}

void TFmClipMaker::showState()
{
    const std::pair<TColorBtn*, ClipColour> colours[]
        = {{btnblack, ClipColour::Black}, {btnwhite, ClipColour::White}, {btnolive, ClipColour::Olive}};
    for (const auto& [button, colour] : colours) {
        const dabwick::ColourButtonLook look = maker_.buttonLook(colour);
        button->setText(QString::fromStdString(look.caption));
        button->setButtonColor(toQColor(look.face));
    }
    const std::pair<QToolButton*, ClipTool> tools[]
        = {{btndraw, ClipTool::Freehand}, {btnfill, ClipTool::Fill}, {btnline, ClipTool::Line}};
    for (const auto& [button, tool] : tools) {
        if (tool == maker_.tool())
            button->setChecked(true);
    }
    switch (maker_.tool()) {
    case ClipTool::Freehand:
        imstretched->setCursor(screenCursor(dabwick::CursorSlot::kDraw));
        break;
    case ClipTool::Fill:
        imstretched->setCursor(screenCursor(dabwick::CursorSlot::kFill));
        break;
    case ClipTool::Line:
        imstretched->setCursor(screenCursor(dabwick::CursorSlot::kLine));
        break;
    }
    btnUndo->setEnabled(maker_.undoEnabled());
    shownPreview_ = dabwick::shownOnMaroon(maker_.preview());
    imstretched->update();
    impreview->update();
}

void TFmClipMaker::chooseColour(ClipColour colour)
{
    maker_.chooseColour(colour);
    showState();
}

void TFmClipMaker::chooseTool(ClipTool tool)
{
    maker_.chooseTool(tool);
    showState();
}

bool TFmClipMaker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != imstretched)
        return QDialog::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove
        && type != QEvent::MouseButtonRelease)
        return QDialog::eventFilter(watched, event);
    const QPoint p = pixelAt(*static_cast<QMouseEvent*>(event));
    const raster::Point at {p.x(), p.y()};
    if (type == QEvent::MouseMove)
        maker_.imstretchedMouseMove(at);
    else if (type == QEvent::MouseButtonRelease)
        maker_.imstretchedMouseUp(at);
    else
        maker_.imstretchedMouseDown(at);
    showState();
    return true;
}

void TFmClipMaker::btnUndoClick()
{
    maker_.btnUndoClick();
    showState();
}

void TFmClipMaker::btnclearClick()
{
    maker_.btnclearClick(program_.prompts);
    showState();
}

void TFmClipMaker::btnsaveClick()
{
    const bool close = saver_.btnsaveClick(maker_);
    showState();
    if (close)
        accept();
}

std::optional<std::string> TFmClipMaker::askClipName()
{
    sd1->Text.clear();
    if (!sd1->Execute())
        return std::nullopt;
    return sd1->Text.toStdString();
}
