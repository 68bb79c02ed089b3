#include "WizardPropertySheet.h"

#include "ui/app/AppColours.h"

CWizardPropertySheet::CWizardPropertySheet(QWidget* parent) : QWizard(parent)
{
    // The classic layout keeps the page on the sheet's own background.
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::NoBackButtonOnStartPage);
    useApplicationBackground(*this);
    setMinimumSize(780, 440); // room for the registry lists and their four buttons
}

void CWizardPropertySheet::useApplicationBackground(QWidget& sheet)
{
    QPalette palette = sheet.palette();
    palette.setColor(QPalette::Window, AppColours::formBackground());
    sheet.setPalette(palette);
    sheet.setAutoFillBackground(true);
}

void CWizardPropertySheet::showAsSinglePage()
{
    setButtonText(QWizard::FinishButton, tr("OK"));
    setButtonLayout({QWizard::Stretch, QWizard::FinishButton, QWizard::CancelButton});
}
