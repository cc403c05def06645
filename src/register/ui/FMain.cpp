#include "FMain.h"

#include "Config.h"
#include "FDM.h"

#include <QEvent>

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), window_(QStringLiteral("Zorvik 2008"))
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Zorvik 2008 Rozliczenie roczne"));
    const QRect g = ReadIniFile();
    setGeometry(g);
}

TMainForm::~TMainForm()
{
    WriteIniFile(geometry());
}

bool TMainForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        firstActivation();
    }
    return QMainWindow::event(e);
}

void TMainForm::firstActivation()
{
    if (TDM* dm = DM(); dm && !dm->aPodatnik->isOpen() && !dm->folder().isNull()) {
        try {
            dm->aPodatnik->ensureOpen();
        } catch (const DbError&) {
        }
    }
}
