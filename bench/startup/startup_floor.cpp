// The floor for start-up: a bare application showing one empty main window.
#include "first_frame.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QuitAfterFirstFrame firstFrame;
    app.installEventFilter(&firstFrame);
    QMainWindow window;
    window.resize(960, 720);
    window.show();
    return QApplication::exec();
}
