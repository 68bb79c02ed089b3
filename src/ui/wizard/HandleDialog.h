#pragma once

#include "core/entry/SetupWizard.h"

#include <QWizardPage>

#include <optional>

class CTALVStatsDoc;
class QRadioButton;

// The stone-colours page: which of the two handle colours team 1 plays.
class CHandleDialog : public QWizardPage
{
    Q_OBJECT

public:
    explicit CHandleDialog(CTALVStatsDoc& doc, QWidget* parent = nullptr);

    void load();
    bool confirm();

    void initializePage() override { load(); }
    bool validatePage() override { return confirm(); }

    // Choice 1 (the game's first colour) and choice 0.
    QRadioButton* colourChoice(int choice) const { return choice != 0 ? first_ : second_; }

private:
    CTALVStatsDoc& doc_;
    std::optional<HandleColourChoice> model_;
    QRadioButton* first_;
    QRadioButton* second_;
};
