#include "ui/Tfmdwchoices.h"

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dabwick/PictureChooser.h"
#include "ui/BitmapView.h"
#include "ui/FixedWindow.h"

Tfmdwchoices::Tfmdwchoices(dabwick::Prompts& prompts, QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), prompts_(prompts)
{
    setUpFixedWindow(this, "Coloring page selection", {574, 376});
    lbtitles = new QListWidget(this);
    lbtitles->setGeometry(8, 9, 213, 357);
    auto* caption = new QLabel("Picture preview:", this);
    caption->setGeometry(230, 9, 200, 18);

    previewPanel = new QFrame(this);
    previewPanel->setGeometry(230, 30, 336, 228);
    previewPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* noPreview = new QLabel("No preview available.", previewPanel);
    noPreview->setGeometry(0, 0, 336, 228);
    noPreview->setAlignment(Qt::AlignCenter);
    impreview = new QLabel(previewPanel);
    impreview->setGeometry(3, 3, 330, 222);
    impreview->setAutoFillBackground(true);

    okButton = addButton(this, "OK", {311, 341, 75, 25});
    okButton->setDefault(true);
    cancelButton = addButton(this, "Cancel", {401, 341, 75, 25});
    btnremove = addButton(this, "Delete", {491, 341, 75, 25});

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnremove, &QPushButton::clicked, this, &Tfmdwchoices::btnremoveClick);
    connect(lbtitles, &QListWidget::currentRowChanged, this, &Tfmdwchoices::lbselectionClick);
    // Children double-click what they want; a double-clicked name is taken as OK would take it.
    connect(lbtitles, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

std::optional<std::string> Tfmdwchoices::choose(dabwick::PictureChooser& chooser, const QString& caption, bool allowDelete)
{
    chooser_ = &chooser;
    setWindowTitle(caption);
    btnremove->setEnabled(allowDelete);
    FormShow();
    const bool chosen = exec() == QDialog::Accepted && chooser.selected();
    chooser_ = nullptr;
    return chosen ? std::optional(chooser.selectedPath()) : std::nullopt;
}

void Tfmdwchoices::FormShow()
{
    chooser_->reread();
    const QSignalBlocker quiet(lbtitles);
    lbtitles->clear();
    for (const std::string& title : chooser_->titles())
        lbtitles->addItem(QString::fromStdString(title));
    if (chooser_->empty()) {
        impreview->hide();
        cancelButton->setFocus();
        okButton->setEnabled(false);
        btnremove->setEnabled(false);
        return;
    }
    okButton->setEnabled(true);
    lbtitles->setCurrentRow(0);
    lbtitles->setFocus();
    lbselectionClick();
}

void Tfmdwchoices::lbselectionClick()
{
    if (!chooser_ || lbtitles->currentRow() < 0)
        return;
    chooser_->select(std::size_t(lbtitles->currentRow()));
    const std::optional<raster::Bitmap> preview = chooser_->preview();
    impreview->setVisible(preview.has_value());
    if (!preview)
        return;
    // Shrunk to the screen's own pixels, so a scaled screen shows it sharp rather than stretched.
    const qreal ratio = impreview->devicePixelRatioF();
    QImage shown = toQImage(*preview).scaled(impreview->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    impreview->setPixmap(QPixmap::fromImage(shown));
}

void Tfmdwchoices::btnremoveClick()
{
    chooser_->deleteSelected(prompts_);
    FormShow();
}
