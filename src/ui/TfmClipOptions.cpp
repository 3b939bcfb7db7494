#include "ui/TfmClipOptions.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include "dabwick/ClipSaver.h"
#include "ui/BitmapView.h"
#include "ui/ClipPanels.h"
#include "ui/FixedWindow.h"
#include "ui/ProgramContext.h"
#include "ui/TFmClipMaker.h"

TfmClipOptions::TfmClipOptions(ProgramContext& program, TFmClipMaker& clipMaker, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
    , program_(program)
    , clipMaker_(clipMaker)
{
    setObjectName("fmClipOptions");
    setUpFixedWindow(this, " Clip Options", {577, 355});

    lbClips = new QListWidget(this);
    lbClips->setGeometry(8, 9, 449, 337);
    connect(lbClips, &QListWidget::currentRowChanged, this, &TfmClipOptions::lbClipsClick);

    QFrame* panel1 = makeMaroonPanel(this, {472, 9, 97, 121}, "PREVIEW:", {14, 16});
    impreview = new BitmapView(&manager_.preview(), panel1);
    impreview->setGeometry(16, 42, 64, 64);

    struct Button {
        QPushButton** field;
        const char* caption;
        int top;
        const char* hint;
        void (TfmClipOptions::*click)();
    };
    const Button buttons[] = {
        {&btnNew, "New", 153, "Create new clip", &TfmClipOptions::btnNewClick},
        {&btnEdit, "Edit", 193, "Edit selected clip", &TfmClipOptions::btnEditClick},
        {&btnCopy, "Copy", 233, "Create and edit copy of selected clip", &TfmClipOptions::btnCopyClick},
        {&btnDelete, "Delete", 273, "Delete selected clip", &TfmClipOptions::btnDeleteClick},
    };
    for (const Button& b : buttons) {
        *b.field = addButton(this, b.caption, {480, b.top, 75, 25});
        (*b.field)->setToolTip(b.hint);
        connect(*b.field, &QPushButton::clicked, this, b.click);
    }
    BitBtn4 = addButton(this, "Close", {480, 321, 75, 25});
    connect(BitBtn4, &QPushButton::clicked, this, &QDialog::accept);
}

void TfmClipOptions::showFor(const std::string& clipOwner)
{
    clipMaker_.maker().ClipOwner = clipOwner;
    manager_.setFolder(dabwick::userClipsFolder(program_.places.dataFolder, clipOwner));
    RefreshClipList();
    exec();
}

void TfmClipOptions::RefreshClipList()
{
    manager_.RefreshClipList();
    showList();
}

void TfmClipOptions::showList()
{
    const QSignalBlocker quiet(lbClips);
    lbClips->clear();
    for (const std::string& name : manager_.clipNames())
        lbClips->addItem(QString::fromStdString(name));
    showState();
}

void TfmClipOptions::showState()
{
    if (manager_.selected()) {
        const QSignalBlocker quiet(lbClips);
        lbClips->setCurrentRow(int(*manager_.selected()));
    }
    for (QPushButton* button : {btnEdit, btnCopy, btnDelete})
        button->setEnabled(manager_.haveClips());
    impreview->update();
}

void TfmClipOptions::lbClipsClick()
{
    if (lbClips->currentRow() < 0)
        return;
    manager_.lbClipsClick(std::size_t(lbClips->currentRow()));
    showState();
}

void TfmClipOptions::runClipMaker()
{
    clipMaker_.showModally();
    RefreshClipList();
}

void TfmClipOptions::btnNewClick()
{
    manager_.btnNewClick(clipMaker_.maker());
    runClipMaker();
}

void TfmClipOptions::btnEditClick()
{
    if (manager_.btnEditClick(clipMaker_.maker(), program_.prompts))
        runClipMaker();
}

void TfmClipOptions::btnCopyClick()
{
    if (manager_.btnCopyClick(clipMaker_.maker(), program_.prompts))
        runClipMaker();
}

void TfmClipOptions::btnDeleteClick()
{
    manager_.btnDeleteClick(program_.prompts);
    showList();
}
