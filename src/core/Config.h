#pragma once
// Where the settings live.
//  - machine-wide key "Marvon/Dekvar", groups "Rok2008" and "Rok2007" (the installation writes it):
//    the data folder, the last backup folder, the last exchange file;
//  - per-user key "Marvon/Zorvik 2008", one group per window: window placements (TWindow);
//  - the ini file "Zorvik2008.ini" in the user's configuration folder: the main window's
//    placement and the print settings (TRunSettings), read once and written once per run.

#include <QRect>
#include <QString>

// The data folder of this year's installation, with a trailing separator; empty when unset.
QString ReadDataPath();
// The data folder of the previous year's installation, the same way.
QString ReadPreviousYearPath();
QString ReadBackupFolder();
void WriteBackupFolder(const QString& folder);
QString ReadExchangeFile();
void WriteExchangeFile(const QString& fileName);

// Installation only: creates the machine-wide key when needed and stores the data folder.
// Returns false when the settings store cannot be written.
bool InstallDataPath(const QString& folder);

// Full name of the ini file.
QString IniFilePath();

// Redirects the machine-wide key, the per-user keys and the ini file into `root`
// (subfolders "system", "user", "config"). Tests use it so that the real user's
// settings are never touched. An empty root restores the platform defaults.
void SetConfigRoot(const QString& root);

// The run settings of the ini file.
struct TRunSettings {
    bool shading = false;        // "Cien": print the shaded areas of the forms
    int duplex = 0;              // "Duplex": 0 off, 1 simplex, 2 vertical, 3 horizontal
    int fontSize = 10;           // "Size"
    QString fontName = QStringLiteral("Arial");  // "Name"
    bool simplified = false;     // "Uproszczone": the hidden "Formularz uproszczony" box
};

TRunSettings& RunSettings();

// Reads the ini file into RunSettings() and gives the main window's geometry
// (Left, Top, Width, Height; defaults 14, 5, 754, 570).
QRect ReadIniFile();
// Writes the main window's geometry, then "Cien", "Uproszczone", "Duplex", "Size", "Name".
void WriteIniFile(const QRect& geometry);
