#include "WindowTexts.h"

#include "core/app/LanguageModule.h"
#include "core/base/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>
#include <vector>

namespace WindowTexts {

namespace {

std::vector<std::unique_ptr<QTranslator>>& installed()
{
    static std::vector<std::unique_ptr<QTranslator>> translators;
    return translators;
}

// Qt's own translations are named after the ISO language.
QString qtLanguageOf(const QString& code)
{
    if (code == QLatin1String("GER"))
        return QStringLiteral("de");
    if (code == QLatin1String("FRA") || code == QLatin1String("FRE"))
        return QStringLiteral("fr");
    if (code == QLatin1String("ITA"))
        return QStringLiteral("it");
    return {};
}

void install(const QString& path)
{
    if (!QFileInfo::exists(path))
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator.get()))
        return;
    installed().push_back(std::move(translator));
}

} // namespace

void unload()
{
    for (const std::unique_ptr<QTranslator>& translator : installed())
        QCoreApplication::removeTranslator(translator.get());
    installed().clear();
}

void load(const QString& code)
{
    unload();
    const QString qtLanguage = qtLanguageOf(code);
    if (qtLanguage.isEmpty() || !LanguageModule::isAvailable(code))
        return;
    install(QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                .filePath(QStringLiteral("qtbase_%1.qm").arg(qtLanguage)));
    // Installed last, so it is asked first.
    install(ProgramFolder::locate(QStringLiteral("TALVStatsUI_%1.qm").arg(code)));
}

} // namespace WindowTexts
