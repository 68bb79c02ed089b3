#pragma once

#include "SetupPage.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
struct CConfigTeam;

// The five players of one game team (0 or 1), typed or picked from the players
// of the team's registry entry, with the skip among the four regular players.
// A mixed-doubles game shows only the rows of the players it uses.
class CPlayerDialog : public CSetupPage
{
    Q_OBJECT

public:
    static constexpr int Rows = 5;

    CPlayerDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, int team,
                  QWidget* parent = nullptr);

    void load() override;
    bool confirm() override;

    QComboBox* playerBox(int row) const { return names_[std::size_t(row)]; }
    // Null for the alternate, who cannot be the skip.
    QRadioButton* skipBox(int row) const { return row < 4 ? skips_[std::size_t(row)] : nullptr; }
    bool rowShown(int row) const;
    // The players of the team's registry entry with the list commands; shown
    // only when the team has one.
    CRegistryListBox* registryPlayers() const { return registryPlayers_; }

private:
    // The game team's registry entry, or null.
    CConfigTeam* registryTeam() const;
    void offerRegistryPlayers();
    void addPlayer();
    void editPlayer(int row);
    void deletePlayer(int row);

    int team_;
    std::array<QLabel*, Rows> labels_{};
    std::array<QComboBox*, Rows> names_{};
    std::array<QRadioButton*, 4> skips_{};
    QButtonGroup* skipGroup_;
    CRegistryListBox* registryPlayers_;
};
