#include "gemmarium.h"
#include "shell/single_instance.h"
#include "shell/start_program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationName(QStringLiteral("Zev Gemmarium"));
    QApplication::setApplicationVersion(QStringLiteral("1.30"));
    QApplication::setQuitOnLastWindowClosed(false);

    Register_Windows();
    Single_Instance instance;
    if (!Start_Program(instance))
        return 0;
    return QApplication::exec();
}
