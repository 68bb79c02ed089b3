#pragma once

#include "core/entry/Lineup.h"

#include <QWidget>

#include <array>

class CTALVStatsDoc;
class QCheckBox;
class QComboBox;
class QRadioButton;

// The line-up page of one team: a list per slot (lead, second, third, fourth,
// alternate), the skip among the first four, the team of three. The context
// menu of a list renames the player under the mouse (command 32015).
class CLineupDialog : public QWidget
{
    Q_OBJECT

public:
    static constexpr int RenameCommand = 32015;

    CLineupDialog(const CTALVStatsDoc& doc, int teamSlot, QWidget* parent = nullptr);

    const LineupModel& model() const { return model_; }
    QComboBox* slotList(int slot) const { return lists_[std::size_t(slot)]; }
    QRadioButton* skipChoice(int slot) const { return skips_[std::size_t(slot)]; }
    QCheckBox* threePlayers() const { return three_; }

    // The rename of the context menu: the player shown in `slot` gets the name.
    void renamePlayerIn(int slot, const QString& name);
    // Writes the line-up into the document (the sheet's OK).
    void apply(CTALVStatsDoc& doc) const { model_.apply(doc); }

private:
    void showModel();
    void chosen(int slot, int player);
    void askRename(int slot);

    LineupModel model_;
    std::array<QComboBox*, LineupModel::SlotCount> lists_{};
    std::array<QRadioButton*, LineupModel::RegularSlots> skips_{};
    QCheckBox* three_;
};
