#pragma once

#include <QString>
#include <QStringList>

#include <array>

class CGame;
class CTALVStatsDoc;
class Prompts;
class WizardDialogs;

// One team's line-up page without its widgets: the players in the slots lead,
// second, third, fourth and alternate, the skip among the first four and the
// team of three. Every player stands in exactly one slot.
class LineupModel
{
public:
    static constexpr int SlotCount = 5;
    static constexpr int RegularSlots = 4;

    // The line-up the team plays in the current end.
    LineupModel(const CTALVStatsDoc& doc, int teamSlot);

    int teamSlot() const { return team_; }
    // The names of the team's five players, by player index.
    const QStringList& names() const { return names_; }
    // The player index in a slot.
    int player(int slot) const { return slots_[std::size_t(slot)]; }
    // Puts a player into a slot; the slot that held it takes the slot's player.
    void choose(int slot, int player);
    int skipSlot() const { return skip_; }
    void setSkipSlot(int slot);
    // A team of three: the second (slot 1) does not deliver.
    bool threePlayers() const { return threePlayers_; }
    void setThreePlayers(bool three) { threePlayers_ = three; }
    void rename(int player, const QString& name);

    // Writes names, roles and order into the team's players and gives the
    // stones from the current one on, and every later end, to the line-up.
    void apply(CTALVStatsDoc& doc) const;

    // The tab of a team: its name, or 5015 with its number when empty.
    static QString tabTitle(const CGame& game, int teamSlot);

private:
    int team_;
    QStringList names_;
    std::array<int, SlotCount> slots_{};
    int skip_ = 3;
    bool threePlayers_ = false;
};

namespace LineupWizard {

// Commands 32094 (`ask`: question 5108 first while the database link is on) and
// 32095: the wizard opens at the delivering team; OK modifies and refreshes
// the document. True after OK.
bool run(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs, bool ask);

} // namespace LineupWizard
