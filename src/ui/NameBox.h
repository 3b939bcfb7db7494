#pragma once

#include <QLineEdit>

// The name box of the name screen and of the save dialog: at most 20 characters and none of
// \ / : * ? " < > | or the full stop, whether the text is typed, pasted or set by the program.
class NameBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NameBox(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void refuseForbiddenCharacters();
};
