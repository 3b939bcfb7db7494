#include "ui/TqyStringDialog.h"

#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/FixedWindow.h"

namespace {

constexpr int kWindowWidth = 363;
constexpr int kMargin = 7;

}  // namespace

TqyCustomStringDialog::TqyCustomStringDialog(QWidget* owner)
    : QObject(owner)
    , owner_(owner)
{
}

TqyCustomStringDialog::~TqyCustomStringDialog() = default;

void TqyCustomStringDialog::layOut(QDialog& window, QLabel& label, QPushButton& ok, QPushButton& cancel)
{
    label.setGeometry(kMargin, 8, 338, label.heightForWidth(338));
    edit_->setGeometry(kMargin, label.geometry().bottom() + 1 + 10, 337, 21);
    const int buttonsTop = edit_->geometry().bottom() + 1 + 20;
    ok.setGeometry(168, buttonsTop, 75, 25);
    cancel.setGeometry(256, buttonsTop, 75, 25);
    setUpFixedWindow(&window, Caption, {kWindowWidth, buttonsTop + 25 + 20});
}

bool TqyCustomStringDialog::Execute()
{
    QDialog window(owner_, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window.setModal(true);
    QLabel label(Prompt, &window);
    label.setWordWrap(true);
    QLineEdit box(&window);
    edit_ = &box;
    QPushButton ok("OK", &window);
    ok.setDefault(true);
    QPushButton cancel("Cancel", &window);
    connect(&ok, &QPushButton::clicked, &window, &QDialog::accept);
    connect(&cancel, &QPushButton::clicked, &window, &QDialog::reject);
    connect(&box, &QLineEdit::textChanged, this, &TqyCustomStringDialog::OnChange);
    box.installEventFilter(this);

    prepareBox(box);
    box.setText(startingText());
    if (PasswordChar != QChar())
        box.setEchoMode(QLineEdit::Password);
    if (AutoSelect)
        box.selectAll();
    else
        box.setCursorPosition(0);
    emit OnShow();
    layOut(window, label, ok, cancel);
    box.setFocus();
    const bool accepted = window.exec() == QDialog::Accepted;
    if (accepted)
        Text = box.text();
    edit_ = nullptr;
    emit OnClose();
    return accepted;
}

bool TqyCustomStringDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        emit OnKeyDown(key);
        if (!key->text().isEmpty())
            emit OnKeyPress(key);
        if (refusesKey(key->text()))
            return true;
    } else if (watched == edit_ && event->type() == QEvent::KeyRelease) {
        emit OnKeyUp(static_cast<QKeyEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

QString TqyStringDialog::startingText() const
{
    return QString::fromStdString(rules.startingText(Text.toStdString()));
}

void TqyStringDialog::prepareBox(QLineEdit& box)
{
    if (rules.MaxLength > 0)
        box.setMaxLength(rules.MaxLength);
    // Refused keys never arrive (refusesKey); refused characters that arrive otherwise (pasted,
    // from an input method) are taken out again at once.
    connect(&box, &QLineEdit::textEdited, this, [this, &box] { refuseCharacters(box); });
}

bool TqyStringDialog::refusesKey(const QString& typed) const
{
    return rules.refusesKey(typed.toStdString());
}

void TqyStringDialog::refuseCharacters(QLineEdit& box)
{
    const QString typed = box.text();
    const QString kept = QString::fromStdString(rules.filtered(typed.toStdString()));
    if (kept == typed)
        return;
    // The caret stays after what was typed before it, less the refused characters.
    const QString beforeCaret = typed.left(box.cursorPosition());
    const int caret = int(QString::fromStdString(rules.filtered(beforeCaret.toStdString())).size());
    box.setText(kept);
    box.setCursorPosition(caret);
}
