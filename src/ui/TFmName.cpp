#include "ui/TFmName.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <chrono>

#include "dabwick/ChildName.h"
#include "dabwick/FileRoutines.h"
#include "dabwick/Names.h"
#include "platform/MidiPlayer.h"
#include "raster/Bitmap.h"
#include "ui/BitmapView.h"
#include "ui/FixedWindow.h"
#include "ui/MainWindows.h"
#include "ui/NameBox.h"
#include "ui/ProgramContext.h"
#include "ui/TFMdraw.h"

namespace {

// Shown when the program holds no opening drawing.
const raster::Bitmap& openingPaper()
{
    static const raster::Bitmap paper(660, 444, raster::kWhite);
    return paper;
}

}  // namespace

OpeningDrawing readOpeningDrawing(const dabwick::ResourceTable& resources)
{
    // Seeded from the clock, so that each run picks its own scheme and order.
    return std::async(std::launch::async, [&resources] {
        return dabwick::OpeningAnimation::builtIn(
            resources, std::uint64_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    });
}

TFmName::TFmName(ProgramContext& program, MainWindows& main, OpeningDrawing opening)
    : QWidget(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                           | Qt::MSWindowsFixedSizeDialogHint),
      program_(program), main_(main), mpopen_(std::make_unique<platform::MidiPlayer>(program.music))
{
    setObjectName("FmName");
    setUpFixedWindow(this, "Dabwick 2.0", {704, 557});
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    panpicture = new QFrame(this);
    panpicture->setGeometry(9, 7, 686, 470);
    panpicture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    tmdraw = new QTimer(this);
    tmdraw->setInterval(dabwick::OpeningAnimation::kTickMilliseconds);
    connect(tmdraw, &QTimer::timeout, this, &TFmName::tmdrawTimer);

    Panname = new QFrame(this);
    Panname->setGeometry(-1000, -1000, 686, 65);
    Panname->setAutoFillBackground(true);
    Panname->setPalette(QWidget::style()->standardPalette());
    Panname->setFrameStyle(QFrame::Panel | QFrame::Raised);
    nameLabel = new QLabel("Please enter your name below. {Up to 20 Characters}", Panname);
    nameLabel->setGeometry(12, 6, 420, 20);
    QFont bold = nameLabel->font();
    bold.setBold(true);
    nameLabel->setFont(bold);
    edname = new NameBox(Panname);
    edname->setGeometry(12, 30, 300, 25);
    QFont big = edname->font();
    big.setPixelSize(16);
    edname->setFont(big);

    BitBtn4 = new QPushButton("OK", Panname);
    BitBtn5 = new QPushButton("Close", Panname);
    BitBtn6 = new QPushButton("About", Panname);
    int left = 420;
    for (QPushButton* button : {BitBtn4, BitBtn5, BitBtn6}) {
        button->setGeometry(left, 30, 75, 25);
        left += 86;
    }
    BitBtn4->setDefault(true);
    BitBtn4->setAutoDefault(true);
    connect(BitBtn4, &QPushButton::clicked, this, &TFmName::BitBtn1Click);
    connect(edname, &QLineEdit::returnPressed, this, &TFmName::BitBtn1Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TFmName::BitBtn2Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TFmName::BitBtn3Click);

    opening_ = opening.get();
    imopen = new BitmapView(opening_ ? &opening_->picture() : &openingPaper(), panpicture);
    imopen->setGeometry(11, 11, 660, 444);
}

TFmName::~TFmName()
{
    settleTuneOpening();
}

void TFmName::bringNamePanelIntoView(const std::string& userName)
{
    Panname->move(Panname->x(), 484);
    edname->setText(QString::fromStdString(userName));
    Panname->move(9, Panname->y());
}

void TFmName::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    edname->clear();
    edname->setFocus();
    NameScreenQuits_ = true;
    const int scheme = opening_ ? opening_->pickScheme() : 0;
    playmusic();
    if (opening_) {
        opening_->start(scheme);
        imopen->update();
        tmdraw->start();
    }
}

void TFmName::tmdrawTimer()
{
    const std::optional<dabwick::OpeningStep> step = opening_ ? opening_->tick() : std::nullopt;
    if (!step) {
        tmdraw->stop();
        return;
    }
    const raster::Rect& r = step->changed;
    imopen->update(QRect(r.left, r.top, r.width(), r.height()));
}

void TFmName::playmusic()
{
    const std::string tune = dabwick::resolveIgnoringCase(program_.places.dataFolder + "DW Open Music.mid");
    if (!dabwick::existsIgnoringCase(tune))
        return;
    settleTuneOpening();
    mpopen_->setFileName(tune);
    // Loading the soundfont takes longer than showing the screen, so the player opens on a
    // worker thread and the tune starts as soon as it is open.
    tuneOpening_ = std::async(std::launch::async, [this] {
        const bool opened = mpopen_->open();
        QMetaObject::invokeMethod(this, &TFmName::tuneOpened, Qt::QueuedConnection);
        return opened;
    });
}

void TFmName::tuneOpened()
{
    // Closing the screen meanwhile has settled the opening and closed the player.
    if (settleTuneOpening())
        mpopen_->play({});
}

bool TFmName::settleTuneOpening()
{
    return tuneOpening_.valid() && tuneOpening_.get();
}

void TFmName::BitBtn1Click()
{
    userName_ = dabwick::cleanName(edname->text().toStdString());
    if (dabwick::isBlankName(userName_)) {
        program_.prompts.ShowNotice("You must enter your name to continue!");
        edname->clear();
        edname->setFocus();
        return;
    }
    userFolder_ = program_.places.dataFolder + userName_ + "'s folder/";
    if (!dabwick::CanWriteFolder(userFolder_)) {
        const std::string question = "Hi " + userName_ + "!\n\nYou do not have a folder. Anyone who uses Dabwick\n"
                                     "must have a folder. Do you want me to create one for you?";
        if (!program_.prompts.AskYesNo("New user", question))
            return;
    }
    repaint();
    if (CreateUserFolder())
        return;
    program_.prompts.ShowNotice("Sorry, there was an error in creating your folder.  This process could not be "
                                "completed.  This program will now terminate!");
    main_.close();
}

bool TFmName::CreateUserFolder()
{
    // Each folder is made when it cannot be written yet, and opened to every user.
    const auto makeFolder = [](const std::string& folder) {
        if (!dabwick::CanWriteFolder(folder) && !(dabwick::CreateFolder(folder) && dabwick::CanWriteFolder(folder)))
            return false;
        dabwick::OpenFileAccess(folder);
        return true;
    };
    if (!makeFolder(userFolder_))
        return false;
    userFolder_ = dabwick::resolveIgnoringCase(userFolder_ + "Dabwick/");
    if (!makeFolder(userFolder_) || !makeFolder(userFolder_ + "user's clips/"))
        return false;

    NameScreenQuits_ = false;
    TFMdraw& main = main_.main();
    main.setUserFolder(userFolder_);
    main.setChildName(userName_);
    main.show();
    close();
    return true;
}

void TFmName::BitBtn2Click()
{
    main_.close();
}

void TFmName::BitBtn3Click()
{
    if (showAbout_)
        showAbout_();
    repaint();
    edname->setFocus();
}

void TFmName::keyPressEvent(QKeyEvent* event)
{
    // Close is the cancel button: Escape presses it.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        BitBtn5->click();
    else
        QWidget::keyPressEvent(event);
}

void TFmName::closeEvent(QCloseEvent* event)
{
    if (NameScreenQuits_)
        main_.close();
    tmdraw->stop();
    settleTuneOpening();
    mpopen_->close();
    event->accept();
}
