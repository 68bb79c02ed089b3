#pragma once

#include "StatsData.h"

#include <QString>

#include <array>
#include <vector>

class CGame;

// One row of the full statistics report: its tree text (label padded or cut to
// its width, then the figure), the parts it is made of, and the number of
// stones behind the figure (-1 for a pure heading).
struct ReportRow
{
    QString text;
    QString label;
    QString figure; // empty for a heading
    int stones = -1;
    bool expanded = false;
    int team = -1;
    int slot = -1;
    int code = -1; // statistic code; 7 and 8 also for the end and stone-order headings
    std::vector<ReportRow> children;

    bool isHeading() const { return figure.isEmpty(); }
};

// Who the report is about: names as the report shows them. A single game takes
// them from the game; the tournament passes its prepared names and title.
struct ReportSubject
{
    std::array<QString, 2> teamNames;
    std::array<std::array<QString, 5>, 2> playerNames;
    // GetPlayerLabel suffixes by player index; empty in tournament form.
    std::array<std::array<QString, 5>, 2> playerLabels;
    bool mixedDoubles = false;
    bool tournament = false;
    QString documentTitle; // put in front of the window title in tournament form

    static ReportSubject ofGame(const CGame& game);
    static ReportSubject ofTournament(const CGame& game, const QString& documentTitle);
};

// The model of the full statistics report: views 0..3 (0 and 2 by team, 1 and
// 3 by position; 2 and 3 as differences to the opponent), the row tree of the
// current view with its expansion, and the tab-separated clipboard text.
class CStatsReport
{
public:
    static constexpr int ViewCount = 4;

    CStatsReport(const CStatsData& stats, ReportSubject subject);

    int view() const { return view_; }
    // Any view 0..3 (others are ignored); rebuilds the tree.
    void setView(int view);
    // The next view; views 2 and 3 are skipped while only counts are shown.
    void changeView();

    QString title() const;
    // Layout A: one root per team. Layout B: the team root, then one root per
    // position unless the game is mixed doubles.
    const std::vector<ReportRow>& rows() const { return rows_; }
    std::vector<ReportRow>& rows() { return rows_; }

    // Expanding touches only rows with children: an empty row cannot open.
    void expandAll();
    void collapseAll();
    // Which of the two expansion commands is offered now.
    bool offersExpandAll() const { return offersExpandAll_; }

    // The clipboard text: every row, or only those whose ancestors are all
    // expanded. Line ends are "\n".
    QString exportText(bool visibleOnly) const;

    const CStatsData& stats() const { return stats_; }
    const ReportSubject& subject() const { return subject_; }

    // "Number of considered stones: %i", empty for a heading.
    static QString toolTip(const ReportRow& row);

private:
    void rebuild();
    bool byPosition() const { return view_ % 2 == 1; }

    CStatsData stats_;
    ReportSubject subject_;
    int view_ = 0;
    bool offersExpandAll_ = true;
    std::vector<ReportRow> rows_;
};
