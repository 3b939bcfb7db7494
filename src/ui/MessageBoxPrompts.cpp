#include "ui/MessageBoxPrompts.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString toQt(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

void MessageBoxPrompts::warn(const std::string& caption, const std::string& text)
{
    QMessageBox::warning(parent_, toQt(caption), toQt(text), QMessageBox::Ok);
}

bool MessageBoxPrompts::ask(const std::string& caption, const std::string& text)
{
    return QMessageBox::question(parent_, toQt(caption), toQt(text), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

void MessageBoxPrompts::notify(const std::string& text)
{
    QMessageBox::information(parent_, QApplication::applicationName(), toQt(text), QMessageBox::Ok);
}
