#include "SummaryWizard.h"

#include "WizardTextPages.h"

#include "core/files/Document.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

CWizardEndMainDialog::CWizardEndMainDialog(int number, const QString& text, QWidget* parent)
    : QWizardPage(parent), editor_(new QPlainTextEdit(text, this))
{
    setTitle(SummaryTexts::pageTitle(number));
    setSubTitle(tr("A free text that stays with the game."));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(editor_);
}

QString CWizardEndMainDialog::text() const
{
    return editor_->toPlainText();
}

CSummaryWizard::CSummaryWizard(CTALVStatsDoc& doc, QWidget* parent)
    : CWizardPropertySheet(parent), doc_(doc)
{
    setWindowTitle(tr("Game summary"));
    addPage(new CWizardStartDialog(
        tr("Summary of the game"), tr("What mattered in this game."),
        tr("Each of the next three pages holds one free text. Finish keeps them with the game; "
           "Cancel leaves the game as it was."),
        this));
    const SummaryTexts texts(doc.game());
    for (int number = 1; number <= SummaryTexts::PageCount; ++number) {
        pages_[std::size_t(number - 1)] =
            new CWizardEndMainDialog(number, texts.text(number), this);
        addPage(pages_[std::size_t(number - 1)]);
    }
    addPage(new CWizardFinishDialog(tr("Summary complete"), tr("All three texts are written."),
                                    tr("Press Finish to keep the three texts with the game."),
                                    this));
}

void CSummaryWizard::accept()
{
    SummaryTexts texts(doc_.game());
    for (int number = 1; number <= SummaryTexts::PageCount; ++number)
        texts.setText(number, textPage(number)->text());
    texts.store(doc_.game());
    CWizardPropertySheet::accept();
}
