#pragma once

#include <QWizard>

// The common base of the wizards: a modal property sheet on the application's
// background colour, with Back / Next / Finish.
class CWizardPropertySheet : public QWizard
{
    Q_OBJECT

public:
    explicit CWizardPropertySheet(QWidget* parent = nullptr);

    // Paints a sheet (also a tabbed one) with the application's background colour.
    static void useApplicationBackground(QWidget& sheet);
    // A sheet of one page: OK and Cancel instead of the wizard's buttons.
    void showAsSinglePage();
};
