#include "FWindow.h"

#include <QSettings>

TWindow::TWindow(const QString& applicationKey) : appKey_(applicationKey) {}

bool TWindow::LoadPlacement()
{
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Marvon"), appKey_);
    if (name_.isEmpty() || !s.childGroups().contains(name_)) return false;
    s.beginGroup(name_);
    // A placement edited by hand may lack a value; such a placement is not used.
    for (const char* k : {"Left", "Top", "Width", "Height"})
        if (!s.contains(QString::fromLatin1(k))) return false;
    setLeft(s.value(QStringLiteral("Left")).toInt());
    setTop(s.value(QStringLiteral("Top")).toInt());
    setWidth(s.value(QStringLiteral("Width")).toInt());
    setHeight(s.value(QStringLiteral("Height")).toInt());
    return true;
}

void TWindow::SavePlacement()
{
    if (name_.isEmpty()) return;
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Marvon"), appKey_);
    s.beginGroup(name_);
    s.setValue(QStringLiteral("Left"), left_);
    s.setValue(QStringLiteral("Top"), top_);
    s.setValue(QStringLiteral("Width"), width_);
    s.setValue(QStringLiteral("Height"), height_);
}
