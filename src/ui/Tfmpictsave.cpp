#include "ui/Tfmpictsave.h"

#include <QLabel>
#include <QPushButton>

#include "dabwick/ChildName.h"
#include "ui/FixedWindow.h"
#include "ui/NameBox.h"

Tfmpictsave::Tfmpictsave(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setUpFixedWindow(this, "Save picture", {287, 114});
    auto* label = new QLabel("Please enter the name of the picture you are saving.", this);
    // Two lines: the sentence is wider than the window.
    label->setWordWrap(true);
    label->setGeometry(12, 4, 265, 32);
    Edit1 = new NameBox(this);
    Edit1->setGeometry(12, 40, 263, 24);
    QPushButton* save = addButton(this, "Save", {110, 80, 75, 25});
    save->setDefault(true);
    QPushButton* cancel = addButton(this, "Cancel", {200, 80, 75, 25});
    connect(save, &QPushButton::clicked, this, &Tfmpictsave::BitBtn1Click);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tfmpictsave::BitBtn1Click()
{
    if (dabwick::isBlankName(Edit1->text().toStdString()))
        Edit1->clear();
    accept();
}

std::optional<std::string> Tfmpictsave::askName(const std::string& preset)
{
    Edit1->setText(QString::fromStdString(preset));
    // The offered name is selected, so typing replaces it and Enter keeps it.
    Edit1->selectAll();
    Edit1->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Edit1->text().toStdString();
}
