#include "ui/TFMdraw.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDate>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QToolButton>

#include "dabwick/AnimationPreparation.h"
#include "dabwick/ColouringPages.h"
#include "dabwick/Names.h"
#include "dabwick/PictureChooser.h"
#include "dabwick/PictureLoader.h"
#include "dabwick/PlayerSettings.h"
#include "ui/BitmapView.h"
#include "ui/ClipPanel.h"
#include "ui/ClipView.h"
#include "ui/ColourBar.h"
#include "ui/CursorLib.h"
#include "ui/FixedWindow.h"
#include "ui/Glyphs.h"
#include "ui/ProgramContext.h"
#include "ui/QtSheetPrinter.h"
#include "ui/SaveQuestions.h"
#include "ui/TfmClipOptions.h"
#include "ui/Tfmanimator.h"
#include "ui/Tfmdwchoices.h"
#include "ui/Tfmfillopt.h"
#include "ui/Tfmnotsave.h"
#include "ui/Tfmpictsave.h"
#include "ui/Tfmprintmessage.h"
#include "ui/Tfmprogress.h"

namespace {

QLabel* makeCaption(QWidget* parent, const char* text, const QRect& place, Qt::Alignment alignment)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QFont small = label->font();
    small.setPixelSize(10);
    label->setFont(small);
    return label;
}

void makeSeparator(QWidget* parent, int x)
{
    auto* line = new QFrame(parent);
    line->setGeometry(x, 6, 2, 62);
    line->setFrameStyle(QFrame::VLine | QFrame::Sunken);
}

}  // namespace

TFMdraw::TFMdraw(ProgramContext& program)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      program_(program), engine_(document_),
      clipBrowser_(engine_, program.resources, program.prompts, program.places.dataFolder),
      saver_(document_, program.prompts, *this, program.record), printerSource_(defaultPrinter)
{
    setObjectName("FMdraw");
    setUpFixedWindow(this, QString::fromStdString(document_.caption()), {782, 564});

    pancolorbar = makePanel(this, {0, 0, 105, 564}, QFrame::Raised);
    colourBar = new ColourBar(pancolorbar, engine_, program_);
    connect(colourBar, &ColourBar::colourChosen, this, [this] { showToolState(); });
    panclips = makePanel(this, {0, 0, 105, 564}, QFrame::Raised);
    panclips->hide();
    clipPanel = new ClipPanel(panclips, clipBrowser_);
    connect(clipPanel, &ClipPanel::stateChanged, this, [this] { showToolState(); });
    Panel3 = makePanel(this, {105, 0, 677, 46}, QFrame::Raised);
    IMpad = new BitmapView(&document_.picture, this);
    IMpad->setGeometry(105, 46, 660, 444);
    IMpad->setMouseTracking(true);
    IMpad->installEventFilter(this);
    Panel11 = makePanel(this, {765, 46, 17, 444}, QFrame::Raised);
    Panel2 = makePanel(this, {105, 490, 677, 74}, QFrame::Raised);
    buildTopBar();
    buildToolBar();
    buildPrintFonts();
    for (QWidget* background : {static_cast<QWidget*>(this), static_cast<QWidget*>(pancolorbar),
                                static_cast<QWidget*>(panclips), static_cast<QWidget*>(Panel2), static_cast<QWidget*>(Panel3), static_cast<QWidget*>(Panel11)}) {
        background->setMouseTracking(true);
        background->installEventFilter(this);
    }
    showDocumentState();
}

TFMdraw::~TFMdraw() = default;

void TFMdraw::buildTopBar()
{
    struct TopButton {
        QPushButton** field;
        const char* name;
        const char* caption;
        const char* hint;
    };
    const TopButton buttons[] = {
        {&btnnew, "btnnew", "Draw", "Draw a new picture."},
        {&SpeedButton1, "SpeedButton1", "Color", "Color a coloring page."},
        {&btnload, "btnload", "Load", "Load a user picture."},
        {&SpeedButton2, "SpeedButton2", "Play", "Play an animation of current picture."},
        {&btnMakeClip, "btnMakeClip", "Clip", "Make or edit a user clip."},
        {&btnsave, "btnsave", "Save", "Save current picture in users folder."},
        {&btnprint, "btnprint", "Print", "Print current picture."},
        {&BitBtn8, "BitBtn8", "Help", "View instructions."},
        {&BitBtn6, "BitBtn6", "Quit", "Quit Dabwick."},
    };
    int left = 6;
    for (const TopButton& b : buttons) {
        *b.field = new QPushButton(b.caption, Panel3);
        (*b.field)->setGeometry(left, 12, 57, 22);
        (*b.field)->setFocusPolicy(Qt::NoFocus);
        (*b.field)->setObjectName(b.name);
        (*b.field)->setIcon(glyphIcon(b.name));
        (*b.field)->setIconSize({16, 16});
        giveHint(*b.field, b.hint);
        left += 76;
    }
    connect(btnnew, &QPushButton::clicked, this, &TFMdraw::btnnewClick);
    connect(btnsave, &QPushButton::clicked, this, &TFMdraw::btnsaveClick);
    connect(btnprint, &QPushButton::clicked, this, &TFMdraw::btnprintClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TFMdraw::SpeedButton1Click);
    connect(btnload, &QPushButton::clicked, this, &TFMdraw::btnloadClick);
    connect(btnMakeClip, &QPushButton::clicked, this, &TFMdraw::btnMakeClipClick);
    connect(SpeedButton2, &QPushButton::clicked, this, &TFMdraw::SpeedButton2Click);
    connect(BitBtn8, &QPushButton::clicked, this, &TFMdraw::BitBtn8Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFMdraw::BitBtn6Click);
}

QToolButton* TFMdraw::addToolButton(const char* name, int left, int width, const char* hint, bool inGroup)
{
    auto* button = new QToolButton(Panel2);
    button->setObjectName(name);
    button->setGeometry(left, 28, width, 29);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCheckable(inGroup);
    button->setIcon(glyphIcon(name));
    button->setIconSize({22, 22});
    giveHint(button, hint);
    return button;
}

void TFMdraw::buildToolBar()
{
    auto* tools = new QButtonGroup(this);
    tools->setExclusive(true);
    using dabwick::ToolButton;
    struct Button {
        QToolButton** field;
        const char* name;
        int left;
        const char* hint;
        std::optional<ToolButton> tool;  // the tool group's buttons
    };
    const Button buttons[] = {
        {&freehandbutton, "freehandbutton", 6, "Freehand", ToolButton::freehandbutton},
        {&btnerase, "btnerase", 40, "Erase", ToolButton::btnerase},
        {&LineButton, "LineButton", 73, "Line", ToolButton::LineButton},
        {&RectangleButton, "RectangleButton", 107, "Rectangle", ToolButton::RectangleButton},
        {&EllipseButton, "EllipseButton", 140, "Circle", ToolButton::EllipseButton},
        {&RoundRectButton, "RoundRectButton", 174, "Rounded rectangle", ToolButton::RoundRectButton},
        {&btnclip, "btnclip", 207, "Clip ", ToolButton::btnclip},
        {&crayonbutton, "crayonbutton", 250, "Crayon: colors over any color except black.", ToolButton::crayonbutton},
        {&markerbutton, "markerbutton", 283, "Marker: blends colors except black.", ToolButton::markerbutton},
        {&fillbutton, "fillbutton", 316, "Fill: fills drawn area with selected pattern.", ToolButton::fillbutton},
        {&btnstyle, "btnstyle", 348, "Select fill pattern.", std::nullopt},
        {&btnreplace, "btnreplace", 381, "Color replacer: Replace all of one color in picture with selected color.",
         ToolButton::btnreplace},
        {&btnselect, "btnselect", 414, "Color picker: Select marker, crayon, or fill color from current picture.",
         ToolButton::btnselect},
        {&btnminus, "btnminus", 473, "Decrease tool size.", std::nullopt},
        {&btnplus, "btnplus", 508, "Increase tool size.", std::nullopt},
        {&btnoutline, "btnoutline", 565, "Outlines all colored areas with a black line.", std::nullopt},
        {&btnclear, "btnclear", 601, "Clears all color and makes current pictue black and white.", std::nullopt},
        {&btnundo, "btnundo", 637, "Removes the last change made to current picture.", std::nullopt},
    };
    for (const Button& b : buttons) {
        const int width = b.field == &EllipseButton ? 26 : 29;
        *b.field = addToolButton(b.name, b.left, width, b.hint, b.tool.has_value());
        if (!b.tool)
            continue;
        tools->addButton(*b.field);
        toolButtons_.emplace_back(*b.field, *b.tool);
        const ToolButton tool = *b.tool;
        connect(*b.field, &QToolButton::clicked, this, [this, tool] {
            engine_.pressToolButton(tool);
            // The clip button brings the browser back with nothing selected: its preview says so.
            if (tool == ToolButton::btnclip)
                clipPanel->showState();
            showToolState();
        });
    }
    connect(fillbutton, &QToolButton::pressed, this, [this] { engine_.fillbuttonMouseDown(); });
    freehandbutton->setChecked(true);
    btnstyle->setEnabled(false);
    btnstyle->setIcon(glyphIcon("pattern_solid"));
    btnstyle->setIconSize({16, 16});

    makeCaption(Panel2, "-------------- Drawing tools {Black only} ------------------", {4, 8, 236, 16}, Qt::AlignHCenter);
    makeCaption(Panel2, "------------ Coloring tools {all colors} -----------", {248, 8, 196, 16}, Qt::AlignHCenter);
    // The widest caption, "Border width = ", just fits between the separators.
    lbltool = makeCaption(Panel2, "Pen size:", {449, 8, 81, 16}, Qt::AlignRight);
    lblsize = makeCaption(Panel2, "1", {530, 8, 20, 16}, Qt::AlignLeft);
    makeCaption(Panel2, "--- Picture modifiers ---", {558, 8, 112, 16}, Qt::AlignHCenter);
    makeSeparator(Panel2, 242);
    makeSeparator(Panel2, 446);
    makeSeparator(Panel2, 551);

    connect(btnundo, &QToolButton::clicked, this, &TFMdraw::btnundoClick);
    connect(btnstyle, &QToolButton::clicked, this, &TFMdraw::btnstyleClick);
    connect(btnminus, &QToolButton::clicked, this, &TFMdraw::btnminusClick);
    connect(btnplus, &QToolButton::clicked, this, &TFMdraw::btnplusClick);
    connect(btnoutline, &QToolButton::clicked, this, &TFMdraw::btnoutlineClick);
    connect(btnclear, &QToolButton::clicked, this, &TFMdraw::btnclearClick);
}

void TFMdraw::buildPrintFonts()
{
    const auto hiddenLabel = [this](int points, bool bold, bool italic) {
        auto* label = new QLabel(this);
        QFont font("Times New Roman", points, bold ? QFont::Bold : QFont::Normal, italic);
        // Where that font is missing, any serif face stands in rather than the desktop's sans.
        font.setStyleHint(QFont::Serif);
        label->setFont(font);
        label->hide();
        return label;
    };
    lbltitle = hiddenLabel(26, true, false);
    lblname = hiddenLabel(14, false, false);
    lblquillory = hiddenLabel(10, false, true);
}

void TFMdraw::setSaveDialogs(Tfmclearpict* clearpict, TFmChecksave* checksave, Tfmwantsave* wantsave,
                             Tfmpictsave* pictsave, Tfmnotsave* notsave)
{
    clearpict_ = clearpict;
    checksave_ = checksave;
    wantsave_ = wantsave;
    pictsave_ = pictsave;
    notsave_ = notsave;
}

void TFMdraw::showDocumentState()
{
    setWindowTitle(QString::fromStdString(document_.caption()));
    btnsave->setEnabled(document_.buttons.save);
    btnprint->setEnabled(document_.buttons.print);
    btnclear->setEnabled(document_.buttons.clear);
    btnundo->setEnabled(document_.buttons.undo);
    IMpad->update();
    showToolState();
}

void TFMdraw::showToolState()
{
    const dabwick::ToolControls& shown = engine_.controls();
    for (const auto& [button, tool] : toolButtons_) {
        if (tool == engine_.downButton())
            button->setChecked(true);
    }
    lbltool->setText(QString::fromStdString(shown.sizeCaption));
    lblsize->setText(QString::fromStdString(shown.sizeText));
    for (QWidget* control : {static_cast<QWidget*>(lbltool), static_cast<QWidget*>(lblsize),
                             static_cast<QWidget*>(btnminus), static_cast<QWidget*>(btnplus)})
        control->setEnabled(shown.sizeControlsEnabled);
    btnstyle->setEnabled(shown.styleEnabled);
    IMpad->setCursor(screenCursor(shown.padCursor));
    colourBar->showState();
    btnselect->setEnabled(shown.selectEnabled);
    panclips->setVisible(shown.clipPanelVisible);
    pancolorbar->setVisible(!shown.clipPanelVisible);
    const raster::Point clipAt = engine_.MainclipAt();
    IMpad->setOverlay(shown.floatingClipVisible ? clipImage(engine_.Mainclip()) : QImage(), {clipAt.x, clipAt.y});
}

void TFMdraw::repaintPad(const raster::Rect& changed)
{
    if (!changed.empty())
        IMpad->update(QRect(changed.left, changed.top, changed.width(), changed.height()));
}

bool TFMdraw::padMouseEvent(QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint p = pixelAt(*mouse);
    const raster::Point at{p.x(), p.y()};
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:  // a child's quick second tap is a press like any other
        repaintPad(engine_.IMpadMouseDown(at));
        break;
    case QEvent::MouseMove: {
        const Qt::MouseButtons held = mouse->buttons();
        const bool oneButton = (held == Qt::LeftButton || held == Qt::MiddleButton || held == Qt::RightButton)
            && mouse->modifiers() == Qt::NoModifier;
        repaintPad(engine_.IMpadMouseMove(at, oneButton));
        showToolState();
        return true;
    }
    case QEvent::MouseButtonRelease:
        repaintPad(engine_.IMpadMouseUp(at));
        break;
    default:
        return false;
    }
    showDocumentState();
    return true;
}

bool TFMdraw::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick
        || type == QEvent::MouseMove || type == QEvent::MouseButtonRelease;
    if (watched == IMpad && mouse)
        return padMouseEvent(event);
    // Leaving the pad counts too: the pointer may jump straight onto a tool button, which
    // reports no moves, and the colour preview must not stay behind.
    if ((watched != IMpad && type == QEvent::MouseMove) || type == QEvent::Leave) {
        engine_.FormMouseMove();
        showToolState();
    }
    return QWidget::eventFilter(watched, event);
}

void TFMdraw::btnstyleClick()
{
    if (!fillopt_)
        return;
    const int style = fillopt_->choosePattern();
    update();
    engine_.chooseFillStyle(style);
    btnstyle->setIcon(glyphIcon(Tfmfillopt::glyphOf(engine_.fillStyle())));
    showToolState();
}

void TFMdraw::btnminusClick()
{
    engine_.btnminusClick();
    showToolState();
}

void TFMdraw::btnplusClick()
{
    engine_.btnplusClick();
    showToolState();
}

void TFMdraw::btnoutlineClick()
{
    engine_.btnoutlineClick();
    showDocumentState();
}

void TFMdraw::btnclearClick()
{
    engine_.btnclearClick();
    showDocumentState();
}

void TFMdraw::ResetPicture()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    document_.ResetPicture();
    resetTools();
    showDocumentState();
    QGuiApplication::restoreOverrideCursor();
}

void TFMdraw::resetTools()
{
    engine_.ResetTools();
    btnstyle->setIcon(glyphIcon("pattern_solid"));
}

void TFMdraw::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;  // coming back from being minimised is no new showing
    if (document_.skipReset) {
        document_.skipReset = false;
        return;
    }
    ResetPicture();
}

void TFMdraw::btnnewClick()
{
    if (!saver_.mayDiscardPicture(dabwick::SaveQuestion::BeforeNewPicture)) {
        showDocumentState();
        return;
    }
    document_.StartNewDrawing();
    resetTools();
    showDocumentState();
}

void TFMdraw::SpeedButton1Click()
{
    if (saver_.mayDiscardPicture(dabwick::SaveQuestion::BeforeLoad))
        ChooseColouringPage();
    showDocumentState();
}

void TFMdraw::btnloadClick()
{
    if (saver_.mayDiscardPicture(dabwick::SaveQuestion::BeforeLoad))
        ChooseChildPicture();
    showDocumentState();
}

void TFMdraw::SpeedButton2Click()
{
    if (!dabwick::PictureHasColour(document_.picture)) {
        setEnabled(false);
        program_.prompts.ShowWarning(dabwick::kAnimationErrorCaption, dabwick::kNotColouredText);
    } else if (progress_ && animator_) {
        // Hidden is out of reach enough; disabled, it would take its own dialogs with it.
        hide();
        if (progress_->prepare(document_.picture, animator_->prepared())) {
            const std::string& folder = saver_.userFolder();
            const dabwick::PlayerSettings settings = dabwick::ReadPlayerSettings(folder);
            const std::string tune = dabwick::resolveIgnoringCase(program_.places.dataFolder + "DW Animate Music.mid");
            dabwick::WritePlayerSettings(folder, animator_->play(settings, tune), program_.record);
        }
    }
    // The picture comes back as it went: the show handler must not start a new one. (A window
    // that never went away gets no show, and so no flag that would linger.)
    setEnabled(true);
    document_.skipReset = !isVisible();
    show();
    raise();
    activateWindow();
}

void TFMdraw::ChooseColouringPage()
{
    dabwick::PictureChooser pages(dabwick::ChooserMode::ColouringPages,
                                  program_.places.dataFolder + dabwick::kColouringPageFolder, "*.dwp*");
    chooseAndLoad(pages, "Coloring page selection", &dabwick::PictureLoader::LoadPageFile);
}

void TFMdraw::ChooseChildPicture()
{
    dabwick::PictureChooser pictures(dabwick::ChooserMode::ChildPictures, saver_.userFolder(), "*.dwb*");
    chooseAndLoad(pictures, "User picture selection", &dabwick::PictureLoader::LoadPictureFile);
}

void TFMdraw::chooseAndLoad(dabwick::PictureChooser& files, const char* caption,
                            dabwick::LoadOutcome (dabwick::PictureLoader::*load)(const std::string&))
{
    // Only the child's own pictures may be deleted, and only they can hold colour to clear.
    const bool childPictures = files.mode() == dabwick::ChooserMode::ChildPictures;
    const std::optional<std::string> chosen = chooser_ ? chooser_->choose(files, caption, childPictures) : std::nullopt;
    update();
    if (!chosen)
        return;
    dabwick::PictureLoader loader(document_, program_.prompts);
    const dabwick::LoadOutcome outcome = (loader.*load)(*chosen);
    resetTools();
    if (outcome == dabwick::LoadOutcome::Unreadable)
        return;
    if (outcome == dabwick::LoadOutcome::Loaded)
        engine_.pressToolButton(dabwick::ToolButton::crayonbutton);
    document_.loaded = true;
    document_.buttons.print = true;
    document_.buttons.clear = childPictures;
}

void TFMdraw::btnsaveClick()
{
    saver_.SaveCurrentPicture();
    showDocumentState();
}

void TFMdraw::btnprintClick()
{
    const std::unique_ptr<QPrinter> printer = printerSource_();
    std::optional<QtSheetPrinter> sheet;
    if (printer)
        sheet.emplace(*printer, std::array{lbltitle->font(), lblname->font(), lblquillory->font()});
    // Weekday and month in the child's own language, as the desktop is set up.
    const QString today = QLocale::system().toString(QDate::currentDate(), "dddd, MMMM dd, yyyy");
    dabwick::PicturePrinter(document_, program_.prompts, *this)
        .btnprintClick(sheet ? &*sheet : nullptr, childName_, today.toStdString());
    showDocumentState();
}

void TFMdraw::btnundoClick()
{
    document_.UndoLastChange();
    showDocumentState();
}

void TFMdraw::btnMakeClipClick()
{
    if (!clipOptions_)
        return;
    clipOptions_->showFor(childName_);
    update();
    // The child's new or changed clips show at once.
    if (panclips->isVisible())
        clipPanel->LoadClipCategory();
}

void TFMdraw::BitBtn8Click()
{
    if (showInstructions_)
        showInstructions_();
    update();
}

void TFMdraw::BitBtn6Click()
{
    close();
}

void TFMdraw::closeEvent(QCloseEvent* event)
{
    // With a failed or cancelled save the window stays open and the picture stays as it is.
    if (!saver_.mayDiscardPicture(dabwick::SaveQuestion::BeforeQuit)) {
        showDocumentState();
        event->ignore();
        return;
    }
    event->accept();
    QCoreApplication::quit();
}

std::optional<std::string> TFMdraw::askPictureName(const std::string& preset)
{
    return pictsave_ ? pictsave_->askName(preset) : std::nullopt;
}

bool TFMdraw::askReplace(const std::string& name)
{
    return notsave_ && notsave_->askReplace(name);
}

void TFMdraw::showBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

dabwick::SaveAnswer TFMdraw::askSaveFirst(dabwick::SaveQuestion question)
{
    SaveQuestionDialog* dialog = nullptr;
    switch (question) {
    case dabwick::SaveQuestion::BeforeNewPicture: dialog = clearpict_; break;
    case dabwick::SaveQuestion::BeforeQuit: dialog = checksave_; break;
    case dabwick::SaveQuestion::BeforeLoad: dialog = wantsave_; break;
    }
    const dabwick::SaveAnswer answer = dialog ? dialog->ask() : dabwick::SaveAnswer::Cancel;
    update();
    return answer;
}

void TFMdraw::showBusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void TFMdraw::restoreCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

void TFMdraw::showPrintMessage()
{
    if (printmessage_)
        printmessage_->show();
}

void TFMdraw::waitForPrintMessage()
{
    if (printmessage_)
        printmessage_->waitUntilClosed();
}

void TFMdraw::setMainWindowEnabled(bool enabled)
{
    setEnabled(enabled);
}

void TFMdraw::processPendingMessages()
{
    QCoreApplication::processEvents();
}
