#include "ui/Tfmprogress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "ui/FixedWindow.h"

namespace {

constexpr int kStartDelayMilliseconds = 2000;

}  // namespace

Tfmprogress::Tfmprogress(dabwick::Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
    , prompts_(prompts)
{
    setObjectName("fmprogress");
    setModal(true);
    Label1 = new QLabel("Preparing picture.", this);
    Label1->setGeometry(8, 14, 252, 18);
    Label1->setAlignment(Qt::AlignCenter);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    pbprogress = new QProgressBar(this);
    pbprogress->setGeometry(12, 40, 244, 18);
    pbprogress->setRange(0, 1000);
    pbprogress->setTextVisible(false);
    BitBtn1 = addButton(this, "Abort", {97, 70, 75, 25});
    BitBtn1->setAutoDefault(false);
    connect(BitBtn1, &QPushButton::clicked, this, &Tfmprogress::BitBtn1Click);
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(kStartDelayMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &Tfmprogress::Timer1Timer);
    setUpFixedWindow(this, "Animator", {268, 105});
}

bool Tfmprogress::prepare(const raster::Bitmap& picture, dabwick::PreparedAnimation& prepared)
{
    picture_ = &picture;
    prepared_ = &prepared;
    const int result = exec();
    picture_ = nullptr;
    prepared_ = nullptr;
    return result != kAbortResult && !abort_;
}

void Tfmprogress::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    Timer1->start();
    abort_ = false;
    pbprogress->setValue(0);
}

void Tfmprogress::BitBtn1Click()
{
    abort_ = true;
    // While the work runs the window stays up until its end; before it starts there is nothing to wait for.
    if (!working_) {
        Timer1->stop();
        done(kAbortResult);
    }
}

void Tfmprogress::Timer1Timer()
{
    if (!picture_ || !prepared_)
        return;
    working_ = true;
    const dabwick::PreparationResult result = dabwick::PrepareAnimation(*picture_, *prepared_, *this, prompts_);
    working_ = false;
    if (result == dabwick::PreparationResult::NoRegion)
        abort_ = true;
    done(abort_ ? kAbortResult : Accepted);
}

void Tfmprogress::processMessages()
{
    QCoreApplication::processEvents();
}

void Tfmprogress::stepBar()
{
    pbprogress->setValue(pbprogress->value() + 1);
}

void Tfmprogress::setBar(int position)
{
    pbprogress->setValue(position);
}

void Tfmprogress::pause(int milliseconds)
{
    // The bar keeps painting; clicks wait until the pause is over.
    QEventLoop wait;
    QTimer::singleShot(milliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}
