// The floor for memory held at rest: a bare application showing one empty main window for five
// seconds, then printing what it holds.
#include "held_memory.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(960, 720);
    window.show();
    QTimer::singleShot(5000, [] {
        Print_Held_Memory();
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
