#pragma once

#include <QDialog>

#include <array>

class CLineupDialog;
class CTALVStatsDoc;
class QTabWidget;

// The line-up sheet: one tab per team, titled with the team's name, opened at
// the delivering team. OK writes both line-ups into the document.
class CLineupWizard : public QDialog
{
    Q_OBJECT

public:
    CLineupWizard(CTALVStatsDoc& doc, int team, QWidget* parent = nullptr);

    CLineupDialog* page(int team) const { return pages_[std::size_t(team)]; }
    QTabWidget* tabs() const { return tabs_; }

    void accept() override;

private:
    CTALVStatsDoc& doc_;
    QTabWidget* tabs_;
    std::array<CLineupDialog*, 2> pages_{};
};
