#include "ui/MessageBoxPrompts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString toQt(const std::string& text)
{
    return QString::fromStdString(text);
}

// Enter answers Yes, as a question box does, except for the questions that delete or replace
// a child's work: they tell the child to say No when unsure, so Enter must not say Yes.
QMessageBox::StandardButton defaultAnswer(const std::string& text)
{
    const bool unsureMeansNo = text.find("If you are not sure what to do") != std::string::npos
        && text.ends_with("click NO.");
    return unsureMeansNo ? QMessageBox::No : QMessageBox::Yes;
}

// Texts show as written: a clip or picture name read from disk that looks like markup must not
// turn the message into rich text, which would also lose its line breaks.
QMessageBox::StandardButton showBox(QWidget* parent, QMessageBox::Icon icon, const std::string& caption,
                                    const std::string& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton)
{
    QMessageBox box(icon, toQt(caption), toQt(text), buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

}  // namespace

void MessageBoxPrompts::warn(const std::string& caption, const std::string& text)
{
    showBox(parent_, QMessageBox::Warning, caption, text, QMessageBox::Ok);
}

bool MessageBoxPrompts::ask(const std::string& caption, const std::string& text)
{
    return showBox(parent_, QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, defaultAnswer(text))
        == QMessageBox::Yes;
}

void MessageBoxPrompts::notify(const std::string& text)
{
    showBox(parent_, QMessageBox::Information, QApplication::applicationName().toStdString(), text, QMessageBox::Ok);
}
