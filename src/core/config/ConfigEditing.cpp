#include "ConfigEditing.h"

#include "TeamCode.h"

#include "core/base/Settings.h"
#include "core/base/Texts.h"

namespace {

constexpr int kTeamNameId = 5015;

} // namespace

namespace ConfigEditing {

void editTeam(CConfigTeam& team, const QString& name, const QString& code, const QString& note,
              int entriesInList)
{
    team.name = name;
    if (team.name.isEmpty()) {
        const QString numbered = Texts::get(kTeamNameId);
        team.name = numbered.isEmpty() ? numbered : numbered.arg(entriesInList);
    }
    team.code = (code.isEmpty() ? proposeTeamCode(team.name) : code).toUpper();
    team.note = note;
    // An empty name would be "found" between every two characters.
    if (team.name.isEmpty())
        return;
    for (CConfigPlayer& player : team.players)
        player.name.replace(team.name, team.code);
}

int addTypeText(const NumberedKey& key, const QString& text)
{
    const QString section = QLatin1String(key.section);
    int slot = key.first;
    for (int n = key.first; n < key.first + key.count; ++n) {
        slot = n;
        const QString value = Settings::readText(section, key.name(n), QString());
        if (value == text)
            return -1;
        if (value.isEmpty())
            break;
    }
    Settings::writeText(section, key.name(slot), text);
    return slot;
}

} // namespace ConfigEditing
