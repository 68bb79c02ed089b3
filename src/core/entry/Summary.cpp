#include "Summary.h"

#include "SetupWizard.h"

#include "core/base/Texts.h"
#include "core/files/Document.h"

namespace {

constexpr int kPageNumberId = 5118;
constexpr int kMiddleTitleId = 5038; // 5038, 5039, 5040
constexpr int kOuterTitleId = 5035;  // 5035, 5036, 5037

} // namespace

SummaryTexts::SummaryTexts(const CGame& game)
    : texts_{game.SummaryText1, game.SummaryText2, game.SummaryText3}
{}

QString SummaryTexts::pageTitle(int page)
{
    const QString inner = Texts::get(kPageNumberId).arg(QString::number(page));
    const QString middle = Texts::get(kMiddleTitleId + page - 1).arg(inner);
    return Texts::get(kOuterTitleId + page - 1).arg(middle);
}

void SummaryTexts::store(CGame& game) const
{
    game.SummaryText1 = texts_[0];
    game.SummaryText2 = texts_[1];
    game.SummaryText3 = texts_[2];
}

namespace SummaryWizard {

bool run(CTALVStatsDoc& doc, Prompts& prompts, WizardDialogs& dialogs)
{
    if (!dialogs.runSummaryWizard())
        return false;
    doc.SetModifiedFlag();
    Q_EMIT doc.viewsToRefresh();
    doc.DoAutoSave(prompts);
    return true;
}

} // namespace SummaryWizard
