#include "StatsReport.h"

#include "core/base/Settings.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"
#include "core/record/Game.h"
#include "core/record/Vocabulary.h"

#include <algorithm>

namespace {

constexpr int kTitlePercentId = 5074;
constexpr int kTitleCountsId = 5073;
constexpr int kDifferenceId = 5106;
constexpr int kOverallId = 5109;
constexpr int kEndHeaderId = 5149;
constexpr int kEndId = 5150;
constexpr int kStoneOrderId = 5154;
constexpr int kFirstStoneId = 5155;
constexpr int kSecondStoneId = 5156;
constexpr int kThroughId = 5100;
constexpr std::array<int, 6> kGroupIds{5102, 5105, 5103, 5104, 5121, 5122};

// Tree widths of the label before the figure
constexpr int kTeamWidth = 30; // team rows and the overall row
constexpr int kPlayerWidth = 39;
constexpr int kGroupWidth = 46; // category, handle-group and layout A stone-order rows
constexpr int kHalfWidth = 44;  // end halves, layout B first/second stone
constexpr int kDetailWidth = 53;
// A heading has no figure; its place stays blank.
constexpr int kFigureWidth = 8;

constexpr int kExportLabelWidth = 20;
constexpr int kExportNameWidth = 30;

constexpr int kTotal = CStatsData::WholeTeam;
constexpr int kEndHeader = 7;
constexpr int kStoneOrder = 8;
constexpr int kFirstHalf = 71;
constexpr int kSecondHalf = 72;
constexpr int kFirstEnd = 701;
constexpr int kLastEnd = 720;

// Fourth, third, second, lead, alternate.
constexpr std::array<int, 5> kPlayerOrder{3, 2, 1, 0, 4};
constexpr std::array<const char*, 5> kPositionNames{
    "Fourth:", "Third:", "Second:", "Lead:", "Alternate:"};

// Every text a build needs, looked up once.
struct Labels
{
    QString overall;
    std::array<QString, 6> groups;
    QString endHeader, endFormat, stoneOrder, firstStone, secondStone;
    std::array<QString, 12> tasks; // codes 10..21
    int groupCount;
    int splitEnd;

    explicit Labels(const CStatsData& stats)
        : overall(Texts::get(kOverallId)), endHeader(Texts::get(kEndHeaderId)),
          endFormat(Texts::get(kEndId)), stoneOrder(Texts::get(kStoneOrderId)),
          firstStone(Texts::get(kFirstStoneId)), secondStone(Texts::get(kSecondStoneId)),
          groupCount(Settings::read(Key::Options::AdvancedHandleOptions) != 0 ? 6 : 4),
          splitEnd(stats.splitEnd())
    {
        for (std::size_t g = 0; g < groups.size(); ++g)
            groups[g] = Texts::get(kGroupIds[g]);
        for (int task = 0; task <= 10; ++task)
            tasks[std::size_t(task)] = Vocabulary::taskName(task);
        tasks[11] = Texts::get(kThroughId);
    }

    QString end(int number) const { return endFormat.arg(number); }

    QString label(int code) const
    {
        if (code == 0)
            return overall;
        if (code >= 1 && code <= 6)
            return groups[std::size_t(code - 1)];
        if (code == kEndHeader)
            return endHeader;
        if (code == kStoneOrder)
            return stoneOrder;
        if (code >= 10 && code <= 21)
            return tasks[std::size_t(code - 10)];
        if (code == kFirstHalf)
            return QStringLiteral("%1-%2").arg(end(1), QString::number(splitEnd));
        if (code == kSecondHalf)
            return QStringLiteral("%1-%2").arg(end(splitEnd + 1),
                                               QString::number(2 * splitEnd + 1));
        if (code == 81)
            return firstStone;
        if (code == 82)
            return secondStone;
        if (code >= kFirstEnd && code <= kLastEnd)
            return end(code - 700);
        const int group = code / 10;
        const int second = code % 10;
        if (group >= 3 && group <= 6 && second >= 1 && second <= 4) {
            // The second label loses as many characters as "overall" has.
            return groups[std::size_t(group - 1)] + QStringLiteral(": ") +
                   groups[std::size_t(second - 1)].mid(overall.size());
        }
        return {};
    }
};

// The rows listed under a group row (1..6) that has stones: tasks under the
// two categories, handle sub-rows under the handle groups.
std::vector<int> childCodes(int group)
{
    switch (group) {
    case 1:
        return {10, 11, 12, 13, 14, 15};
    case 2:
        return {16, 17, 18, 19, 20, 21};
    case 3:
    case 4:
        return {group * 10 + 1, group * 10 + 2};
    default:
        return {group * 10 + 1, group * 10 + 2, group * 10 + 3, group * 10 + 4};
    }
}

class TreeBuilder
{
public:
    TreeBuilder(const CStatsData& stats, const Labels& labels, int view)
        : stats_(stats), labels_(labels), difference_(view >= 2),
          countsOnly_(stats.showsCountsOnly())
    {}

    // While only counts are shown this is the bare count, as the tallies give it.
    QString figure(int team, int slot, int code) const
    {
        return difference_ ? stats_.GetDifferenceText(team, slot, code, countsOnly_)
                           : stats_.GetPercentText(team, slot, code, countsOnly_);
    }

    ReportRow row(const QString& label, int width, int team, int slot, int code) const
    {
        ReportRow r;
        r.label = label;
        r.figure = figure(team, slot, code);
        r.text = label.leftJustified(width, QLatin1Char(' '), true) + r.figure;
        r.stones = stats_.GetCount(team, slot, code);
        r.team = team;
        r.slot = slot;
        r.code = code;
        return r;
    }

    ReportRow row(int width, int team, int slot, int code) const
    {
        return row(labels_.label(code), width, team, slot, code);
    }

    static ReportRow heading(const QString& label, int stones = -1, int team = -1, int slot = -1,
                             int code = -1)
    {
        ReportRow r;
        r.label = label;
        r.text = label + QString(kFigureWidth, QLatin1Char(' '));
        r.stones = stones;
        r.team = team;
        r.slot = slot;
        r.code = code;
        return r;
    }

    bool has(int team, int slot, int code) const { return stats_.GetCount(team, slot, code) > 0; }

    void addChildren(ReportRow& groupRow, int team, int slot) const
    {
        if (has(team, slot, groupRow.code)) {
            for (const int code : childCodes(groupRow.code))
                groupRow.children.push_back(row(kDetailWidth, team, slot, code));
        }
    }

    // The rows under the overall row or a player row of layout A.
    void addDetailsByTeam(ReportRow& parent, int team, int slot) const
    {
        for (int g = 1; g <= labels_.groupCount; ++g) {
            ReportRow group = row(kGroupWidth, team, slot, g);
            addChildren(group, team, slot);
            parent.children.push_back(std::move(group));
        }
        ReportRow ends = heading(labels_.endHeader, stats_.GetCount(team, slot, kEndHeader), team,
                                 slot, kEndHeader);
        for (const int code : {kFirstHalf, kSecondHalf}) {
            if (has(team, slot, code))
                ends.children.push_back(row(kHalfWidth, team, slot, code));
        }
        for (int code = kFirstEnd; code <= kLastEnd; ++code) {
            if (has(team, slot, code))
                ends.children.push_back(row(kDetailWidth, team, slot, code));
        }
        parent.children.push_back(std::move(ends));
        if (has(team, slot, kStoneOrder)) {
            ReportRow order = row(kGroupWidth, team, slot, kStoneOrder);
            order.children.push_back(row(kDetailWidth, team, slot, 81));
            order.children.push_back(row(kDetailWidth, team, slot, 82));
            parent.children.push_back(std::move(order));
        }
    }

    // The rows under a team or player row of layout B.
    void addDetailsByPosition(ReportRow& parent, int team, int slot) const
    {
        for (int g = 1; g <= labels_.groupCount; ++g) {
            ReportRow group = row(kGroupWidth, team, slot, g);
            if (g <= 2)
                addChildren(group, team, slot);
            parent.children.push_back(std::move(group));
        }
        ReportRow ends = heading(labels_.endHeader, stats_.GetCount(team, slot, kEndHeader), team,
                                 slot, kEndHeader);
        for (const int code : {kFirstHalf, kSecondHalf}) {
            if (has(team, slot, code))
                ends.children.push_back(row(kHalfWidth, team, slot, code));
        }
        parent.children.push_back(std::move(ends));
        ReportRow order = heading(labels_.stoneOrder, stats_.GetCount(team, slot, kStoneOrder),
                                  team, slot, kStoneOrder);
        for (const int code : {81, 82}) {
            if (has(team, slot, code))
                order.children.push_back(row(kHalfWidth, team, slot, code));
        }
        parent.children.push_back(std::move(order));
    }

private:
    const CStatsData& stats_;
    const Labels& labels_;
    bool difference_;
    bool countsOnly_; // the display rule, read once for the whole tree
};

std::vector<int> playerSlots(const ReportSubject& subject)
{
    if (subject.mixedDoubles)
        return {kPlayerOrder[0], kPlayerOrder[1]};
    return {kPlayerOrder.begin(), kPlayerOrder.end()};
}

QString playerWithLabel(const ReportSubject& subject, int team, int slot)
{
    return subject.playerNames[std::size_t(team)][std::size_t(slot)] +
           subject.playerLabels[std::size_t(team)][std::size_t(slot)];
}

const ReportRow* childWithCode(const ReportRow* parent, int code)
{
    if (!parent)
        return nullptr;
    const auto it = std::find_if(parent->children.begin(), parent->children.end(),
                                 [code](const ReportRow& r) { return r.code == code; });
    return it == parent->children.end() ? nullptr : &*it;
}

const ReportRow* childAt(const std::vector<ReportRow>& rows, std::size_t i)
{
    return i < rows.size() ? &rows[i] : nullptr;
}

// Writes the clipboard lines; in visible mode a row's lines below it need the
// row (and, through the walk, its ancestors) expanded.
class ExportWriter
{
public:
    ExportWriter(const CStatsData& stats, const Labels& labels, int view, bool visibleOnly)
        : stats_(stats), labels_(labels), tree_(stats, labels, view), visibleOnly_(visibleOnly)
    {}

    bool open(const ReportRow* row) const
    {
        return !visibleOnly_ || (row && row->expanded && !row->children.empty());
    }

    void heading(const QString& label)
    {
        text_ += label.left(kExportLabelWidth) + QLatin1Char('\n');
    }

    void line(int level, const QString& label, int team, int slot, int code)
    {
        static const QString kTabs[] = {QStringLiteral(""), QStringLiteral("\t"),
                                        QStringLiteral("\t\t")};
        static const QString kGaps[] = {QStringLiteral("\t\t\t"), QStringLiteral("\t\t\t\t"),
                                        QStringLiteral("\t\t\t\t\t")};
        const int width = level == 1 ? kExportNameWidth : kExportLabelWidth;
        text_ += kTabs[level - 1] + label.left(width) + kGaps[level - 1] +
                 stats_.GetCountText(team, slot, code) + QLatin1Char('\t') +
                 tree_.figure(team, slot, code) + QLatin1Char('\n');
    }

    void line(int level, int team, int slot, int code)
    {
        line(level, labels_.label(code), team, slot, code);
    }

    void emptyLine() { text_ += QLatin1Char('\n'); }

    void detailsByTeam(const ReportRow* parent, int team, int slot)
    {
        for (int g = 1; g <= labels_.groupCount; ++g) {
            line(2, team, slot, g);
            if (tree_.has(team, slot, g) && open(childWithCode(parent, g))) {
                for (const int code : childCodes(g))
                    line(3, team, slot, code);
            }
        }
        if (tree_.has(team, slot, kEndHeader) && open(childWithCode(parent, kEndHeader))) {
            for (const int code : {kFirstHalf, kSecondHalf})
                line(2, labels_.endHeader + QStringLiteral(": ") + labels_.label(code), team, slot,
                     code);
            for (int code = kFirstEnd; code <= kLastEnd; ++code) {
                if (tree_.has(team, slot, code))
                    line(3, team, slot, code);
            }
        }
        if (tree_.has(team, slot, kStoneOrder)) {
            line(2, team, slot, kStoneOrder);
            if (open(childWithCode(parent, kStoneOrder))) {
                line(3, team, slot, 81);
                line(3, team, slot, 82);
            }
        }
    }

    void detailsByPosition(const ReportRow* parent, int team, int slot)
    {
        for (int g = 1; g <= labels_.groupCount; ++g)
            line(2, team, slot, g);
        for (int g = 1; g <= 2; ++g) {
            if (open(childWithCode(parent, g))) {
                for (const int code : childCodes(g))
                    line(3, team, slot, code);
            }
        }
    }

    QString text_;

private:
    const CStatsData& stats_;
    const Labels& labels_;
    TreeBuilder tree_;
    bool visibleOnly_;
};

} // namespace

ReportSubject ReportSubject::ofGame(const CGame& game)
{
    ReportSubject s;
    for (int t = 0; t < 2; ++t) {
        s.teamNames[std::size_t(t)] = game.GetTeamName(t);
        for (int p = 0; p < CTeam::PlayerCount; ++p) {
            s.playerNames[std::size_t(t)][std::size_t(p)] = game.GetPlayerName(t, p);
            s.playerLabels[std::size_t(t)][std::size_t(p)] = game.GetPlayerLabel(p, t);
        }
    }
    s.mixedDoubles = game.isMixedDoubles();
    return s;
}

ReportSubject ReportSubject::ofTournament(const CGame& game, const QString& documentTitle)
{
    ReportSubject s = ofGame(game);
    for (auto& labels : s.playerLabels)
        labels.fill(QString());
    s.tournament = true;
    s.documentTitle = documentTitle;
    return s;
}

CStatsReport::CStatsReport(const CStatsData& stats, ReportSubject subject)
    : stats_(stats), subject_(std::move(subject))
{
    rebuild();
}

void CStatsReport::setView(int view)
{
    if (view < 0 || view >= ViewCount)
        return;
    view_ = view;
    offersExpandAll_ = true;
    rebuild();
}

void CStatsReport::changeView()
{
    int next = (view_ + 1) % ViewCount;
    // The differences would show counts of counts: only the two plain views.
    if (next >= 2 && stats_.showsCountsOnly())
        next = 0;
    setView(next);
}

// "The game" of the display rule is the one the figures follow: the tallies' active game.
QString CStatsReport::title() const
{
    QString title = Texts::get(stats_.showsCountsOnly() ? kTitleCountsId : kTitlePercentId);
    if (view_ >= 2)
        title += QStringLiteral(": ") + Texts::get(kDifferenceId);
    if (subject_.tournament)
        title = subject_.documentTitle + QStringLiteral(": ") + title;
    return title;
}

void CStatsReport::rebuild()
{
    const Labels labels(stats_);
    const TreeBuilder tree(stats_, labels, view_);
    const std::vector<int> slots = playerSlots(subject_);
    rows_.clear();
    if (!byPosition()) {
        for (int t = 0; t < 2; ++t) {
            ReportRow root = TreeBuilder::heading(subject_.teamNames[std::size_t(t)]);
            ReportRow overall = tree.row(kTeamWidth, t, kTotal, 0);
            if (stats_.GetTeamPercent(t) >= 0)
                tree.addDetailsByTeam(overall, t, kTotal);
            root.children.push_back(std::move(overall));
            for (const int slot : slots) {
                ReportRow player =
                    tree.row(playerWithLabel(subject_, t, slot), kPlayerWidth, t, slot, 0);
                if (tree.has(t, slot, 0))
                    tree.addDetailsByTeam(player, t, slot);
                root.children.push_back(std::move(player));
            }
            root.expanded = true;
            rows_.push_back(std::move(root));
        }
        return;
    }
    ReportRow root = TreeBuilder::heading(labels.overall + QLatin1Char(':'));
    for (int t = 0; t < 2; ++t) {
        ReportRow team = tree.row(subject_.teamNames[std::size_t(t)], kTeamWidth, t, kTotal, 0);
        tree.addDetailsByPosition(team, t, kTotal);
        root.children.push_back(std::move(team));
    }
    root.expanded = true;
    rows_.push_back(std::move(root));
    if (subject_.mixedDoubles)
        return;
    for (std::size_t k = 0; k < kPlayerOrder.size(); ++k) {
        const int slot = kPlayerOrder[k];
        ReportRow position = TreeBuilder::heading(QLatin1String(kPositionNames[k]));
        for (int t = 0; t < 2; ++t) {
            ReportRow player = tree.row(subject_.playerNames[std::size_t(t)][std::size_t(slot)],
                                        kPlayerWidth, t, slot, 0);
            if (tree.has(t, slot, 0))
                tree.addDetailsByPosition(player, t, slot);
            position.children.push_back(std::move(player));
        }
        position.expanded = true;
        rows_.push_back(std::move(position));
    }
}

namespace {

void setExpandedEverywhere(std::vector<ReportRow>& rows, bool expanded)
{
    for (ReportRow& row : rows) {
        row.expanded = expanded && !row.children.empty();
        setExpandedEverywhere(row.children, expanded);
    }
}

} // namespace

void CStatsReport::expandAll()
{
    setExpandedEverywhere(rows_, true);
    offersExpandAll_ = false;
}

void CStatsReport::collapseAll()
{
    setExpandedEverywhere(rows_, false);
    offersExpandAll_ = true;
}

QString CStatsReport::exportText(bool visibleOnly) const
{
    const Labels labels(stats_);
    ExportWriter out(stats_, labels, view_, visibleOnly);
    out.text_ = title() + QStringLiteral("\n\n");
    const std::vector<int> slots = playerSlots(subject_);
    if (!byPosition()) {
        for (int t = 0; t < 2; ++t) {
            const ReportRow* root = childAt(rows_, std::size_t(t));
            if (!out.open(root))
                continue;
            out.line(1, subject_.teamNames[std::size_t(t)], t, kTotal, 0);
            const ReportRow* overall = root ? childAt(root->children, 0) : nullptr;
            if (out.open(overall))
                out.detailsByTeam(overall, t, kTotal);
            for (std::size_t k = 0; k < slots.size(); ++k) {
                const int slot = slots[k];
                const ReportRow* player = root ? childAt(root->children, k + 1) : nullptr;
                out.line(1, playerWithLabel(subject_, t, slot), t, slot, 0);
                if (out.open(player))
                    out.detailsByTeam(player, t, slot);
            }
            out.emptyLine();
        }
        return out.text_;
    }
    const ReportRow* root = childAt(rows_, 0);
    if (out.open(root)) {
        out.heading(labels.overall + QLatin1Char(':'));
        for (int t = 0; t < 2; ++t) {
            const ReportRow* team = root ? childAt(root->children, std::size_t(t)) : nullptr;
            out.line(1, subject_.teamNames[std::size_t(t)], t, kTotal, 0);
            if (out.open(team))
                out.detailsByPosition(team, t, kTotal);
        }
        out.emptyLine();
    }
    if (subject_.mixedDoubles)
        return out.text_;
    for (std::size_t k = 0; k < kPlayerOrder.size(); ++k) {
        const int slot = kPlayerOrder[k];
        const ReportRow* position = childAt(rows_, k + 1);
        if (!out.open(position))
            continue;
        out.heading(QLatin1String(kPositionNames[k]));
        for (int t = 0; t < 2; ++t) {
            const ReportRow* player =
                position ? childAt(position->children, std::size_t(t)) : nullptr;
            out.line(1, subject_.playerNames[std::size_t(t)][std::size_t(slot)], t, slot, 0);
            if (out.open(player))
                out.detailsByPosition(player, t, slot);
        }
        out.emptyLine();
    }
    return out.text_;
}

QString CStatsReport::toolTip(const ReportRow& row)
{
    if (row.stones < 0)
        return {};
    return QStringLiteral("Number of considered stones: %1").arg(row.stones).left(80);
}
