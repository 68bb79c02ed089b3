#pragma once

#include "SetupPage.h"

class QPushButton;
class QRadioButton;

// The competition category of the game: none (-1), My Team (-2) or a category
// of the registry (its position); with Import, Export and Reset to defaults.
class CCategoryDialog : public CSetupPage
{
    Q_OBJECT

public:
    static constexpr qint16 NoCompetition = -1;
    static constexpr qint16 MyTeamMode = -2;

    CCategoryDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts,
                    QWidget* parent = nullptr);

    void load() override;
    bool confirm() override;

    // The identifier the choices stand for.
    qint16 chosenId() const;
    CRegistryListBox* categories() const { return categories_; }
    QRadioButton* noneChoice() const { return none_; }
    QRadioButton* myTeamChoice() const { return myTeam_; }
    QRadioButton* categoryChoice() const { return category_; }
    QString myTeamLine() const;
    // Reset to defaults after questions 5088 and 5148.
    void resetToDefaults();

private:
    void fillCategories();
    void refreshMyTeam();
    void addCategory();
    void editCategory(int row);
    void deleteCategory(int row);
    void updateEnabling();

    QRadioButton* none_;
    QRadioButton* myTeam_;
    QRadioButton* category_;
    QPushButton* editMyTeam_;
    CRegistryListBox* categories_;
    QPushButton* import_;
    QPushButton* export_;
    QPushButton* reset_;
};
