#pragma once

#include <QObject>
#include <QString>

#include "dabwick/StringDialogRules.h"

class QDialog;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// A name-entry dialog kept as a component: its owner sets the texts and rules, then Execute
// builds the window, shows it modally and hands back whether OK was pressed.
class TqyCustomStringDialog : public QObject {
    Q_OBJECT
public:
    explicit TqyCustomStringDialog(QWidget* owner);
    ~TqyCustomStringDialog() override;

    QString Caption = "String Dialog";
    // The entered value: what the box starts with, and what OK leaves here.
    QString Text;
    QString Prompt = "Please enter text below.";
    bool AutoSelect = true;
    QChar PasswordChar;  // null: the text shows

    // True for OK; Cancel or the close box return false and keep Text.
    bool Execute();

signals:
    void OnShow();
    void OnClose();
    void OnChange(const QString& text);
    void OnKeyPress(QKeyEvent* event);
    void OnKeyDown(QKeyEvent* event);
    void OnKeyUp(QKeyEvent* event);

protected:
    // The text the box starts with, from Text.
    virtual QString startingText() const { return Text; }
    // Sets up the box before it is shown.
    virtual void prepareBox(QLineEdit& /*box*/) { }
    // Whether a key press typing this text is kept from the box.
    virtual bool refusesKey(const QString& /*typed*/) const { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Places the controls below the prompt, however many lines it takes, and sizes the window.
    void layOut(QDialog& window, QLabel& label, QPushButton& ok, QPushButton& cancel);

    QWidget* owner_;
    QLineEdit* edit_ = nullptr;  // the box while Execute runs
};

// The string dialog with a typing filter: which characters may be typed (or pasted), the
// letter case and the longest text. The starting text is judged by the same rules.
class TqyStringDialog : public TqyCustomStringDialog {
    Q_OBJECT
public:
    using TqyCustomStringDialog::TqyCustomStringDialog;

    dabwick::StringDialogRules rules;

protected:
    QString startingText() const override;
    void prepareBox(QLineEdit& box) override;
    bool refusesKey(const QString& typed) const override;

private:
    void refuseCharacters(QLineEdit& box);
};
