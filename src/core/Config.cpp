#include "Config.h"

#include "Globals.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kOrg = QStringLiteral("Marvon");
const QString kMachineApp = QStringLiteral("Dekvar");
const QString kThisYear = QStringLiteral("Rok2008");
const QString kPrevYear = QStringLiteral("Rok2007");

QString g_iniOverride;

// The machine-wide key is only opened, never created by the program.
QString readMachine(const QString& group, const QString& name)
{
    QSettings s(QSettings::NativeFormat, QSettings::SystemScope, kOrg, kMachineApp);
    if (!s.childGroups().contains(group)) return QString();
    s.beginGroup(group);
    return s.value(name).toString();
}

void writeMachine(const QString& group, const QString& name, const QString& value)
{
    QSettings s(QSettings::NativeFormat, QSettings::SystemScope, kOrg, kMachineApp);
    if (!s.childGroups().contains(group)) return;  // a missing key: nothing is written, nothing said
    s.beginGroup(group);
    s.setValue(name, value);
}

}  // namespace

QString ReadDataPath()
{
    const QString p = readMachine(kThisYear, QStringLiteral("Sciezka"));
    return p.isEmpty() ? QString() : WithTrailingSeparator(p);
}

QString ReadPreviousYearPath()
{
    const QString p = readMachine(kPrevYear, QStringLiteral("Sciezka"));
    return p.isEmpty() ? QString() : WithTrailingSeparator(p);
}

QString ReadBackupFolder() { return readMachine(kThisYear, QStringLiteral("Backup")); }
void WriteBackupFolder(const QString& folder) { writeMachine(kThisYear, QStringLiteral("Backup"), folder); }
QString ReadExchangeFile() { return readMachine(kThisYear, QStringLiteral("Import")); }
void WriteExchangeFile(const QString& fileName) { writeMachine(kThisYear, QStringLiteral("Import"), fileName); }

bool InstallDataPath(const QString& folder)
{
    QSettings s(QSettings::NativeFormat, QSettings::SystemScope, kOrg, kMachineApp);
    s.beginGroup(kThisYear);
    s.setValue(QStringLiteral("Sciezka"), QDir::toNativeSeparators(folder));
    s.endGroup();
    s.sync();
    return s.status() == QSettings::NoError;
}

QString IniFilePath()
{
    if (!g_iniOverride.isEmpty()) return g_iniOverride;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Zorvik2008.ini");
}

void SetConfigRoot(const QString& root)
{
    if (root.isEmpty()) {
        g_iniOverride.clear();
        return;
    }
    QDir().mkpath(root + QStringLiteral("/system"));
    QDir().mkpath(root + QStringLiteral("/user"));
    QDir().mkpath(root + QStringLiteral("/config"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, root + QStringLiteral("/system"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, root + QStringLiteral("/user"));
    QSettings::setPath(QSettings::IniFormat, QSettings::SystemScope, root + QStringLiteral("/system"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root + QStringLiteral("/user"));
    g_iniOverride = root + QStringLiteral("/config/Zorvik2008.ini");
}

TRunSettings& RunSettings()
{
    static TRunSettings s;
    return s;
}

QRect ReadIniFile()
{
    QSettings ini(IniFilePath(), QSettings::IniFormat);
    const int top = ini.value(QStringLiteral("Form/Top"), 5).toInt();
    const int left = ini.value(QStringLiteral("Form/Left"), 14).toInt();
    const int width = ini.value(QStringLiteral("Form/Width"), 754).toInt();
    const int height = ini.value(QStringLiteral("Form/Height"), 570).toInt();
    TRunSettings& r = RunSettings();
    r.shading = ini.value(QStringLiteral("Config/Cien"), false).toBool();
    r.duplex = ini.value(QStringLiteral("Config/Duplex"), 0).toInt();
    r.simplified = ini.value(QStringLiteral("Config/Uproszczone"), false).toBool();
    r.fontSize = ini.value(QStringLiteral("Font/Size"), 10).toInt();
    r.fontName = ini.value(QStringLiteral("Font/Name"), QStringLiteral("Arial")).toString();
    return QRect(left, top, width, height);
}

void WriteIniFile(const QRect& g)
{
    QSettings ini(IniFilePath(), QSettings::IniFormat);
    const TRunSettings& r = RunSettings();
    ini.setValue(QStringLiteral("Form/Top"), g.top());
    ini.setValue(QStringLiteral("Form/Left"), g.left());
    ini.setValue(QStringLiteral("Form/Width"), g.width());
    ini.setValue(QStringLiteral("Form/Height"), g.height());
    ini.setValue(QStringLiteral("Config/Cien"), r.shading);
    ini.setValue(QStringLiteral("Config/Uproszczone"), r.simplified);
    ini.setValue(QStringLiteral("Config/Duplex"), r.duplex);
    ini.setValue(QStringLiteral("Font/Size"), r.fontSize);
    ini.setValue(QStringLiteral("Font/Name"), r.fontName);
    ini.sync();
}
