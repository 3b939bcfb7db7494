#pragma once

#include <QDialog>
#include <string>

class QLabel;

// The replace question shown when the name typed is taken by a saved picture.
class Tfmnotsave : public QDialog {
    Q_OBJECT
public:
    explicit Tfmnotsave(QWidget* parent);

    // True for "Replace".
    bool askReplace(const std::string& name);

    QLabel* nameLine;
};
