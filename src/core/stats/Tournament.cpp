#include "Tournament.h"

#include "core/base/Prompts.h"
#include "core/base/Texts.h"
#include "core/files/Document.h"
#include "core/record/Game.h"

#include <algorithm>

namespace {

constexpr int kOpponentTextId = 1187;
constexpr int kPlayerTextId = 5011;
constexpr int kNoFilesTextId = 5144;

PlayerNames namesOf(const CTeam& team)
{
    PlayerNames names;
    for (int i = 0; i < 5; ++i)
        names[std::size_t(i)] = team.Players[std::size_t(i)].Text;
    return names;
}

} // namespace

CTournament::CTournament(Prompts& prompts, TournamentQuestions& questions)
    : prompts_(prompts), questions_(questions), scratch_(std::make_unique<CTALVStatsDoc>())
{
    scratch_->OnNewDocument();
    totals_.Reset();
    totals_.setActiveGame(&scratch_->game());
}

CTournament::~CTournament() = default;

QStringList CTournament::positionWords(bool mixedDoubles)
{
    QStringList words = {QStringLiteral("Lead"), QStringLiteral("Second"), QStringLiteral("Third"),
                         QStringLiteral("Fourth"), QStringLiteral("Alternate")};
    if (mixedDoubles) {
        words[2] = Texts::get(kPlayerTextId).arg(3).replace(QLatin1Char('3'), QLatin1Char('B'));
        words[3] = Texts::get(kPlayerTextId).arg(4).replace(QLatin1Char('4'), QLatin1Char('A'));
    }
    return words;
}

CStatsData::PlayerMap CTournament::proposedMap(const PlayerNames& names,
                                               const PlayerNames& references)
{
    CStatsData::PlayerMap map = CStatsData::IdentityMap;
    for (std::size_t j = 0; j < 5; ++j) {
        if (names[j] == references[j])
            continue;
        const auto found = std::find(references.begin(), references.end(), names[j]);
        if (found != references.end())
            map[j] = int(found - references.begin());
    }
    return map;
}

void CTournament::choosePlayer(CStatsData::PlayerMap& map, int row, int index)
{
    if (row < 0 || row > 4)
        return;
    const int previous = map[std::size_t(row)];
    if (index >= 0 && index <= 3) {
        for (std::size_t other = 0; other < 5; ++other) {
            if (int(other) != row && map[other] == index)
                map[other] = previous;
        }
    }
    map[std::size_t(row)] = index;
}

QString CTournament::fileListLine(const QString& path)
{
    const QString marker = QStringLiteral("HAVRIK Coach Tool");
    const qsizetype at = path.indexOf(marker);
    return at < 0 ? path : path.mid(at + marker.size() + 1);
}

bool CTournament::addGame(const QString& path)
{
    lastError_.clear();
    if (!scratch_->OpenDocument(path, prompts_, &lastError_))
        return false; // the open operation reports its own errors
    const CGame& game = scratch_->game();
    totals_.setActiveGame(&game);

    int side = -1;
    if (games_ > 0 && game.Teams[0].Text == teamName_)
        side = 0;
    else if (games_ > 0 && game.Teams[1].Text == teamName_)
        side = 1;
    else
        side = questions_.chooseSide(game, games_ > 0 ? teamName_ : QString());
    if (side != 0 && side != 1)
        return false;

    const CTeam& team = game.Teams[std::size_t(side)];
    const PlayerNames names = namesOf(team);
    CStatsData::PlayerMap map = CStatsData::IdentityMap;
    if (games_ == 0) {
        const auto confirmed =
            questions_.confirmFirstGamePlayers(names, positionWords(game.isMixedDoubles()));
        if (!confirmed)
            return false;
        teamName_ = team.Text;
        teamShortName_ = team.ShortName;
        references_ = *confirmed;
    } else {
        map = proposedMap(names, references_);
        const bool everyReferenceFound =
            std::all_of(references_.begin(), references_.end(), [&](const QString& reference) {
                return std::find(names.begin(), names.end(), reference) != names.end();
            });
        if (!everyReferenceFound) {
            const auto chosen =
                questions_.mapPlayers(names, references_, map, game.isMixedDoubles());
            if (!chosen)
                return false;
            map = *chosen;
            for (int& index : map)
                index = std::min(index, 4);
        }
    }
    map_ = map;
    totals_.AddGame(game, false, games_, side == 1, map_);
    ++games_;
    fileList_.append(fileListLine(path));
    return true;
}

void CTournament::fileDialogCancelled()
{
    prompts_.message(Texts::get(kNoFilesTextId), Prompts::Icon::Information);
}

void CTournament::nameTeams(bool withPlayers)
{
    CGame& game = scratch_->game();
    CTeam& followed = game.Teams[0];
    CTeam& opponent = game.Teams[1];
    followed.Text = teamName_;
    followed.ShortName = teamShortName_;
    opponent.Text = Texts::get(kOpponentTextId);
    opponent.ShortName = opponent.Text.left(3);
    if (!withPlayers)
        return;
    const bool md = game.isMixedDoubles();
    const QStringList words = positionWords(md);
    for (int i = 0; i < 5; ++i) {
        followed.Players[std::size_t(i)].Text = references_[std::size_t(i)];
        opponent.Players[std::size_t(i)].Text = opponent.ShortName + QLatin1Char(' ') + words[i];
        if (md && (i == 0 || i == 1 || i == 4)) {
            followed.Players[std::size_t(i)].Text = QStringLiteral("-");
            opponent.Players[std::size_t(i)].Text = QStringLiteral("-");
        }
    }
}

void CTournament::prepareForStatistics()
{
    nameTeams(true);
}

void CTournament::prepareForDiagram()
{
    nameTeams(false);
}

CStatsData CTournament::statistics() const
{
    CStatsData copy;
    copy.Reset();
    copy.setActiveGame(&scratch_->game());
    copy.Merge(totals_);
    return copy;
}
