// The floor of the start-up benchmark: the least a Qt Widgets program can do to take a name,
// one window with one name box, built with the same toolkit and flags as the program.
#include <QApplication>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Floor");
    window.setFixedSize(704, 557);
    auto* name = new QLineEdit(&window);
    name->setGeometry(21, 514, 300, 25);
    window.show();
    name->setFocus();
    return app.exec();
}
