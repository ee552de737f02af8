// Writes the contact sheet of every picture catalogue, on a light and on a dark background:
//   zev-contact-sheet <light.png> <dark.png>
#include "contact_sheet.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << "usage: zev-contact-sheet <light.png> <dark.png>\n";
        return 2;
    }
    const std::pair<QString, SheetTheme> sheets[] = {{arguments.at(1), SheetTheme::Light},
                                                     {arguments.at(2), SheetTheme::Dark}};
    for (const auto& [path, theme] : sheets) {
        if (!Write_Contact_Sheet(path, theme)) {
            err << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
