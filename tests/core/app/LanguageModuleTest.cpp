#include "core/app/LanguageModule.h"
#include "core/base/ProgramFolder.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include "support/ScriptedPrompts.h"
#include "support/TestSettings.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QFile>
#include <QRegularExpression>

class LanguageModuleTest : public SettingsTest
{
protected:
    // A program folder holding only the given modules (copied from the build).
    void useProgramFolderWith(const QStringList& codes, const QByteArray& damaged = {})
    {
        for (const QString& code : codes) {
            const QString name = QStringLiteral("TALVStats_%1.qm").arg(code);
            ASSERT_TRUE(QFile::copy(QCoreApplication::applicationDirPath() + '/' + name,
                                    folder_.filePath(name)));
        }
        if (!damaged.isEmpty()) {
            QFile file(folder_.filePath(QStringLiteral("TALVStats_ITA.qm")));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(damaged);
        }
        ProgramFolder::setOverride(folder_.path());
    }

    QTemporaryDir folder_;
};

TEST_F(LanguageModuleTest, CodeComesFromTheSettingOrOnFirstRunFromTheSystem)
{
    struct Case
    {
        const char* stored;
        QLocale::Language system;
        const char* expected;
        bool writesCode;
    };
    const Case cases[] = {
        {"german", QLocale::English, "GER", false}, {"Fra", QLocale::German, "FRA", false},
        {"xyzzy", QLocale::German, "XYZ", false},   {"", QLocale::German, "GER", true},
        {"", QLocale::French, "FRA", true},         {"", QLocale::Italian, "ENG", true},
        {"", QLocale::Japanese, "ENG", true},
    };
    for (const Case& c : cases) {
        Settings::remove(QStringLiteral("Preferences"), QStringLiteral("Language"));
        Settings::remove(QStringLiteral("Preferences"), QStringLiteral("LanguageGuidelines"));
        if (*c.stored)
            Settings::write(Key::Preferences::Language, QString::fromUtf8(c.stored));
        EXPECT_EQ(LanguageModule::selectCode(QLocale(c.system)), QLatin1String(c.expected));
        EXPECT_EQ(
            Settings::contains(QStringLiteral("Preferences"), QStringLiteral("LanguageGuidelines")),
            c.writesCode)
            << c.stored;
        if (c.writesCode) {
            EXPECT_EQ(Settings::read(Key::Preferences::Language), QLatin1String(c.expected));
            EXPECT_EQ(Settings::read(Key::Preferences::LanguageGuidelines),
                      QLatin1String(c.expected));
        }
    }
}

TEST_F(LanguageModuleTest, LoadsTheRequestedModuleAndItsLocale)
{
    Settings::write(Key::Preferences::Language, QStringLiteral("GER"));
    ScriptedPrompts prompts;
    ASSERT_TRUE(LanguageModule::selectAndLoad(prompts));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(Texts::get(5011).arg(3), QStringLiteral("Spieler 3"));
    EXPECT_EQ(Texts::get(424242), QString()); // a text the module lacks
    EXPECT_EQ(QLocale().language(), QLocale::German);
    EXPECT_EQ(QLocale().territory(), QLocale::Switzerland);
}

TEST_F(LanguageModuleTest, MissingModuleFallsBackToEnglishWithTheNoticeInTheRequestedLanguage)
{
    struct Case
    {
        const char* code;
        const char* notice;
        QLocale::Language locale;
    };
    const Case cases[] = {
        {"XYZ", "Could not find Language DLL TALVStats_XYZ.dll. \n\nEnglisch will be used.",
         QLocale::English},
        {"FRE", "DLL TALVStats_FRE.dll pas trouvé. \n\nTALV Stats continue en Anglais.",
         QLocale::French},
        {"ITA", "DLL TALVStats_ITA.dll non trovato. \n\nTALV Stats continua in Inglese.",
         QLocale::Italian},
        {"GER", "Sprach DLL TALVStats_GER.dll nicht gefunden. \n\nEnglisch wird verwendet.",
         QLocale::German},
    };
    // The Italian module is damaged, the German one missing.
    useProgramFolderWith({QStringLiteral("ENG")}, QByteArray("not a module"));
    for (const Case& c : cases) {
        Settings::write(Key::Preferences::Language, QString::fromUtf8(c.code));
        ScriptedPrompts prompts;
        ASSERT_TRUE(LanguageModule::selectAndLoad(prompts));
        ASSERT_EQ(prompts.messages.size(), 1);
        EXPECT_EQ(prompts.messages[0], QString::fromUtf8(c.notice));
        EXPECT_EQ(Texts::get(1), QStringLiteral("new"));
        EXPECT_EQ(QLocale().language(), c.locale) << c.code;
    }
}

TEST_F(LanguageModuleTest, NoEnglishModuleEither)
{
    useProgramFolderWith({});
    const QStringList expected = {
        "Could not find Language DLL TALVStats_XYZ.dll. \n\nThe program will be terminated.",
        QString::fromUtf8("DLL TALVStats_ITA.dll non trovato. \n\nTALV Stats sarà terminato."),
        QString::fromUtf8("DLL TALVStats_FRA.dll pas trouvé. \n\nTALV Stats sera terminé.")};
    const QStringList codes = {"XYZ", "ITA", "FRA"};
    for (int i = 0; i < codes.size(); ++i) {
        Settings::write(Key::Preferences::Language, codes[i]);
        ScriptedPrompts prompts;
        EXPECT_FALSE(LanguageModule::selectAndLoad(prompts));
        EXPECT_EQ(prompts.messages.value(0), expected[i]);
        EXPECT_EQ(prompts.messageIcons.value(0), Prompts::Icon::Error);
    }
    EXPECT_FALSE(LanguageModule::isAvailable(QStringLiteral("ENG")));
}

// The modules are the program's sources of text: each must hold every text the
// English one holds, with the same arguments, and nothing left untranslated.
TEST_F(LanguageModuleTest, EveryModuleHoldsEveryTextWithItsArguments)
{
    const auto readModule = [](const QString& code) {
        QMap<QString, QString> texts;
        QFile file(QStringLiteral(TALV_SOURCE_DIR "/lang/TALVStats_%1.ts").arg(code));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << code.toStdString();
        QDomDocument document;
        EXPECT_TRUE(document.setContent(&file));
        const QDomNodeList messages = document.elementsByTagName(QStringLiteral("message"));
        for (int i = 0; i < messages.size(); ++i) {
            const QDomElement message = messages.at(i).toElement();
            const QDomElement translation =
                message.firstChildElement(QStringLiteral("translation"));
            EXPECT_FALSE(translation.hasAttribute(QStringLiteral("type")));
            texts.insert(message.attribute(QStringLiteral("id")), translation.text());
        }
        return texts;
    };
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    const auto placeholders = [&](const QString& text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found.append(it.next().captured());
        found.sort();
        return found;
    };
    const QMap<QString, QString> english = readModule(QStringLiteral("ENG"));
    for (const char* id : {"1", "2", "5", "6", "8", "5011", "5015", "5123", "5124", "5132", "5133"})
        EXPECT_TRUE(english.contains(QLatin1String(id))) << id;
    EXPECT_EQ(placeholders(english.value(QStringLiteral("5011"))), QStringList{"%1"});
    for (const QString code : {"GER", "FRA", "ITA"}) {
        const QMap<QString, QString> module = readModule(code);
        EXPECT_EQ(module.keys(), english.keys()) << code.toStdString();
        for (auto it = english.begin(); it != english.end(); ++it) {
            const QString text = module.value(it.key());
            EXPECT_FALSE(text.trimmed().isEmpty())
                << code.toStdString() << " " << it.key().toStdString();
            EXPECT_EQ(placeholders(text), placeholders(it.value()))
                << code.toStdString() << " " << it.key().toStdString();
        }
    }
}
