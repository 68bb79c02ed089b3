#include "TestSettings.h"

#include "core/base/ProgramFolder.h"
#include "core/base/Texts.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

void SettingsTest::SetUp()
{
    ASSERT_TRUE(settingsHome_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome_.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsHome_.path());
    Texts::setModule(nullptr);
    ProgramFolder::setOverride({});
}

void SettingsTest::TearDown()
{
    Texts::setModule(nullptr);
    ProgramFolder::setOverride({});
}

void SettingsTest::loadLanguage(const QString& code)
{
    auto module = std::make_unique<QTranslator>();
    const QString path =
        QCoreApplication::applicationDirPath() + QStringLiteral("/TALVStats_%1.qm").arg(code);
    ASSERT_TRUE(module->load(path)) << path.toStdString();
    Texts::setModule(std::move(module));
}

QString fixturePath(const QString& name)
{
    return QStringLiteral(TALV_FIXTURES_DIR "/") + name;
}
