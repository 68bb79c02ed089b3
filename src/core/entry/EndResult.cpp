#include "EndResult.h"

#include "core/base/Texts.h"
#include "core/files/Document.h"

#include <algorithm>

namespace {

constexpr int kTeamTextId = 5015;
constexpr int kCaptionId = 5091;

int storedScore(int index)
{
    return std::max(index, 0);
}

} // namespace

ResultDialogModel::ResultDialogModel(int endIndex) : endIndex_(endIndex)
{
    setTeamLabels(Texts::get(kTeamTextId).arg(1), Texts::get(kTeamTextId).arg(2));
}

QStringList ResultDialogModel::scoreItems()
{
    QStringList items;
    for (int i = 0; i < NotCounted; ++i)
        items.append(QString::number(i));
    items.append(QStringLiteral("X"));
    return items;
}

QString ResultDialogModel::caption() const
{
    return Texts::get(kCaptionId).arg(endIndex_ + 1);
}

void ResultDialogModel::setTeamLabels(const QString& team1, const QString& team2)
{
    labels_ = {team1, team2};
}

void ResultDialogModel::setScores(int team1, int team2)
{
    const auto preset = [](int score) { return score < 0 ? NoScore : std::min(score, NotCounted); };
    scores_ = {preset(team1), preset(team2)};
}

void ResultDialogModel::chooseScore(int team, int index)
{
    if (index < 0 || index >= ItemCount)
        return;
    const std::size_t self = std::size_t(team & 1);
    const std::size_t other = 1 - self;
    scores_[self] = index;
    if (index == NotCounted)
        scores_[other] = NotCounted;
    else if (index > 0)
        scores_[other] = 0;
    chosenText_ = QString::number(unsigned(index));
}

namespace EndResult {

ResultDialogModel dialogFor(const CTALVStatsDoc& doc, int end)
{
    const CGame& game = doc.game();
    const CEnd& record = game.Ends[std::size_t(std::clamp(end, 0, CGame::EndCount - 1))];
    ResultDialogModel dialog(end);
    dialog.setTeamLabels(game.GetTeamName(0), game.GetTeamName(1));
    dialog.setScores(record.EndScore[0], record.EndScore[1]);
    dialog.databaseButtonVisible = doc.DatabaseLink != 0;
    return dialog;
}

int countedPoints(int score)
{
    return score > 0 && score < CEnd::NotCountedScore ? score : 0;
}

void Store(CGame& game, int end, const ResultDialogModel& dialog, Prompts& prompts)
{
    if (end < 0 || end >= CGame::EndCount)
        return;
    const int s1 = storedScore(dialog.score(0));
    const int s2 = storedScore(dialog.score(1));
    game.Ends[std::size_t(end)].EndScore = {s1, s2};
    if (s1 >= CEnd::NotCountedScore)
        return; // an end not counted decides nothing: the next end keeps its first thrower
    game.Teams[0].TeamTotal += countedPoints(s1);
    game.Teams[1].TeamTotal += countedPoints(s2);
    // The next end holds no delivered stones yet, so its blocks are not swapped.
    game.SetNextEndFirstThrower(end + 1, s1, s2, prompts);
}

bool CorrectPreviousEndEnabled(const CGame& game)
{
    return game.GameState > 1;
}

Correction CorrectPreviousEnd(CTALVStatsDoc& doc, EndResultDialogs& dialogs, Prompts& prompts)
{
    CGame& game = doc.game();
    if (game.CurrentEnd <= 0)
        return Correction::OpenSetupWizard;
    const int previous = std::min(game.CurrentEnd, CGame::EndCount) - 1;
    ResultDialogModel dialog = dialogFor(doc, previous);
    if (!dialogs.runResultDialog(dialog))
        return Correction::Cancelled;

    CEnd& corrected = game.Ends[std::size_t(previous)];
    const auto old = corrected.EndScore;
    const int s1 = storedScore(dialog.score(0));
    const int s2 = storedScore(dialog.score(1));
    corrected.EndScore = {s1, s2};
    // The totals follow what each result counts, so correcting to or from "X"
    // takes out or adds the points rather than the marker 9.
    game.Teams[0].TeamTotal += countedPoints(s1) - countedPoints(old[0]);
    game.Teams[1].TeamTotal += countedPoints(s2) - countedPoints(old[1]);
    if (s1 < CEnd::NotCountedScore) {
        CEnd& current = game.currentEnd();
        const int before = current.FirstThrowerFlag;
        game.SetNextEndFirstThrower(game.CurrentEnd, s1, s2, prompts);
        // The stones already recorded stay with the delivery order they were entered in.
        if (current.FirstThrowerFlag != before)
            current.SwapTeamBlocks();
    }
    doc.SetModifiedFlag(true);
    Q_EMIT doc.viewsToRefresh();
    return Correction::Corrected;
}

} // namespace EndResult
