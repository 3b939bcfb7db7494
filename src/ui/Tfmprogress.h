#pragma once

#include <QDialog>

#include "dabwick/AnimationPreparation.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace dabwick {
class Prompts;
}

// The preparation window: "Preparing picture." over a progress bar, with an Abort button. The work
// starts two seconds after the window appears, so the child sees it before the picture is analysed.
class Tfmprogress : public QDialog, private dabwick::PreparationProgress {
    Q_OBJECT
public:
    // The result of a preparation that ended with Abort, as the standard Abort button gives it.
    static constexpr int kAbortResult = 3;

    Tfmprogress(dabwick::Prompts& prompts, QWidget* parent);

    // Shows the window modally and prepares the picture into `prepared`; true when the player may
    // open (the child did not abort and a region was found).
    bool prepare(const raster::Bitmap& picture, dabwick::PreparedAnimation& prepared);

    QLabel* Label1;
    QProgressBar* pbprogress;
    QPushButton* BitBtn1;
    QTimer* Timer1;

    void BitBtn1Click();
    void Timer1Timer();

protected:
    void showEvent(QShowEvent* event) override;
    // Escape counts as Abort: the window has no other way to be closed early.
    void reject() override { BitBtn1Click(); }

private:
    void processMessages() override;
    void stepBar() override;
    void setBar(int position) override;
    void pause(int milliseconds) override;
    bool aborted() const override { return abort_; }

    dabwick::Prompts& prompts_;
    const raster::Bitmap* picture_ = nullptr;
    dabwick::PreparedAnimation* prepared_ = nullptr;
    bool abort_ = false;
    bool working_ = false;
};
