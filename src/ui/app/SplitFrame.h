#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

class CQuickViewWindow;
class CTALVGraphicsVIEW;
class CTALVStatsDoc;
class CTALVStatsView;
class EntryDialogRunner;
class Prompts;
class QSplitter;

// The window of one game: the shot-entry form, the tagging panel's column and
// the house view side by side in one splitter. It remembers what the form last
// told the two timer bars, so that the main window can show them whenever this
// game becomes the active one.
class CSplitFrame : public QWidget
{
    Q_OBJECT

public:
    // The command that fits the panes to their content.
    static constexpr int FitPanesCommand = 32169;

    CSplitFrame(CTALVStatsDoc& doc, Prompts& prompts, QWidget* parent = nullptr);
    ~CSplitFrame() override;

    CTALVStatsDoc& document() { return doc_; }
    CTALVStatsView& view() { return *view_; }
    CTALVGraphicsVIEW& house() { return *house_; }
    QSplitter& splitter() { return *splitter_; }
    CQuickViewWindow* quickView() const { return quickView_; }

    // Nudges the selected stone of the house view (EntryCommand::NudgeUp … NudgeRight).
    void nudgeHouse(int command);
    // Fits the panes to the form's content and stores the widths.
    void fitPanes();
    // Stores the widths as they are now (after a bar was released).
    void storePaneWidths();

    // The timer bars' captions as the form last gave them.
    QString teamTime(int team) const { return teamTimes_[team == 2 ? 1 : 0]; }
    int runningTeam() const { return runningTeam_; }
    QString stopwatchText() const { return stopwatchText_; }
    bool stopwatchMarker() const { return stopwatchMarker_; }

Q_SIGNALS:
    // Something the status bar or the timer bars show may have changed.
    void statusMayHaveChanged();
    void timerBarsChanged();
    void barsToggled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyWidths(int form, int tagging);
    void noteInput();
    void showQuickView(bool shown);
    void refreshQuickView();

    CTALVStatsDoc& doc_;
    std::unique_ptr<EntryDialogRunner> dialogs_;
    QSplitter* splitter_ = nullptr;
    CTALVStatsView* view_ = nullptr;
    QWidget* tagging_ = nullptr; // the tagging panel's column, kept closed
    CTALVGraphicsVIEW* house_ = nullptr;
    CQuickViewWindow* quickView_ = nullptr;

    std::array<QString, 2> teamTimes_{QStringLiteral(" 00:00 "), QStringLiteral(" 00:00 ")};
    int runningTeam_ = 0;
    QString stopwatchText_ = QStringLiteral("00:00.0 ");
    bool stopwatchMarker_ = false;
    bool dragging_ = false;
    bool inputPending_ = false;
    bool closing_ = false;
};
