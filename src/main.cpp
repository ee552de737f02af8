#include "gemmarium.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Set_Program_Identity();
    return Run_Program();
}
