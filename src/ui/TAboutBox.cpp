#include "ui/TAboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include "dabwick/CommandLine.h"
#include "dabwick/DataFolderAccess.h"
#include "dabwick/StartUpFiles.h"
#include "platform/Background.h"
#include "platform/Files.h"
#include "ui/FixedWindow.h"
#include "ui/Glyphs.h"
#include "ui/MainWindows.h"
#include "ui/ProgramContext.h"
#include "ui/ShellOpen.h"
#include "ui/TFmName.h"

namespace {

QLabel* boldLabel(const QString& text, const QRect& place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(place);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

TAboutBox::TAboutBox(ProgramContext& program, MainWindows& main, TFmName& name, const dabwick::StartUpFiles& files,
    const std::string& commandLine)
    : QDialog(nullptr, kFixedDialogFlags)
    , program_(program)
    , main_(main)
    , name_(name)
    , files_(files)
{
    setUpFixedWindow(this, "About Dabwick", {308, 234});
    FormCreate(commandLine);
}

void TAboutBox::setVisible(bool visible)
{
    if (visible && !BitBtn1)
        makeContents();
    QDialog::setVisible(visible);
}

void TAboutBox::makeContents()
{
    auto* picture = new QLabel(this);
    picture->setGeometry(16, 16, 64, 64);
    picture->setPixmap(glyphPixmap("program"));
    boldLabel("Dabwick", {96, 20, 200, 22}, this)->setStyleSheet("font-size: 18px;");
    boldLabel("Version 2.0.5", {96, 48, 200, 18}, this);
    Label8 = boldLabel(QString("<a href=\"%1\">www.dabwick.example</a>").arg(kWebSite), {96, 76, 200, 18}, this);
    Label8->setCursor(Qt::PointingHandCursor);
    connect(Label8, &QLabel::linkActivated, this, &TAboutBox::Label8Click);

    auto* about = new QLabel("An easy to use drawing and coloring program for children.", this);
    about->setGeometry(16, 116, 276, 40);
    about->setWordWrap(true);

    BitBtn3 = addButton(this, "Check for new version", {8, 196, 132, 25});
    BitBtn1 = addButton(this, "Instructions", {146, 196, 80, 25});
    BitBtn1->setDefault(true);
    QPushButton* ok = addButton(this, "OK", {232, 196, 68, 25});
    connect(BitBtn1, &QPushButton::clicked, this, &TAboutBox::BitBtn1Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TAboutBox::BitBtn3Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::FormCreate(const std::string& commandLine)
{
    files_.waitForMusic();
    name_.show();
    QApplication::processEvents();
    // The colouring pages, clips and palettes are written by the time the windows are made, or
    // soon after; meanwhile the name screen keeps painting, and what the child types waits
    // until the start-up is done, so no name is taken before the name box is ready.
    while (!files_.waitForAll(std::chrono::milliseconds(5)))
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    name_.setNameScreenQuits(true);
    name_.bringNamePanelIntoView(dabwick::GetSwitchValue(commandLine, 'U'));
    // The first-run access setup and putting the new files on the disk need nothing from the
    // child and change nothing the child sees, so they go on on worker threads. Only the
    // access setup writes the first-run record, so only it is waited for by the main windows,
    // which write it too; the disk may take its time.
    accessSetup_ = platform::runInBackground([&record = program_.record, &folder = program_.places.dataFolder] {
        if (record.NeedsFirstRunSetup())
            dabwick::OpenDataFolderAccess(folder, record);
    }).share();
    main_.waitBeforeMaking(accessSetup_);
    flushing_ = platform::runInBackground(platform::flushWritesLeftForLater);
}

void TAboutBox::BitBtn1Click()
{
    main_.showInstructions();
    accept();
}

void TAboutBox::Label8Click()
{
    ShellOpen(kWebSite);
}

void TAboutBox::BitBtn3Click()
{
    ShellOpen(kUpdatePage);
}
