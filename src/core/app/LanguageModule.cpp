#include "LanguageModule.h"

#include "core/base/ProgramFolder.h"
#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include <QFileInfo>
#include <QTranslator>

namespace LanguageModule {

namespace {

const QString kEnglish = QStringLiteral("ENG");

QString moduleFile(const QString& code)
{
    return QStringLiteral("TALVStats_") + code + QStringLiteral(".qm");
}

struct NoticeTexts
{
    const char* fallback;
    const char* termination;
};

// clang-format off
constexpr NoticeTexts kEnglishNotices{
    "Could not find Language DLL TALVStats_%1.dll. \n\nEnglisch will be used.",
    "Could not find Language DLL TALVStats_%1.dll. \n\nThe program will be terminated."};
constexpr NoticeTexts kGermanNotices{
    "Sprach DLL TALVStats_%1.dll nicht gefunden. \n\nEnglisch wird verwendet.",
    "Sprach-DLL TALVStats_%1.dll nicht gefunden. \n\nDas Programm wird beendet."};
constexpr NoticeTexts kFrenchNotices{
    "DLL TALVStats_%1.dll pas trouvé. \n\nTALV Stats continue en Anglais.",
    "DLL TALVStats_%1.dll pas trouvé. \n\nTALV Stats sera terminé."};
constexpr NoticeTexts kItalianNotices{
    "DLL TALVStats_%1.dll non trovato. \n\nTALV Stats continua in Inglese.",
    "DLL TALVStats_%1.dll non trovato. \n\nTALV Stats sarà terminato."};
// clang-format on

bool isFrench(const QString& code)
{
    return code == QLatin1String("FRA") || code == QLatin1String("FRE");
}

std::unique_ptr<QTranslator> loadModule(const QString& code)
{
    // Only an existing file of exactly this name: QTranslator would otherwise
    // fall back to shorter names on its own.
    const QString path = ProgramFolder::locate(moduleFile(code));
    if (!QFileInfo::exists(path))
        return nullptr;
    auto module = std::make_unique<QTranslator>();
    if (!module->load(path))
        return nullptr;
    return module;
}

} // namespace

QString selectCode(const QLocale& systemLocale)
{
    QString code = Settings::read(Key::Preferences::Language).left(3).toUpper();
    if (!code.isEmpty())
        return code;
    switch (systemLocale.language()) {
    case QLocale::German:
        code = QStringLiteral("GER");
        break;
    case QLocale::French:
        code = QStringLiteral("FRA");
        break;
    default:
        code = kEnglish;
        break;
    }
    Settings::write(Key::Preferences::Language, code);
    Settings::write(Key::Preferences::LanguageGuidelines, code);
    return code;
}

QString noticeText(Notice notice, const QString& requestedCode)
{
    const NoticeTexts* texts = &kEnglishNotices;
    if (requestedCode == QLatin1String("GER"))
        texts = &kGermanNotices;
    else if (isFrench(requestedCode))
        texts = &kFrenchNotices;
    else if (requestedCode == QLatin1String("ITA"))
        texts = &kItalianNotices;
    const char* text = notice == Notice::Fallback ? texts->fallback : texts->termination;
    return QString::fromUtf8(text).arg(requestedCode);
}

QLocale localeFor(const QString& requestedCode)
{
    if (requestedCode == QLatin1String("GER"))
        return QLocale(QLocale::German, QLocale::Switzerland);
    if (isFrench(requestedCode))
        return QLocale(QLocale::French, QLocale::France);
    if (requestedCode == QLatin1String("ITA"))
        return QLocale(QLocale::Italian, QLocale::Italy);
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

bool isAvailable(const QString& code)
{
    return QFileInfo::exists(ProgramFolder::locate(moduleFile(code)));
}

Outcome load(const QString& code)
{
    Outcome outcome = Outcome::Loaded;
    std::unique_ptr<QTranslator> module = loadModule(code);
    if (!module) {
        module = loadModule(kEnglish);
        outcome = module ? Outcome::FellBackToEnglish : Outcome::NoModule;
    }
    if (module)
        Texts::setModule(std::move(module));
    QLocale::setDefault(localeFor(code)); // the requested code decides, also after a fallback
    return outcome;
}

bool selectAndLoad(Prompts& prompts, const QLocale& systemLocale)
{
    const QString code = selectCode(systemLocale);
    switch (load(code)) {
    case Outcome::Loaded:
        return true;
    case Outcome::FellBackToEnglish:
        prompts.message(noticeText(Notice::Fallback, code), Prompts::Icon::Warning);
        return true;
    case Outcome::NoModule:
        prompts.message(noticeText(Notice::Termination, code), Prompts::Icon::Error);
        return false;
    }
    return false;
}

} // namespace LanguageModule
