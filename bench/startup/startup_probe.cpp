// The program started exactly as a user starts it, ending after the launcher's first frame.
#include "first_frame.h"
#include "gemmarium.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QuitAfterFirstFrame firstFrame;
    app.installEventFilter(&firstFrame);
    Set_Program_Identity();
    return Run_Program();
}
