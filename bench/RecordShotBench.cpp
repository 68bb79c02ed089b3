// One recorded shot late in a game, as the statistician sees it: task, handle
// and points chosen, OK pressed; the autosave writes the game file and its tag
// list, and the quick view is rebuilt. The game allows twenty ends so that the
// 160th stone (the last of end 10) closes an end without finishing the game.
#include "BenchMain.h"

#include "core/base/Prompts.h"
#include "core/entry/ShotEntry.h"
#include "core/files/Document.h"
#include "core/stats/QuickView.h"

#include <QTemporaryDir>

namespace {

// Every dialog answers OK at once; the end result is 1 : 0.
class AnsweringDialogs : public EntryDialogs
{
public:
    bool runResultDialog(ResultDialogModel& dialog) override
    {
        dialog.chooseScore(0, 1);
        return true;
    }
    bool runLateTeamDialog(LateTeamDialogModel&) override { return false; }
    bool runMixedDoublesDialog(MixedDoublesDialogModel&) override { return true; }
    void runMisDialog(MisDialogModel&) override {}
    bool edit(GameTimerSetting&) override { return false; }
    bool edit(TimeOutRequest&) override { return false; }
    void showWarning(int) override {}
    bool askEnd(int&, int) override { return false; }
    bool choosePlayer(const QStringList&, int&) override { return false; }
    bool editText(const QString&, QString&) override { return false; }
    bool runSetupWizard(int) override { return false; }
    bool runLineupWizard(int) override { return false; }
    bool runSummaryWizard() override { return false; }
};

class SilentPrompts : public Prompts
{
public:
    bool askYesNo(const QString&, Icon, bool) override { return true; }
    bool askOkCancel(const QString&, Icon, bool) override { return true; }
    Answer askYesNoCancel(const QString&, Icon) override { return Answer::No; }
    void message(const QString&, Icon) override {}
    QString askSavePath(const QString&, const QString&, const QString&) override { return {}; }
};

// The form's part of a refresh that costs something: the quick view's content.
class QuickViewRefresh : public EntryView
{
public:
    explicit QuickViewRefresh(const CTALVStatsDoc& doc) : doc_(doc) {}
    void formChanged() override {}
    void focusOk() override {}
    void beep() override {}
    void quickViewChanged() override
    {
        model = QuickView::build(doc_.game(),
                                 {doc_.fields().SavedSecondId1, doc_.fields().SavedSecondId2});
        benchmark::DoNotOptimize(model);
    }
    void barsChanged() override {}
    QuickViewModel model;

private:
    const CTALVStatsDoc& doc_;
};

void recordOne(ShotEntryController& entry, int task)
{
    entry.SelectTask(task);
    entry.SelectHandle(task % 2);
    entry.SelectPoints(3);
    entry.RecordShot();
}

// stone: 1-based number of the stone recorded in the timed step.
void RecordedShot(benchmark::State& state)
{
    const int stone = int(state.range(0));
    QTemporaryDir folder;
    SilentPrompts prompts;
    AnsweringDialogs dialogs;
    CTALVStatsDoc doc;
    doc.OnNewDocument();
    doc.game().TotalEnds = CGame::EndCount - 1;
    doc.game().SetGameState(5);
    doc.setPath(folder.filePath(QStringLiteral("Bench game.cus")));
    ShotEntryController entry(doc, prompts, dialogs);
    QuickViewRefresh view(doc);
    entry.setView(&view);
    entry.Command(EntryCommand::QuickStatistics);
    for (int i = 1; i < stone; ++i) {
        recordOne(entry, i % 11);
        entry.setRemark(QStringLiteral("Remark %1").arg(i));
        entry.setComment(QStringLiteral("A comment on stone %1").arg(i));
    }
    // The game has its file already: autosaves then go straight to it.
    if (!doc.SaveAs(doc.path(), prompts))
        state.SkipWithError("the game file could not be written");
    const CGame before = doc.game();
    for (auto _ : state) {
        recordOne(entry, 3);
        state.PauseTiming();
        doc.game() = before;
        entry.ShowEntry();
        state.ResumeTiming();
    }
    if (!QFileInfo::exists(doc.path()) || !QFileInfo::exists(doc.TagFilePath))
        state.SkipWithError("the autosave wrote no game file or no tag list");
}
BENCHMARK(RecordedShot)
    ->Arg(159)
    ->Arg(160)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
