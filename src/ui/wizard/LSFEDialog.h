#pragma once

#include "core/entry/SetupWizard.h"

#include <QWizardPage>

#include <optional>

class CTALVStatsDoc;
class QRadioButton;

// The last-stone-in-the-first-end page: which team has the hammer in end 1.
class CLSFEDialog : public QWizardPage
{
    Q_OBJECT

public:
    explicit CLSFEDialog(CTALVStatsDoc& doc, QWidget* parent = nullptr);

    void load();
    bool confirm();

    void initializePage() override { load(); }
    bool validatePage() override { return confirm(); }

    QRadioButton* teamChoice(int teamSlot) const { return teamSlot == 0 ? team1_ : team2_; }

private:
    CTALVStatsDoc& doc_;
    std::optional<LastStoneChoice> model_;
    QRadioButton* team1_;
    QRadioButton* team2_;
};
