#pragma once

#include <QDialog>
#include <optional>
#include <string>

class NameBox;

// The name dialog of saving: the child types the picture's name.
class Tfmpictsave : public QDialog {
    Q_OBJECT
public:
    explicit Tfmpictsave(QWidget* parent);

    // Shows the dialog with the name box preset; the name when closed with "Save" (a blank
    // name comes back empty), nothing otherwise.
    std::optional<std::string> askName(const std::string& preset);

    NameBox* Edit1;

private:
    void BitBtn1Click();
};
