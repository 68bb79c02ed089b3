#pragma once

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

// talvstats-cli run as a user would, with the settings store of a given
// config home.
struct CliRun
{
    int exitCode = -1;
    QByteArray out, err;
};

inline CliRun runCli(const QStringList& arguments, const QString& configHome)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("HOME"), configHome);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(TALV_CLI_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(30000));
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"

#include "support/TestSettings.h"

// Tests that save games with the program's own document and then run the
// command line on them: English texts, games under files_.
class CliFileTest : public SettingsTest
{
protected:
    void SetUp() override
    {
        SettingsTest::SetUp();
        loadLanguage(QStringLiteral("ENG"));
        Settings::write(Key::Setup::Path, files_.path());
    }

    CliRun run(const QStringList& arguments) { return runCli(arguments, settingsHome_.path()); }

    QTemporaryDir files_;
};
