// Renders a drawing of the picture set the way the program shows it and stores the pixels for
// the program to copy at start-up:
//   zev-prerender <folder> <drawing> <width>x<height> <pixel density>
#include "shell/widgets/picture_box.h"
#include "shell/widgets/prerendered_pictures.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream err(stderr);
    const QStringList sides = arguments.value(3).split(QLatin1Char('x'));
    const QSize area(sides.value(0).toInt(), sides.value(1).toInt());
    const qreal ratio = arguments.value(4).toDouble();
    if (arguments.size() != 5 || area.isEmpty() || ratio <= 0) {
        err << "usage: zev-prerender <folder> <drawing> <width>x<height> <pixel density>\n";
        return 2;
    }
    const QString& drawing = arguments.at(2);
    const QImage image = Draw_Drawing(drawing, area, ratio);
    if (image.isNull() || !Write_Prerendered(arguments.at(1), drawing, area, image)) {
        err << "cannot render " << drawing << " into " << arguments.at(1) << "\n";
        return 1;
    }
    return 0;
}
