#include <QApplication>
#include <QMainWindow>

#include "dabwick/ProgramPlaces.h"
#include "platform/InstanceLock.h"
#include "raster/Bitmap.h"
#include "ui/BitmapView.h"

int main(int argc, char** argv)
{
    const dabwick::ProgramPlaces places = dabwick::ProgramPlaces::discover(argc > 0 ? argv[0] : nullptr);
    const platform::InstanceLock instance("@Qy Dabwick#");
    if (!instance.isOnlyInstance())
        return 0;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Dabwick");

    raster::Bitmap picture(660, 444, raster::kWhite);
    QWidget window;
    window.setWindowTitle("Picture name: {Untitled}");
    window.setFixedSize(782, 564);
    BitmapView pad(&picture, &window);
    pad.setGeometry(105, 46, 660, 444);
    window.show();
    return app.exec();
}
