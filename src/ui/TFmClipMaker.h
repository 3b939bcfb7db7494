#pragma once

#include <QDialog>

#include "dabwick/ClipMaker.h"
#include "dabwick/ClipSaver.h"

struct ProgramContext;
class BitmapView;
class QPushButton;
class QToolButton;
class TColorBtn;
class TqyStringDialog;

// The clip maker: a clip drawn pixel by pixel in a view magnified five times, with black,
// white and olive ("Transparent"), freehand, fill and line, one undo, clear and save. The
// clip manager prepares maker() and then calls showModally.
class TFmClipMaker : public QDialog, private dabwick::ClipNameDialog {
    Q_OBJECT
public:
    TFmClipMaker(ProgramContext& program, QWidget* parent);
    ~TFmClipMaker() override;

    dabwick::ClipMaker& maker() { return maker_; }
    void showModally();

    BitmapView* imstretched;
    BitmapView* impreview;
    TColorBtn* btnblack;
    TColorBtn* btnwhite;
    TColorBtn* btnolive;
    QToolButton* btndraw;
    QToolButton* btnfill;
    QToolButton* btnline;
    QToolButton* btnUndo;
    QToolButton* btnclear;
    QPushButton* btnsave;
    QPushButton* btnclose;
    TqyStringDialog* sd1;

    void btnUndoClick();
    void btnclearClick();
    void btnsaveClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildColourPanel(QWidget* panel);
    void buildToolPanel(QWidget* panel);
    void chooseColour(dabwick::ClipColour colour);
    void chooseTool(dabwick::ClipTool tool);
    // Copies the maker's state onto the window; every handler ends with it.
    void showState();
    std::optional<std::string> askClipName() override;

    ProgramContext& program_;
    dabwick::ClipMaker maker_;
    dabwick::ClipSaver saver_;
    raster::Bitmap shownPreview_;
};
