#pragma once
// Test environment: a temporary data folder made by the installation step, settings
// redirected into a temporary folder, a data module opened on that folder, and a
// message sink that records every message box.

#include "FDM.h"
#include "Messages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// Points every settings store at a fresh temporary folder for the life of the object.
class TempSettings {
public:
    TempSettings();
    ~TempSettings();
    QString root() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
};

// A data folder created by the installation step (tables and reference data).
// The installation is done once per test program and copied for each use.
class TempDataFolder {
public:
    TempDataFolder();
    QString path() const { return dir_.path() + QStringLiteral("/dane"); }

private:
    QTemporaryDir dir_;
};

// Fixture: settings and data folder in temporary folders, TDM open, messages recorded.
class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds a taxpayer row with the given columns and gives its id.
    int addTaxpayer(const QString& surname, const QString& firstName, const QVariantMap& more = {});

    std::unique_ptr<TempSettings> settings;
    std::unique_ptr<TempDataFolder> data;
    std::unique_ptr<RecordingSink> messages;
    std::unique_ptr<TDM> dm;
};
