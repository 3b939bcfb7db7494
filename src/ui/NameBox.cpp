#include "ui/NameBox.h"

#include "dabwick/ChildName.h"

NameBox::NameBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(int(dabwick::kMaxNameLength));
    connect(this, &QLineEdit::textChanged, this, &NameBox::refuseForbiddenCharacters);
}

void NameBox::refuseForbiddenCharacters()
{
    const QString typed = text();
    const QString clean = QString::fromStdString(dabwick::cleanName(typed.toStdString()));
    if (clean == typed)
        return;
    // Keep the caret after the characters the child typed before it, less the refused ones.
    const QString beforeCaret = QString::fromStdString(dabwick::cleanName(typed.left(cursorPosition()).toStdString()));
    const int caret = int(beforeCaret.size());
    setText(clean);
    setCursorPosition(caret);
}
