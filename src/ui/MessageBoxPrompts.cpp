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

}  // namespace

void MessageBoxPrompts::warn(const std::string& caption, const std::string& text)
{
    QMessageBox::warning(parent_, toQt(caption), toQt(text), QMessageBox::Ok);
}

bool MessageBoxPrompts::ask(const std::string& caption, const std::string& text)
{
    return QMessageBox::question(parent_, toQt(caption), toQt(text), QMessageBox::Yes | QMessageBox::No,
                                 defaultAnswer(text))
        == QMessageBox::Yes;
}

void MessageBoxPrompts::notify(const std::string& text)
{
    QMessageBox::information(parent_, QApplication::applicationName(), toQt(text), QMessageBox::Ok);
}
