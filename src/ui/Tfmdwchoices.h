#pragma once

#include <QDialog>
#include <optional>
#include <string>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace dabwick {
class PictureChooser;
class Prompts;
}

// The picture chooser: the colouring pages or the child's own pictures by name, with a
// preview of the selected one and, for the child's pictures, a "Delete" button.
class Tfmdwchoices : public QDialog {
    Q_OBJECT
public:
    Tfmdwchoices(dabwick::Prompts& prompts, QWidget* parent);

    // Shows the chooser modally; the chosen file's path when closed with OK.
    std::optional<std::string> choose(dabwick::PictureChooser& chooser, const QString& caption, bool allowDelete);

    QListWidget* lbtitles;
    QFrame* previewPanel;
    QLabel* impreview;
    QPushButton* okButton;
    QPushButton* cancelButton;
    QPushButton* btnremove;

private:
    void FormShow();
    void lbselectionClick();
    void btnremoveClick();

    dabwick::Prompts& prompts_;
    dabwick::PictureChooser* chooser_ = nullptr;
};
