#pragma once

#include <QDialog>

#include "dabwick/SavePrompts.h"

class QPushButton;

// The Yes / No / Cancel question asked before an action would throw a changed picture away.
// Closing it with its window button counts as Cancel.
class SaveQuestionDialog : public QDialog {
    Q_OBJECT
public:
    SaveQuestionDialog(const QString& text, const QString& yesCaption, const QString& noCaption, QWidget* parent);

    dabwick::SaveAnswer ask();

protected:
    QPushButton* yesButton_;
    QPushButton* noButton_;
    QPushButton* cancelButton_;

private:
    dabwick::SaveAnswer answer_ = dabwick::SaveAnswer::Cancel;
};

// Before "Draw" starts a new picture.
class Tfmclearpict : public SaveQuestionDialog {
    Q_OBJECT
public:
    explicit Tfmclearpict(QWidget* parent);
};

// Before the main window closes.
class TFmChecksave : public SaveQuestionDialog {
    Q_OBJECT
public:
    explicit TFmChecksave(QWidget* parent);
};

// Before "Color" or "Load" replaces the picture. Escape answers No here, not Cancel.
class Tfmwantsave : public SaveQuestionDialog {
    Q_OBJECT
public:
    explicit Tfmwantsave(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
