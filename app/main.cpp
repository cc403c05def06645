#include "FDM.h"
#include "FMain.h"
#include "QtMessageSink.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvik 2008"));
    QApplication::setOrganizationName(QStringLiteral("Marvon"));

    QtMessageSink sink;
    SetMessageSink(&sink);

    TDM dm;          // opens every table of the data folder
    TMainForm main;  // reads the ini file; writes it when destroyed
    main.show();
    return app.exec();
}
