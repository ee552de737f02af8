// The program started as a user starts it and left alone for five seconds, then printing what it
// holds.
#include "gemmarium.h"
#include "held_memory.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Set_Program_Identity();
    QTimer::singleShot(5000, [] {
        Print_Held_Memory();
        QCoreApplication::exit(0);
    });
    return Run_Program();
}
