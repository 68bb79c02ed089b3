#include "Game.h"

#include "Vocabulary.h"
#include "core/base/Prompts.h"
#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include <QDateTime>

#include <algorithm>

namespace {

constexpr int kPlayerTextId = 5011;
constexpr int kTeamTextId = 5015;
constexpr int kTagListHeadingId = 5132;
constexpr int kTagListEmptyId = 5133;
constexpr int kRemoveLastTagQuestionId = 5123;
constexpr int kNoTagsMessageId = 5124;
constexpr int kMostEndsCappedGame = 7; // mixed doubles and wheelchair: eight ends at most
constexpr int kMaxSecondsPerEnd = 24 * 3600;
constexpr int kSheetUnitLimit = 32767;

// A numbered text with its number; nothing when no language module holds it.
QString numberedText(int id, int number)
{
    const QString text = Texts::get(id);
    return text.isEmpty() ? text : text.arg(number);
}

QString shortNameOf(const QString& teamName)
{
    if (teamName.size() <= 2)
        return teamName;
    return teamName.left(2) + teamName.right(1);
}

int sheetUnits(const Settings::Reader& reader, const IntKey& key)
{
    return Settings::readClamped(reader, key, -kSheetUnitLimit, kSheetUnitLimit);
}

PositionedStoneSettings placementFrom(const Settings::Reader& reader)
{
    using namespace Key::Options;
    PositionedStoneSettings p;
    p.StoneA = sheetUnits(reader, MixedDoubles_StoneA);
    p.StoneB = sheetUnits(reader, MixedDoubles_StoneB);
    p.StoneBPowerPlay = sheetUnits(reader, MixedDoubles_StoneB_PP);
    p.StoneBPowerPlaySide = sheetUnits(reader, MixedDoubles_StoneB_PP_LR);
    p.StoneAPowerPlaySide = sheetUnits(reader, MixedDoubles_StoneA_PP_LR);
    return p;
}

} // namespace

PositionedStoneSettings PositionedStoneSettings::fromSettings()
{
    return placementFrom(Settings::Reader());
}

NewGameOptions NewGameOptions::fromSettings()
{
    const Settings::Reader reader;
    NewGameOptions o;
    o.ExtraEnds = Settings::read(reader, Key::MRU::ExtraEnds) != 0 ? 1 : 0;
    o.MixedDoubles = Settings::read(reader, Key::Options::MixedDoubles) != 0;
    o.Wheelchair = Settings::read(reader, Key::Options::Wheelchair) != 0;
    o.TotalEnds = Settings::readClamped(reader, Key::MRU::TotalEnds, 0, CGame::EndCount - 1);
    o.SecondsPerEnd =
        Settings::readClamped(reader, Key::Options::SecondsPerEnd, 0, kMaxSecondsPerEnd);
    o.SecondsPerEndMD =
        Settings::readClamped(reader, Key::Options::SecondsPerEndMD, 0, kMaxSecondsPerEnd);
    o.SecondsPerEndWh =
        Settings::readClamped(reader, Key::Options::SecondsPerEndWh, 0, kMaxSecondsPerEnd);
    o.Placement = placementFrom(reader);
    return o;
}

CGame::CGame()
{
    const NewGameOptions options = NewGameOptions::fromSettings();
    if (options.MixedDoubles) {
        Settings::write(Key::MRU::Event, QStringLiteral("Mixed"));
        Settings::write(Key::MRU::EventID, 21);
    }
    initialise(options);
}

CGame::CGame(const NewGameOptions& options)
{
    initialise(options);
}

void CGame::initialise(const NewGameOptions& options)
{
    ExtraEnds = options.ExtraEnds;
    MixedDoubles = options.MixedDoubles ? 1 : 0;
    TotalEnds = std::clamp(options.TotalEnds, 0, EndCount - 1);

    int secondsPerEnd = options.SecondsPerEnd;
    if (options.MixedDoubles) {
        secondsPerEnd = options.SecondsPerEndMD;
        TotalEnds = std::min(TotalEnds, kMostEndsCappedGame);
    }
    if (options.Wheelchair) { // wins when both are set
        secondsPerEnd = options.SecondsPerEndWh;
        TotalEnds = std::min(TotalEnds, kMostEndsCappedGame);
    }
    TeamTimer.fill(secondsPerEnd * (TotalEnds + 1));

    Ends.fill(CEnd(isMixedDoubles()));
    ReviewCopy = Ends;

    setCurrentPosition(isMixedDoubles() ? GamePosition{0, 1, 1, 0} : GamePosition{});
    if (isMixedDoubles())
        PlacePositionedStones(0, options.Placement);
    setRecordingPosition(currentPosition());
    setMisPosition(currentPosition());
    MisLabel.clear();

    ReviewMode = 0;
    SheetDirection = 0;
    GameValue2 = 1;

    for (int slot = 0; slot < TeamCount; ++slot) {
        CTeam& team = Teams[std::size_t(slot)];
        team.Id = qint16(slot);
        team.Text = numberedText(kTeamTextId, slot + 1);
        team.ShortName = shortNameOf(team.Text);
        for (int p = 0; p < CTeam::PlayerCount; ++p) {
            CPlayer& player = team.Players[std::size_t(p)];
            QString label = numberedText(kPlayerTextId, p + 1);
            if (isMixedDoubles() && p == 3)
                label.replace(QLatin1Char('4'), QLatin1Char('A'));
            if (isMixedDoubles() && p == 2)
                label.replace(QLatin1Char('3'), QLatin1Char('B'));
            const bool unused = isMixedDoubles() && (p == 0 || p == 1 || p == 4);
            player.Text = unused ? QStringLiteral("-") : team.ShortName + QLatin1Char(' ') + label;
            player.Id = qint16(p < 4 ? 4 - p : 5);
            player.OrderNumber = p < 4 ? 4 - p : 0;
        }
        team.Players[3].Role = QStringLiteral("Skip");
    }
    SummaryText1.clear();
    SummaryText2.clear();
    SummaryText3.clear();
    GameState = 1;
}

GamePosition CGame::currentPosition() const
{
    return {CurrentEnd, CurrentPlayer, CurrentStone, CurrentOrder};
}

GamePosition CGame::recordingPosition() const
{
    return {RecordEnd, RecordPlayer, RecordStone, RecordOrder};
}

GamePosition CGame::misPosition() const
{
    return {MisEnd, MisPlayer, MisStone, MisOrder};
}

void CGame::setCurrentPosition(const GamePosition& p)
{
    CurrentEnd = p.End;
    CurrentPlayer = p.Player;
    CurrentStone = p.Stone;
    CurrentOrder = p.Order;
}

void CGame::setRecordingPosition(const GamePosition& p)
{
    RecordEnd = p.End;
    RecordPlayer = p.Player;
    RecordStone = p.Stone;
    RecordOrder = p.Order;
}

void CGame::setMisPosition(const GamePosition& p)
{
    MisEnd = p.End;
    MisPlayer = p.Player;
    MisStone = p.Stone;
    MisOrder = p.Order;
}

// The position fields may come from a file; every index made from them is kept
// inside the arrays.
int CGame::CurrentTeamSlot() const
{
    return (CurrentOrder ^ currentEnd().FirstThrowerFlag) & 1;
}

int CGame::StoneSlot() const
{
    return CurrentTeamSlot() * CEnd::StonesPerTeam + std::clamp(CurrentPlayer, 0, 3) * 2 +
           std::clamp(CurrentStone, 0, 1);
}

CEnd& CGame::currentEnd()
{
    return Ends[std::size_t(std::clamp(CurrentEnd, 0, EndCount - 1))];
}

const CEnd& CGame::currentEnd() const
{
    return Ends[std::size_t(std::clamp(CurrentEnd, 0, EndCount - 1))];
}

CStone& CGame::currentStone()
{
    return currentEnd().Stones[std::size_t(StoneSlot())];
}

const CStone& CGame::currentStone() const
{
    return currentEnd().Stones[std::size_t(StoneSlot())];
}

CTeam& CGame::GetTeam(int teamSlot)
{
    return Teams[std::size_t(teamSlot == 0 || teamSlot == 1 ? teamSlot : CurrentTeamSlot())];
}

const CTeam& CGame::GetTeam(int teamSlot) const
{
    return Teams[std::size_t(teamSlot == 0 || teamSlot == 1 ? teamSlot : CurrentTeamSlot())];
}

CPlayer& CGame::GetPlayer(int teamSlot, int playerIndex)
{
    const int index = playerIndex >= 0 && playerIndex < CTeam::PlayerCount
                          ? playerIndex
                          : std::clamp(CurrentPlayer, 0, CTeam::PlayerCount - 1);
    return GetTeam(teamSlot).Players[std::size_t(index)];
}

const CPlayer& CGame::GetPlayer(int teamSlot, int playerIndex) const
{
    return const_cast<CGame*>(this)->GetPlayer(teamSlot, playerIndex);
}

const CPlayer& CGame::CurrentPlayerRecord() const
{
    return GetPlayer(CurrentTeamSlot(), currentStone().PlayerIndex);
}

QString CGame::GetTeamName(int teamSlot) const
{
    return GetTeam(teamSlot).Text;
}

QString CGame::GetPlayerName(int teamSlot, int playerIndex) const
{
    return GetPlayer(teamSlot, playerIndex).Text;
}

void CGame::SetStonePlayer(int playerIndex, int teamSlot, int position, int stoneOfPlayer)
{
    const int slot = teamSlot == 0 || teamSlot == 1 ? teamSlot : CurrentTeamSlot();
    const int pos = position >= 0 && position <= 3 ? position : std::clamp(CurrentPlayer, 0, 3);
    const int k =
        stoneOfPlayer == 0 || stoneOfPlayer == 1 ? stoneOfPlayer : std::clamp(CurrentStone, 0, 1);
    const CPlayer& player = GetPlayer(slot, playerIndex);
    CStone& stone = currentEnd().stone(slot, pos, k);
    stone.PlayerIndex = qint32(&player - GetTeam(slot).Players.data());
    stone.PlayerId = player.Id;
}

void CGame::SetLineup(int teamSlot, int lead, int second, int third, int fourth)
{
    const int slot = teamSlot == 0 || teamSlot == 1 ? teamSlot : CurrentTeamSlot();
    currentEnd().SetLineup(Teams[std::size_t(slot)], slot, isMixedDoubles(), lead, second, third,
                           fourth);
}

int CGame::GetLineupPlayer(int teamSlot, int position) const
{
    const int slot = teamSlot == 0 || teamSlot == 1 ? teamSlot : CurrentTeamSlot();
    return currentEnd().GetLineupPlayer(slot, position, isMixedDoubles());
}

QString CGame::GetPlayerLabel(int playerIndex, int teamSlot) const
{
    if (isMixedDoubles())
        return {};
    const CPlayer& player = GetPlayer(teamSlot, playerIndex);
    if (player.Id == CPlayer::NoPlayerId)
        return QStringLiteral(" (-)");
    QString label = QStringLiteral(" (A)");
    if (playerIndex > 4)
        return label;
    const int slot = teamSlot == 0 || teamSlot == 1 ? teamSlot : CurrentTeamSlot();
    // The player's line-up position in the current end; the last match wins.
    static constexpr std::array<std::pair<int, const char*>, 4> kPositionStones = {
        {{0, " (1)"}, {3, " (2)"}, {4, " (3)"}, {6, " (4)"}}};
    for (const auto& [record, text] : kPositionStones) {
        const CStone& s = currentEnd().Stones[std::size_t(slot * CEnd::StonesPerTeam + record)];
        if (s.PlayerId == player.Id)
            label = QLatin1String(text);
    }
    if (player.isSkip())
        label.replace(QLatin1Char(')'), QStringLiteral(",Skip)"));
    return label;
}

void CGame::RecomputeTeamTotals()
{
    const bool includeCurrent = GameState > 6 && ReviewMode == 0;
    const int last = std::clamp(includeCurrent ? CurrentEnd : CurrentEnd - 1, -1, EndCount - 1);
    for (int slot = 0; slot < TeamCount; ++slot) {
        qint32 total = 0;
        for (int e = 0; e <= last; ++e) {
            const qint32 score = Ends[std::size_t(e)].EndScore[std::size_t(slot)];
            if (score > 0 && score < CEnd::NotCountedScore)
                total += score;
        }
        Teams[std::size_t(slot)].TeamTotal = total;
    }
}

void CGame::AddTag(qint64 tagTime, qint64 duration, const QString& name, const QString& outcome)
{
    currentStone().Tags.append(CTagEvent{tagTime, duration, name, outcome});
}

bool CGame::RemoveLastTag(Prompts& prompts)
{
    QList<CTagEvent>& tags = currentStone().Tags;
    if (tags.isEmpty()) {
        prompts.message(Texts::get(kNoTagsMessageId), Prompts::Icon::Information);
        return false;
    }
    if (!prompts.askYesNo(Texts::get(kRemoveLastTagQuestionId).arg(tags.size())))
        return false;
    tags.removeLast();
    return true;
}

QString CGame::TagListText() const
{
    QString text = Texts::get(kTagListHeadingId);
    const QList<CTagEvent>& tags = currentStone().Tags;
    if (tags.isEmpty())
        return text + Texts::get(kTagListEmptyId);
    int number = 1;
    for (const CTagEvent& tag : tags) {
        const QString when = QDateTime::fromSecsSinceEpoch(tag.TagTime)
                                 .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        const QString pad = tag.TagName.size() < 11 ? QStringLiteral("    ") : QString();
        text += QStringLiteral("%1:   %2 %3s\t  %4%5\t%6\t\n")
                    .arg(number++)
                    .arg(when)
                    .arg(tag.TagDuration, 5)
                    .arg(tag.TagName, pad, tag.TagOutcome);
    }
    return text;
}

void CGame::ListTags(Prompts& prompts) const
{
    prompts.message(TagListText(), Prompts::Icon::Information);
}

bool CGame::isFirstStoneOfEnd() const
{
    if (isMixedDoubles())
        return CurrentOrder == 0 && CurrentPlayer == 1 && CurrentStone == 1;
    return CurrentOrder == 0 && CurrentPlayer == 0 && CurrentStone == 0;
}

// One stone back in delivery order. Mixed doubles walks the five delivered stones
// of each team (player 3 stone 1 back to player 1 stone 1) and, like a regular
// game, visits both teams' stones of every end.
bool CGame::stepMisBack()
{
    if (MisOrder == 1) {
        MisOrder = 0;
        return true;
    }
    MisOrder = 1;
    const bool md = isMixedDoubles();
    if (MisStone == 1 && (!md || MisPlayer >= 2)) {
        MisStone = 0;
        return true;
    }
    MisStone = 1;
    if (MisPlayer > (md ? 1 : 0)) {
        --MisPlayer;
        return true;
    }
    if (MisEnd > 0) {
        --MisEnd;
        MisPlayer = 3;
        return true;
    }
    return false;
}

void CGame::ApplyMisDefault()
{
    // No MIS chosen: the position a new game starts from, which in mixed doubles
    // is player 1 stone 1 rather than all zeros.
    const bool chosen = (MisEnd != 0 || MisPlayer != 0 || MisStone != 0 || MisOrder != 0) &&
                        !(isMixedDoubles() && misPosition() == GamePosition{0, 1, 1, 0});
    if (GameState <= 6 || chosen)
        return;
    const GamePosition start = currentPosition();
    setMisPosition({std::clamp(start.End, 0, EndCount - 1), std::clamp(start.Player, 0, 3),
                    std::clamp(start.Stone, 0, 1), std::clamp(start.Order, 0, 1)});
    MisLabel = QStringLiteral("Last stone");
    for (;;) {
        if (!stepMisBack()) {
            MisPlayer = MisStone = MisOrder = 0;
            MisLabel = QStringLiteral("No statistics.");
            return;
        }
        const CEnd& end = Ends[std::size_t(MisEnd)];
        const int slot = (MisOrder ^ end.FirstThrowerFlag) & 1;
        if (Vocabulary::isRealShot(end.stone(slot, MisPlayer, MisStone).Task))
            return;
    }
}

void CGame::PlacePositionedStones(int powerPlay)
{
    PlacePositionedStones(powerPlay, PositionedStoneSettings::fromSettings());
}

void CGame::PlacePositionedStones(int powerPlay, const PositionedStoneSettings& placement)
{
    if (!isMixedDoubles() || !isFirstStoneOfEnd())
        return;
    auto& positions = currentStone().Positions;
    for (const int i : {0, 1, 8, 9})
        positions[std::size_t(i)] = {SheetPoint::OutOfPlay, SheetPoint::OutOfPlay};

    const int firstTeam = CurrentTeamSlot();
    SheetPoint& stoneB = positions[firstTeam == 1 ? 2 : 10]; // the other team's stone
    SheetPoint& stoneA = positions[firstTeam == 1 ? 10 : 2];

    constexpr qint32 kCentre = 750;
    int pp = std::clamp(powerPlay, -1, 1);
    if (pp != 0 && stoneB.x != kCentre)
        pp = 0; // power play asked again: back to the normal placement
    stoneB.x = kCentre + pp * placement.StoneBPowerPlaySide;
    stoneB.y = stoneB.x == kCentre ? placement.StoneB : placement.StoneBPowerPlay;
    stoneA.y = placement.StoneA;
    stoneA.x = stoneB.x;
    if (pp != 0) {
        const float sideDifference =
            float(placement.StoneBPowerPlaySide - placement.StoneAPowerPlaySide);
        const float shift = (float(stoneA.y - 2150) / 600.0f + 1.0f) * sideDifference;
        stoneA.x -= pp * qint16(qint64(shift)); // toward zero, low 16 bits kept
    }
    if (Observer)
        Observer->houseViewsChanged();
}
