#include "ConfigCommand.h"
#include "DiagramCommand.h"
#include "RenderCommand.h"
#include "ReportCommand.h"
#include "TerminalPrompts.h"
#include "TournamentCommand.h"

#include "core/app/LanguageModule.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/files/Document.h"
#include "core/files/DocumentJson.h"
#include "core/files/TagExport.h"
#include "core/record/Game.h"
#include "core/record/GameJson.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QJsonDocument>

#include <cstdio>

namespace {

// Exit statuses
constexpr int kOk = 0;
constexpr int kUsage = 2;
constexpr int kCannotRead = 3;
constexpr int kCannotWrite = 4;

const char* const kDescription =
    "The command-line companion of HAVRIK Coach Tool. It uses the same settings\n"
    "and language module as the program and prints its results as JSON on\n"
    "standard output (UTF-8); messages go to standard error.\n"
    "\n"
    "Commands:\n"
    "  new                 Print a new game record, made under the settings in\n"
    "                      force, as {\"Game\": {...}}.\n"
    "  show FILE           Print the document held after opening FILE (.cus, .cub\n"
    "                      or .cis).\n"
    "  convert IN OUT      Open IN as the program does and save it to OUT as the\n"
    "                      Save command does (newest layout; OUT is replaced; the\n"
    "                      tag list is written beside OUT when the game is under way).\n"
    "  tags FILE [-o OUT]  Write the tag list of FILE (default: beside FILE).\n"
    "  report FILE [--view N] [--visible]\n"
    "                      Print the statistics report of FILE as its clipboard\n"
    "                      text: view N (0 by team, 1 by position, 2 and 3 the\n"
    "                      same as differences to the opponent; default 0), every\n"
    "                      row or, with --visible, the rows the report first shows.\n"
    "  tournament --team NAME [--players A,B,C,D,E] FILE...\n"
    "                      Follow the team NAME over the files as the tournament\n"
    "                      does (a file without that team is skipped) and print the\n"
    "                      tournament report's clipboard text. The reference players\n"
    "                      are the first game's, or those given; players are matched\n"
    "                      by name, the others keep their own index.\n"
    "  render FILE OUT [--position E,P,S,O]\n"
    "                      Write the house image of the stone record at that\n"
    "                      position (default: the current one); the format follows\n"
    "                      OUT's extension (png, jpg, gif).\n"
    "  diagram FILE OUT    Write the diagram image of FILE's game as the Save image\n"
    "                      button does (teams, both of them; PNGResolution sets the\n"
    "                      size). OUT's extension chooses png, jpg or gif; an OUT\n"
    "                      without one gets \".png\".\n"
    "  config show FILE    Print a configuration file (categories with their events,\n"
    "                      teams and players; sessions; sheets; statisticians) or a\n"
    "                      configuration export file as JSON.\n"
    "\n"
    "Exit status: 0 success, 2 usage error, 3 FILE cannot be read, 4 the output\n"
    "cannot be written.";

void printError(const QString& text)
{
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
}

void printJson(const QJsonObject& object)
{
    const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, std::size_t(json.size()), stdout);
}

bool open(CTALVStatsDoc& document, const QString& path, Prompts& prompts)
{
    QString error;
    if (document.OpenDocument(path, prompts, &error))
        return true;
    printError(path + QStringLiteral(": ") + error);
    return false;
}

int showCommand(const QString& path, Prompts& prompts)
{
    CTALVStatsDoc document;
    if (!open(document, path, prompts))
        return kCannotRead;
    printJson(documentToJson(document.fields(), document.game()));
    return kOk;
}

int convertCommand(const QString& in, const QString& out, Prompts& prompts)
{
    CTALVStatsDoc document;
    if (!open(document, in, prompts))
        return kCannotRead;
    return document.SaveAs(out, prompts) ? kOk : kCannotWrite;
}

int tagsCommand(const QString& path, const QString& out, Prompts& prompts)
{
    CTALVStatsDoc document;
    if (!open(document, path, prompts))
        return kCannotRead;
    const QString target = out.isEmpty() ? TagExport::tagFilePath(path) : out;
    TagExport::Input input{&document.guidelines(), &document.VideoStartTime,
                           Settings::read(Key::Options::CSVSeparator), QLocale()};
    switch (TagExport::exportTo(target, document.game(), input)) {
    case TagExport::Result::Written:
        return kOk;
    case TagExport::Result::NotDue:
        printError(path + QStringLiteral(": the game has not started; no tag list written."));
        return kOk;
    case TagExport::Result::CannotCreate:
    case TagExport::Result::WriteFailed:
        printError(target + QStringLiteral(": the tag list cannot be written."));
        return kCannotWrite;
    }
    return kCannotWrite;
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
    const QCommandLineOption output(QStringList{"o", "output"},
                                    QStringLiteral("Output file of the tags command."),
                                    QStringLiteral("OUT"));
    parser.addOption(output);
    const QCommandLineOption view(QStringList{"view"},
                                  QStringLiteral("View 0..3 of the report command."),
                                  QStringLiteral("N"), QStringLiteral("0"));
    parser.addOption(view);
    const QCommandLineOption visible(
        QStringList{"visible"}, QStringLiteral("The report command copies only visible rows."));
    parser.addOption(visible);
    const QCommandLineOption team(QStringList{"team"},
                                  QStringLiteral("The team the tournament command follows."),
                                  QStringLiteral("NAME"));
    parser.addOption(team);
    const QCommandLineOption players(QStringList{"players"},
                                     QStringLiteral("Reference players of the tournament command, "
                                                    "lead to alternate, comma-separated."),
                                     QStringLiteral("A,B,C,D,E"));
    parser.addOption(players);
    const QCommandLineOption position(QStringList{"position"},
                                      QStringLiteral("Stone record of the render command."),
                                      QStringLiteral("E,P,S,O"));
    parser.addOption(position);
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("The command to run."));
    if (!parser.parse(application.arguments())) {
        printError(parser.errorText());
        return kUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toUtf8().constData(), stdout);
        return kOk;
    }

    const QStringList arguments = parser.positionalArguments();
    if (arguments.isEmpty()) {
        printError(parser.helpText());
        return kUsage;
    }
    const QString command = arguments.value(0);
    const auto usage = [&]() {
        printError(QStringLiteral("talvstats-cli: unknown command '%1'. See talvstats-cli --help.")
                       .arg(arguments.join(QLatin1Char(' '))));
        return kUsage;
    };
    const bool known = (command == QLatin1String("new") && arguments.size() == 1) ||
                       (command == QLatin1String("show") && arguments.size() == 2) ||
                       (command == QLatin1String("convert") && arguments.size() == 3) ||
                       (command == QLatin1String("tags") && arguments.size() == 2) ||
                       (command == QLatin1String("report") && arguments.size() == 2) ||
                       (command == QLatin1String("tournament") && arguments.size() >= 2) ||
                       (command == QLatin1String("diagram") && arguments.size() == 3) ||
                       (command == QLatin1String("render") && arguments.size() == 3) ||
                       (command == QLatin1String("config") && arguments.size() == 3 &&
                        arguments[1] == QLatin1String("show"));
    if (!known || (parser.isSet(output) && command != QLatin1String("tags")))
        return usage();
    const bool isReport = command == QLatin1String("report");
    if (!isReport && (parser.isSet(view) || parser.isSet(visible)))
        return usage();
    if (command != QLatin1String("render") && parser.isSet(position))
        return usage();
    const bool isTournament = command == QLatin1String("tournament");
    if (isTournament != parser.isSet(team) || (!isTournament && parser.isSet(players)))
        return usage();
    bool viewIsNumber = false;
    const int viewNumber = parser.value(view).toInt(&viewIsNumber);
    if (isReport && (!viewIsNumber || viewNumber < 0 || viewNumber > 3)) {
        printError(QStringLiteral("talvstats-cli: the view must be 0 to 3."));
        return kUsage;
    }

    TerminalPrompts prompts;
    if (!LanguageModule::selectAndLoad(prompts))
        return kOk; // the termination notice was printed

    if (command == QLatin1String("new")) {
        const CGame game;
        printJson({{QStringLiteral("Game"), gameToJson(game)}});
        return kOk;
    }
    if (command == QLatin1String("show"))
        return showCommand(arguments[1], prompts);
    if (command == QLatin1String("config"))
        return configShowCommand(arguments[2]);
    if (command == QLatin1String("convert"))
        return convertCommand(arguments[1], arguments[2], prompts);
    if (command == QLatin1String("diagram"))
        return diagramCommand(arguments[1], arguments[2], prompts);
    if (command == QLatin1String("render"))
        return renderCommand(arguments[1], arguments[2], parser.value(position), prompts);
    if (isReport)
        return reportCommand(arguments[1], viewNumber, parser.isSet(visible), prompts);
    if (isTournament) {
        const QStringList names =
            parser.isSet(players) ? parser.value(players).split(QLatin1Char(',')) : QStringList();
        return tournamentCommand(parser.value(team), names, arguments.mid(1), prompts);
    }
    return tagsCommand(arguments[1], parser.value(output), prompts);
}
