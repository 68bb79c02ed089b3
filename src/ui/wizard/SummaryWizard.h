#pragma once

#include "WizardPropertySheet.h"

#include "core/entry/Summary.h"

#include <QWizardPage>

#include <array>

class CTALVStatsDoc;
class QPlainTextEdit;

// One summary text page: a multi-line text.
class CWizardEndMainDialog : public QWizardPage
{
    Q_OBJECT

public:
    CWizardEndMainDialog(int number, const QString& text, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QString text() const;

private:
    QPlainTextEdit* editor_;
};

// The summary of a finished game: three free texts between a start and a
// finish page. Finish copies them into the game; Cancel leaves it alone.
class CSummaryWizard : public CWizardPropertySheet
{
    Q_OBJECT

public:
    explicit CSummaryWizard(CTALVStatsDoc& doc, QWidget* parent = nullptr);

    CWizardEndMainDialog* textPage(int number) const { return pages_[std::size_t(number - 1)]; }

    void accept() override;

private:
    CTALVStatsDoc& doc_;
    std::array<CWizardEndMainDialog*, SummaryTexts::PageCount> pages_{};
};
