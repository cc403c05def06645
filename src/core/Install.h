#pragma once
// The installation step: a new data folder with every table file, the reference data
// that ships with the program, and the machine-wide setting naming the folder.

#include <QString>

// Where a data folder goes when none is named: the platform's application-data folder.
QString DefaultDataFolder();

struct TInstallResult {
    bool ok = false;
    bool created = false;   // false: the folder already held a data store, nothing was changed in it
    QString message;        // Polish text for the user
};

// Creates the data folder (never overwriting an existing one) and, when `writeSetting`,
// stores it as the data folder of the installation.
TInstallResult InstallDataFolder(const QString& folder, bool writeSetting = true);

// Creates the empty table files in `folder` (existing files are left alone). Throws DbError.
void CreateTableFiles(const QString& folder);
// Loads the shipped reference files into the tables of `folder`; gives the rows added per file.
QString LoadReferenceData(const QString& folder);
