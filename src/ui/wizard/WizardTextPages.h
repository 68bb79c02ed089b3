#pragma once

#include <QWizardPage>

// The first page of a wizard: its title and what the wizard is for.
class CWizardStartDialog : public QWizardPage
{
    Q_OBJECT

public:
    CWizardStartDialog(const QString& title, const QString& subTitle, const QString& text,
                       QWidget* parent = nullptr);
};

// The last page of a wizard: what Finish does.
class CWizardFinishDialog : public QWizardPage
{
    Q_OBJECT

public:
    CWizardFinishDialog(const QString& title, const QString& subTitle, const QString& text,
                        QWidget* parent = nullptr);
};
