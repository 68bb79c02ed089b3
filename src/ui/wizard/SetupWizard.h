#pragma once

#include "WizardPropertySheet.h"

class CConfig;
class CTALVStatsDoc;
class Prompts;

// The set-up wizard of a game: the whole sequence (page 0) or one page alone
// (1..7; page 4 holds the player pages of both teams).
class CSetupWizard : public CWizardPropertySheet
{
    Q_OBJECT

public:
    CSetupWizard(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, int page,
                 QWidget* parent = nullptr);

private:
    void addSetupPage(int number, CTALVStatsDoc& doc, CConfig& config, Prompts& prompts);
};
