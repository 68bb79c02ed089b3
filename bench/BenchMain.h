#pragma once

// The surroundings every benchmark program runs in: an offscreen GUI
// application (painting and fonts need one), a settings store of its own in a
// temporary folder — never the user's — and the English language module.
#include "core/app/LanguageModule.h"
#include "core/base/Settings.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <functional>
#include <optional>

// beforeRun may end the program early with an exit code (e.g. to save a picture).
inline int runBenchmarks(int argc, char** argv,
                         const std::function<std::optional<int>()>& beforeRun = {})
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    Settings::setRoot();
    LanguageModule::load(QStringLiteral("ENG"));
    if (beforeRun) {
        if (const std::optional<int> code = beforeRun())
            return *code;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
