#pragma once

#include <QWidget>

#include "dabwick/ClipBrowser.h"
#include "dabwick/DrawingEngine.h"
#include "dabwick/PictureChooser.h"
#include "dabwick/PictureDocument.h"
#include "dabwick/PictureLoader.h"
#include "dabwick/PicturePrinter.h"
#include "dabwick/PictureSaver.h"
#include "dabwick/SavePrompts.h"
#include "ui/DefaultPrinter.h"

struct ProgramContext;
class BitmapView;
class ClipPanel;
class ColourBar;
class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
class QToolButton;
class Tfmclearpict;
class TFmChecksave;
class Tfmnotsave;
class Tfmpictsave;
class Tfmwantsave;
class Tfmfillopt;
class Tfmdwchoices;
class TfmClipOptions;
class Tfmprintmessage;
class Tfmprogress;
class Tfmanimator;

// The main window: the picture pad with the top bar of picture buttons above it, the tool bar
// below it and the colour and clip panels on the left. It owns the picture being edited.
class TFMdraw : public QWidget, private dabwick::SavePrompts, private dabwick::PrintSurroundings {
    Q_OBJECT
public:
    explicit TFMdraw(ProgramContext& program);
    ~TFMdraw() override;

    // The question windows are created after the main window, in the program's fixed order.
    void setSaveDialogs(Tfmclearpict* clearpict, TFmChecksave* checksave, Tfmwantsave* wantsave, Tfmpictsave* pictsave,
                        Tfmnotsave* notsave);
    // The fill pattern window, created after the main window.
    void setFillPatternWindow(Tfmfillopt* fillopt) { fillopt_ = fillopt; }
    // The picture chooser, created after the main window.
    void setPictureChooser(Tfmdwchoices* chooser) { chooser_ = chooser; }
    // The animation's preparation and player windows, created after the main window.
    void setAnimationWindows(Tfmprogress* progress, Tfmanimator* animator)
    {
        progress_ = progress;
        animator_ = animator;
    }
    // Opens the instructions, modally; set once the instructions window exists.
    void setShowInstructions(std::function<void()> show) { showInstructions_ = std::move(show); }
    // The signed-in child's folder, ending in '/'.
    void setUserFolder(const std::string& folder)
    {
        saver_.setUserFolder(folder);
        clipBrowser_.setUserFolder(folder);
    }
    // The signed-in child's name: the clip manager shows that child's own clips, and the printed
    // sheet names the child.
    void setChildName(const std::string& name) { childName_ = name; }
    // The clip manager, created after the main window.
    void setClipManager(TfmClipOptions* clipOptions) { clipOptions_ = clipOptions; }
    // The "please wait" window of printing, created after the main window.
    void setPrintMessage(Tfmprintmessage* printmessage) { printmessage_ = printmessage; }
    // Print asks `source` for its printer instead of taking the default printer.
    void setPrinterSource(PrinterSource source) { printerSource_ = std::move(source); }

    dabwick::PictureDocument& document() { return document_; }
    dabwick::DrawingEngine& engine() { return engine_; }
    // Copies the document's caption and button states onto the widgets; every handler ends with it.
    void showDocumentState();

    // Top bar.
    QPushButton* btnnew;
    QPushButton* SpeedButton1;
    QPushButton* btnload;
    QPushButton* SpeedButton2;
    QPushButton* btnMakeClip;
    QPushButton* btnsave;
    QPushButton* btnprint;
    QPushButton* BitBtn8;
    QPushButton* BitBtn6;
    // Picture pad and panels.
    BitmapView* IMpad;
    QFrame* pancolorbar;
    ColourBar* colourBar;
    QFrame* panclips;
    ClipPanel* clipPanel;
    QFrame* Panel2;
    QFrame* Panel3;
    QFrame* Panel11;
    // Tool bar.
    QToolButton* freehandbutton;
    QToolButton* btnerase;
    QToolButton* LineButton;
    QToolButton* RectangleButton;
    QToolButton* EllipseButton;
    QToolButton* RoundRectButton;
    QToolButton* btnclip;
    QToolButton* crayonbutton;
    QToolButton* markerbutton;
    QToolButton* fillbutton;
    QToolButton* btnstyle;
    QToolButton* btnreplace;
    QToolButton* btnselect;
    QToolButton* btnminus;
    QToolButton* btnplus;
    QToolButton* btnoutline;
    QToolButton* btnclear;
    QToolButton* btnundo;
    QLabel* lbltool;
    QLabel* lblsize;
    // Hidden: they lend their fonts to the printed sheet.
    QLabel* lbltitle;
    QLabel* lblname;
    QLabel* lblquillory;

    void btnnewClick();
    void SpeedButton1Click();
    void btnloadClick();
    void SpeedButton2Click();
    void ChooseColouringPage();
    void ChooseChildPicture();
    void btnstyleClick();
    void btnminusClick();
    void btnplusClick();
    void btnoutlineClick();
    void btnclearClick();
    void btnsaveClick();
    void btnundoClick();
    void btnMakeClipClick();
    void btnprintClick();
    void BitBtn8Click();
    void BitBtn6Click();
    void ResetPicture();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTopBar();
    void buildToolBar();
    QToolButton* addToolButton(const char* name, int left, int width, const char* hint, bool inGroup);
    // Copies the engine's tool state onto the tool bar, the side panel and the pad's cursor.
    void showToolState();
    // Every new picture starts with the pencil of size 5 and a solid fill.
    void resetTools();
    // Shows the chooser over one folder and loads the chosen file with `load`. After a finished
    // load, good or not, Print comes on and the picture counts as loaded; a picture that did load
    // starts with the crayon.
    void chooseAndLoad(dabwick::PictureChooser& files, const char* caption,
                       dabwick::LoadOutcome (dabwick::PictureLoader::*load)(const std::string&));
    void repaintPad(const raster::Rect& changed);
    bool padMouseEvent(QEvent* event);

    std::optional<std::string> askPictureName(const std::string& preset) override;
    bool askReplace(const std::string& name) override;
    dabwick::SaveAnswer askSaveFirst(dabwick::SaveQuestion question) override;
    void showBusy(bool busy) override;

    void buildPrintFonts();
    void showBusyCursor() override;
    void restoreCursor() override;
    void showPrintMessage() override;
    void waitForPrintMessage() override;
    void setMainWindowEnabled(bool enabled) override;
    void processPendingMessages() override;

    ProgramContext& program_;
    dabwick::PictureDocument document_;
    dabwick::DrawingEngine engine_;
    dabwick::ClipBrowser clipBrowser_;
    dabwick::PictureSaver saver_;
    std::vector<std::pair<QToolButton*, dabwick::ToolButton>> toolButtons_;
    Tfmfillopt* fillopt_ = nullptr;
    Tfmdwchoices* chooser_ = nullptr;
    TfmClipOptions* clipOptions_ = nullptr;
    std::string childName_;
    Tfmprogress* progress_ = nullptr;
    Tfmanimator* animator_ = nullptr;
    Tfmclearpict* clearpict_ = nullptr;
    TFmChecksave* checksave_ = nullptr;
    Tfmwantsave* wantsave_ = nullptr;
    Tfmpictsave* pictsave_ = nullptr;
    Tfmnotsave* notsave_ = nullptr;
    Tfmprintmessage* printmessage_ = nullptr;
    PrinterSource printerSource_;
    std::function<void()> showInstructions_;
};
