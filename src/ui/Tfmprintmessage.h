#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QProgressBar;

// The "please wait" window shown while a picture goes to the printer. Its bar is a fixed
// animation of about two and a half seconds, however long the printer takes, after which the
// window closes itself. It has no parent: the main window is disabled while it shows, and
// would take its children with it.
class Tfmprintmessage : public QWidget {
    Q_OBJECT
public:
    Tfmprintmessage();

    // Returns once the window has closed itself, letting window events run meanwhile; at once
    // when it is not shown.
    void waitUntilClosed();

    QLabel* Label1;
    QProgressBar* pbprint;
    QTimer tmprint;

    void FormShow();
    void tmprintTimer();

signals:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};
