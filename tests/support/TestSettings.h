#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>

// Every test of this fixture starts with an empty settings store of its own in
// a temporary folder, and with the real language modules unloaded.
class SettingsTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads a language module of the build (bin/TALVStats_<code>.qm).
    static void loadLanguage(const QString& code);

    QTemporaryDir settingsHome_;
};

// Path of a test fixture file.
QString fixturePath(const QString& name);
