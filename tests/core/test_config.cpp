// Settings: the machine-wide key, window placements and the ini file.

#include "Config.h"
#include "Globals.h"
#include "FWindow.h"
#include "Install.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QSettings>

TEST(Config, MissingMachineKeyReadsEmptyAndSwallowsWrites)
{
    TempSettings s;
    EXPECT_TRUE(ReadDataPath().isEmpty());
    WriteBackupFolder(QStringLiteral("/tmp/kopie"));
    WriteExchangeFile(QStringLiteral("/tmp/Podatnik.txt"));
    EXPECT_TRUE(ReadBackupFolder().isEmpty());
    EXPECT_TRUE(ReadExchangeFile().isEmpty());
    QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, QStringLiteral("Marvon"), QStringLiteral("Dekvar"));
    EXPECT_FALSE(machine.childGroups().contains(QStringLiteral("Rok2008")));
}

TEST(Config, InstalledKeyRemembersBackupAndExchangeFile)
{
    TempSettings s;
    ASSERT_TRUE(InstallDataPath(s.root() + QStringLiteral("/dane")));
    EXPECT_EQ(ReadDataPath(), WithTrailingSeparator(s.root() + QStringLiteral("/dane")));
    WriteBackupFolder(QStringLiteral("/tmp/kopie"));
    EXPECT_EQ(ReadBackupFolder(), QStringLiteral("/tmp/kopie"));
    EXPECT_TRUE(ReadPreviousYearPath().isEmpty());
}

TEST(Config, IniDefaultsOnFirstStartAndAllNineValuesWritten)
{
    TempSettings s;
    ASSERT_FALSE(QFile::exists(IniFilePath()));
    RunSettings() = TRunSettings{true, 3, 7, QStringLiteral("X"), true};  // stale values of an earlier run
    const QRect g = ReadIniFile();
    EXPECT_EQ(g, QRect(14, 5, 754, 570));
    EXPECT_FALSE(RunSettings().shading);
    EXPECT_EQ(RunSettings().duplex, 0);
    EXPECT_EQ(RunSettings().fontSize, 10);
    EXPECT_EQ(RunSettings().fontName, QStringLiteral("Arial"));
    EXPECT_FALSE(RunSettings().simplified);
    WriteIniFile(QRect(20, 30, 800, 600));
    QSettings ini(IniFilePath(), QSettings::IniFormat);
    for (const char* k : {"Form/Top", "Form/Left", "Form/Width", "Form/Height", "Config/Cien", "Config/Duplex",
                          "Config/Uproszczone", "Font/Size", "Font/Name"})
        EXPECT_TRUE(ini.contains(QString::fromLatin1(k))) << k;
    EXPECT_EQ(ini.value(QStringLiteral("Form/Top")).toInt(), 30);
    EXPECT_EQ(ReadIniFile(), QRect(20, 30, 800, 600));
}

TEST(Config, WindowPlacement)
{
    TempSettings s;
    TWindow w;
    w.setWindowName(QStringLiteral("Pit37Frm"));
    EXPECT_FALSE(w.LoadPlacement());
    {
        QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Marvon"), QStringLiteral("Zorvik 2008"));
        EXPECT_FALSE(user.childGroups().contains(QStringLiteral("Pit37Frm")));  // not created by a read
    }
    w.setLeft(-40);
    w.setTop(12);
    w.setWidth(640);
    w.setHeight(480);
    EXPECT_EQ(w.Left(), 0);
    w.SavePlacement();
    {
        QSettings user(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Marvon"), QStringLiteral("Zorvik 2008"));
        user.setValue(QStringLiteral("Pit37Frm/Left"), -25);  // edited outside the program
    }
    TWindow again;
    again.setWindowName(QStringLiteral("Pit37Frm"));
    ASSERT_TRUE(again.LoadPlacement());
    EXPECT_EQ(again.Left(), 0);
    EXPECT_EQ(again.Top(), 12);
    EXPECT_EQ(again.Width(), 640);
    EXPECT_EQ(again.Height(), 480);
}

TEST(Install, CreatesADataFolderOnceAndNeverOverwritesIt)
{
    TempSettings s;
    const QString folder = s.root() + QStringLiteral("/nowe dane");
    TInstallResult r = InstallDataFolder(folder);
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_TRUE(r.created);
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.db"), QStringLiteral("*.DB")}, QDir::Files).size(), 24);
    EXPECT_FALSE(ReadDataPath().isEmpty());
    {
        RecordingSink sink;
        TDM dm;  // opens the folder named in the settings, as at start-up
        EXPECT_TRUE(dm.Podatnik->isOpen());
        EXPECT_EQ(sink.count(), 0);
        dm.Podatnik->append();
        dm.Podatnik->setValue(QStringLiteral("Nazwisko"), QStringLiteral("Nowak"));
        dm.Podatnik->post();
    }
    r = InstallDataFolder(folder);
    EXPECT_TRUE(r.ok);
    EXPECT_FALSE(r.created);
    RecordingSink sink;
    TDM dm;
    EXPECT_EQ(dm.Podatnik->recordCount(), 1);
}
