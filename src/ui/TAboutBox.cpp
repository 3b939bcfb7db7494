#include "ui/TAboutBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "dabwick/ClipCatalogue.h"
#include "dabwick/ColouringPages.h"
#include "dabwick/CommandLine.h"
#include "dabwick/DataFolderAccess.h"
#include "dabwick/DataFolderContent.h"
#include "dabwick/Palettes.h"
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

TAboutBox::TAboutBox(ProgramContext& program, MainWindows& main, TFmName& name, const std::string& commandLine)
    : QDialog(nullptr, kFixedDialogFlags),
      program_(program), main_(main), name_(name), userName_(dabwick::GetSwitchValue(commandLine, 'U'))
{
    setUpFixedWindow(this, "About Dabwick", {308, 234});
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

    FormCreate();
}

// Waits for the start-up's files, should the program end before they are written.
TAboutBox::~TAboutBox() = default;

void TAboutBox::FormCreate()
{
    const dabwick::DataFolderContent content{program_.resources, program_.record, program_.places.dataFolder};
    content.ExtractMusicFiles();
    name_.show();
    // The opening drawing waits for the start-up too, as the child has always seen it.
    const bool drawing = name_.tmdraw->isActive();
    name_.tmdraw->stop();
    QApplication::processEvents();
    // The built-in files are written on a worker thread, so the name screen paints at once;
    // the name panel waits until they are all there. Nothing else touches the first-run
    // record until then.
    installing_ = std::async(std::launch::async, [this, content, drawing] {
        dabwick::InstallColouringPages(content);
        dabwick::InstallClipFiles(content);
        dabwick::InstallPalettes(content);
        QMetaObject::invokeMethod(this, [this, drawing] {
            installed();
            if (drawing)
                name_.tmdraw->start();
        }, Qt::QueuedConnection);
    });
}

void TAboutBox::installed()
{
    installing_.get();
    name_.setNameScreenQuits(true);
    name_.bringNamePanelIntoView(userName_);
    if (program_.record.NeedsFirstRunSetup())
        dabwick::OpenDataFolderAccess(program_.places.dataFolder, program_.record);
    flushing_ = std::async(std::launch::async, platform::flushWritesLeftForLater);
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
