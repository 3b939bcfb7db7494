#include "ui/NameBox.h"

#include <QKeyEvent>
#include <algorithm>

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

void NameBox::keyPressEvent(QKeyEvent* event)
{
    // A refused key is dropped before the box sees it, so it cannot replace a selected name.
    // Editing keys (Backspace, Enter, shortcuts) carry control characters and go through.
    const QString text = event->text();
    const bool printable = !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
    if (printable && dabwick::cleanName(text.toStdString()).empty()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
