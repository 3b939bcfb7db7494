#include "ui/Tfmnotsave.h"

#include <QLabel>
#include <QPushButton>

#include "dabwick/Names.h"
#include "ui/FixedWindow.h"

Tfmnotsave::Tfmnotsave(QWidget* parent)
    : QDialog(parent, kFixedDialogFlags)
{
    setUpFixedWindow(this, "Save picture", {324, 150});
    constexpr int kLineWidth = 304;
    const QString kLines[] = {"You aready have a picture saved under the name",
                              "To replace the saved picture with this picture click (Replace)",
                              "To select a different name for this picture click (Cancel)"};
    setFont(fontFitting(font(), {kLines[0], kLines[1], kLines[2]}, kLineWidth));
    const auto line = [this](const QString& text, int y, Qt::Alignment alignment) {
        auto* label = new QLabel(text, this);
        label->setGeometry(10, y, kLineWidth, 18);
        label->setAlignment(alignment | Qt::AlignVCenter);
        return label;
    };
    line(kLines[0], 8, Qt::AlignLeft);
    nameLine = line({}, 28, Qt::AlignHCenter);
    QFont bold = nameLine->font();
    bold.setBold(true);
    nameLine->setFont(bold);
    line(kLines[1], 52, Qt::AlignLeft);
    line(kLines[2], 72, Qt::AlignLeft);

    QPushButton* replace = addButton(this, "Replace", {76, 110, 75, 25});
    replace->setDefault(true);
    QPushButton* cancel = addButton(this, "Cancel", {172, 110, 75, 25});
    connect(replace, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool Tfmnotsave::askReplace(const std::string& name)
{
    nameLine->setText(QString::fromStdString("\"" + dabwick::toUpperAscii(name) + "\""));
    return exec() == QDialog::Accepted;
}
