#pragma once

#include <QString>

#include <array>

class CGame;
class CTALVStatsDoc;
class Prompts;
class WizardDialogs;

// The three free texts of the summary wizard, edited as a copy of the game's
// texts: only store() puts them back.
class SummaryTexts
{
public:
    static constexpr int PageCount = 3;

    explicit SummaryTexts(const CGame& game);

    // The title of text page 1..3: 5118 with the number, that in 5038..5040,
    // that in 5035..5037.
    static QString pageTitle(int page);

    const QString& text(int page) const { return texts_[std::size_t(page - 1)]; }
    void setText(int page, const QString& text) { texts_[std::size_t(page - 1)] = text; }
    void store(CGame& game) const;

private:
    std::array<QString, PageCount> texts_;
};

namespace SummaryWizard {

// Command 32059 and the end of a game: after Finish the document is modified,
// refreshed and saved by the automatic-save rule. True after Finish.
bool run(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs);

} // namespace SummaryWizard
