// Renders a drawing of the picture set to a square PNG, the way the program draws it:
//   zev-render-icon <drawing> <side in pixels> <file.png>
#include "shell/widgets/picture_box.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream err(stderr);
    const int side = arguments.value(2).toInt();
    if (arguments.size() != 4 || side <= 0) {
        err << "usage: zev-render-icon <drawing> <side in pixels> <file.png>\n";
        return 2;
    }
    const QImage image = Draw_Drawing(arguments.at(1), QSize(side, side), 1.0);
    if (image.isNull() || !image.save(arguments.at(3), "PNG")) {
        err << "cannot render " << arguments.at(1) << " into " << arguments.at(3) << "\n";
        return 1;
    }
    return 0;
}
