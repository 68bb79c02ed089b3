#pragma once

#include "SetupPage.h"

class QCheckBox;
class QLineEdit;
struct CConfigEvent;

// The two teams of the game: from the teams of the game's registry event, or
// typed with their codes. In My Team mode My Team may take the second place.
class CTeamDialog : public CSetupPage
{
    Q_OBJECT

public:
    CTeamDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, QWidget* parent = nullptr);

    void load() override;
    bool confirm() override;

    CRegistryListBox* teamBox(int team) const { return names_[team]; }
    QLineEdit* codeBox(int team) const { return codes_[team]; }
    QCheckBox* myTeamSecondBox() const { return myTeamSecond_; }

private:
    // The game's registry event, or null.
    CConfigEvent* event();
    void proposeCode(int team);
    void addTeam(int team);
    void editTeam(int row);
    void deleteTeam(int row);
    void chooseRow(int team, int row);
    void refillTeams();

    CRegistryListBox* names_[2];
    QLineEdit* codes_[2];
    QCheckBox* myTeamSecond_;
};
