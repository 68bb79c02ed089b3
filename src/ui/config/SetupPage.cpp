#include "SetupPage.h"

#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/config/Config.h"
#include "core/record/Team.h"

CSetupPage::CSetupPage(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, QWidget* parent)
    : QWizardPage(parent), doc_(doc), config_(config), prompts_(prompts)
{}

namespace SetupNames {

QStringList remembered(const NumberedKey& key, QString (*defaultOf)(int number))
{
    QStringList names;
    for (int number = key.first; number < key.first + key.count; ++number) {
        const QString fallback = defaultOf ? defaultOf(number) : QString();
        const QString name =
            Settings::readText(QLatin1String(key.section), key.name(number), fallback);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}

QStringList statisticians()
{
    return remembered(Key::Setup::StatisticianN);
}

QStringList competitions()
{
    return remembered(Key::Setup::CompetitionN);
}

QStringList events()
{
    return remembered(Key::Setup::EventN);
}

QStringList sessions()
{
    return remembered(Key::Setup::SessionN,
                      [](int number) { return QStringLiteral("Session %1").arg(number + 1); });
}

QStringList sheets()
{
    return remembered(Key::Setup::SheetN,
                      [](int number) { return Texts::get(5095).arg(number + 1); });
}

qint16 idOf(const QStringList& names, const QString& text)
{
    return qint16(names.indexOf(text));
}

} // namespace SetupNames

void copyTeamIntoGame(const CConfigTeam& from, CTeam& to)
{
    to.Id = qint16(from.id);
    to.Text = from.name;
    to.ShortName = from.code;
    for (std::size_t k = 0; k < to.Players.size() && k < from.players.size(); ++k) {
        CPlayer& player = to.Players[k];
        player.Id = qint16(from.players[k].id);
        player.Text = from.players[k].name;
        player.Role = from.players[k].skip == 1 ? QStringLiteral("Skip") : QString();
    }
}
