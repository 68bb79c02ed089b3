#pragma once

#include "SetupPage.h"

// Who records the game: the first and the second statistician, picked from
// the registry's statisticians or typed.
class CStatisticianDialog : public CSetupPage
{
    Q_OBJECT

public:
    CStatisticianDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts,
                        QWidget* parent = nullptr);

    void load() override;
    bool confirm() override;

    CRegistryListBox* statistician(int index) const { return boxes_[index]; }

private:
    bool usesRegistry() const;
    void addStatistician(int box);
    void editStatistician(int row);
    void deleteStatistician(int row);
    QStringList registryNames() const;

    CRegistryListBox* boxes_[2];
};
