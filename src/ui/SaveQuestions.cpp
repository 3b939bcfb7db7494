#include "ui/SaveQuestions.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include "ui/FixedWindow.h"

using dabwick::SaveAnswer;

SaveQuestionDialog::SaveQuestionDialog(const QString& text, const QString& yesCaption, const QString& noCaption,
                                       QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setWindowTitle("Save prompt");
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* question = new QLabel(text, this);
    question->setWordWrap(true);
    layout->addWidget(question);
    auto* row = new QHBoxLayout;
    yesButton_ = new QPushButton(yesCaption, this);
    noButton_ = new QPushButton(noCaption, this);
    cancelButton_ = new QPushButton("Cancel", this);
    for (QPushButton* button : {yesButton_, noButton_, cancelButton_}) {
        button->setFixedSize(75, 25);
        row->addWidget(button);
    }
    yesButton_->setDefault(true);
    layout->addLayout(row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    centreOnScreen(this);

    connect(yesButton_, &QPushButton::clicked, this, [this] { answer_ = SaveAnswer::Yes; accept(); });
    connect(noButton_, &QPushButton::clicked, this, [this] { answer_ = SaveAnswer::No; accept(); });
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

SaveAnswer SaveQuestionDialog::ask()
{
    answer_ = SaveAnswer::Cancel;
    yesButton_->setFocus();
    exec();
    return answer_;
}

Tfmclearpict::Tfmclearpict(QWidget* parent)
    : SaveQuestionDialog("Do you want to save this picture before creating a new one?", "&Yes", "No", parent)
{
}

TFmChecksave::TFmChecksave(QWidget* parent)
    : SaveQuestionDialog("Do you want to save your picture before you quit?", "Yes", "No", parent)
{
}

Tfmwantsave::Tfmwantsave(QWidget* parent)
    : SaveQuestionDialog("Do you want to save this picture before loading a new one?", "&Yes", "&No", parent)
{
}

void Tfmwantsave::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        noButton_->click();
        return;
    }
    SaveQuestionDialog::keyPressEvent(event);
}
