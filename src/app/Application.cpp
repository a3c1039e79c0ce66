#include "app/Application.h"

#include "settings/Globals.h"

#include <QApplication>
#include <QLabel>
#include <QTextStream>

#include <cstring>

int velomirMain(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--releases") == 0) {
            QTextStream(stderr) << "The release report is not built yet; it would list every release of "
                                << (i + 1 < argc ? argv[i + 1] : "the file") << ".\n";
            return 1;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle);
    InitGlobals();
    QLabel placeholder(QStringLiteral("Velomir"));
    placeholder.show();
    return QApplication::exec();
}
