#include "TerminalPrompts.h"

#include "core/app/LanguageModule.h"
#include "core/base/Settings.h"
#include "core/record/Game.h"
#include "core/record/GameJson.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

namespace {

const char* const kDescription =
    "The command-line companion of HAVRIK Coach Tool. It uses the same settings\n"
    "and language module as the program and prints its results as JSON on\n"
    "standard output (UTF-8); messages go to standard error.\n"
    "\n"
    "Commands:\n"
    "  new    Print a new game record, made under the settings in force, as\n"
    "         {\"Game\": {...}}.";

void printJson(const QJsonObject& object)
{
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing without a window needs a platform; the terminal has none.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    Settings::setRoot();

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run."));
    parser.process(application);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        std::fprintf(stderr, "%s\n", parser.helpText().toUtf8().constData());
        return 2;
    }

    TerminalPrompts prompts;
    if (!LanguageModule::selectAndLoad(prompts))
        return 0; // the termination notice was printed

    const QString command = arguments.first();
    if (command == QLatin1String("new") && arguments.size() == 1) {
        const CGame game;
        printJson({{QStringLiteral("Game"), gameToJson(game)}});
        return 0;
    }
    std::fprintf(stderr, "talvstats-cli: unknown command '%s'. See talvstats-cli --help.\n",
                 arguments.join(QLatin1Char(' ')).toUtf8().constData());
    return 2;
}
