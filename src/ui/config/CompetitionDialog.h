#pragma once

#include "SetupPage.h"

#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QSlider;
class QTimeEdit;
struct CConfigBase;
struct CConfigCategory;

// The competition of the game: event, session, sheet, city, number of ends,
// date and start time, the last-stone switch and, for mixed doubles, where
// the positioned stone A stands.
class CCompetitionDialog : public CSetupPage
{
    Q_OBJECT

public:
    CCompetitionDialog(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts,
                       QWidget* parent = nullptr);

    void load() override;
    bool confirm() override;

    CRegistryListBox* eventBox() const { return event_; }
    CRegistryListBox* sessionBox() const { return session_; }
    CRegistryListBox* sheetBox() const { return sheet_; }
    QLineEdit* cityBox() const { return city_; }
    QComboBox* endsBox() const { return ends_; }
    QDateEdit* dateBox() const { return date_; }
    QTimeEdit* timeBox() const { return time_; }
    QCheckBox* switchLastStoneBox() const { return switchLastStone_; }
    QSlider* stoneASlider() const { return stoneA_; }

    // Slider position of a MixedDoubles_StoneA value, and the value of one.
    static int sliderOfStoneA(int stoneA);
    static int stoneAOfSlider(int position);

private:
    // The chosen registry category, or null when the game has none.
    CConfigCategory* category();
    void connectFlatList(CRegistryListBox* box, std::vector<CConfigBase>& list,
                         const QString& what);
    void connectEvents();

    CRegistryListBox* event_;
    CRegistryListBox* session_;
    CRegistryListBox* sheet_;
    QLineEdit* city_;
    QComboBox* ends_;
    QDateEdit* date_;
    QTimeEdit* time_;
    QCheckBox* switchLastStone_;
    QLabel* stoneALabel_;
    QSlider* stoneA_;
    QLabel* stoneAValue_;
};
