#include "WizardTextPages.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

void fill(QWizardPage& page, const QString& title, const QString& subTitle, const QString& text)
{
    page.setTitle(title);
    page.setSubTitle(subTitle);
    auto* label = new QLabel(text, &page);
    label->setWordWrap(true);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(label);
    layout->addStretch();
}

} // namespace

CWizardStartDialog::CWizardStartDialog(const QString& title, const QString& subTitle,
                                       const QString& text, QWidget* parent)
    : QWizardPage(parent)
{
    fill(*this, title, subTitle, text);
}

CWizardFinishDialog::CWizardFinishDialog(const QString& title, const QString& subTitle,
                                         const QString& text, QWidget* parent)
    : QWizardPage(parent)
{
    fill(*this, title, subTitle, text);
    setFinalPage(true);
}
