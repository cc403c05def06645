// zorvik-install [DATA_FOLDER]
// Creates the data folder with every table and the reference data, and records it as
// the program's data folder. An existing data folder is never overwritten.

#include "Install.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Zorvik 2008"));
    QCoreApplication::setOrganizationName(QStringLiteral("Marvon"));
    const QStringList args = app.arguments();
    QTextStream out(stdout);
    if (args.size() > 2 || (args.size() == 2 && args[1].startsWith(u'-'))) {
        out << "Użycie: zorvik-install [FOLDER_DANYCH]\n"
            << "Domyślny folder danych: " << DefaultDataFolder() << "\n";
        return args.size() == 2 && (args[1] == QLatin1String("-h") || args[1] == QLatin1String("--help")) ? 0 : 2;
    }
    const TInstallResult r = InstallDataFolder(args.size() == 2 ? args[1] : QString());
    out << r.message << "\n";
    return r.ok ? 0 : 1;
}
