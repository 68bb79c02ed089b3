#pragma once

#include <QStringList>
#include <QWizardPage>

class CConfig;
class CTALVStatsDoc;
class CRegistryListBox;
class Prompts;
struct NumberedKey;

// A set-up page of the game: filled from the document when shown (load), and
// written back by its confirm step when Next or Finish is pressed.
class CSetupPage : public QWizardPage
{
    Q_OBJECT

public:
    // Fills the page from the document.
    virtual void load() = 0;
    // Writes the page into the document and the remembered values; false keeps
    // the page open.
    virtual bool confirm() = 0;

    void initializePage() override { load(); }
    bool validatePage() override { return confirm(); }

protected:
    CSetupPage(CTALVStatsDoc& doc, CConfig& config, Prompts& prompts, QWidget* parent);

    CTALVStatsDoc& doc_;
    CConfig& config_;
    Prompts& prompts_;
};

namespace SetupNames {

// The remembered names of a numbered Setup key; empty values are skipped, a
// missing key gives defaultOf(number) when that is given.
QStringList remembered(const NumberedKey& key, QString (*defaultOf)(int number) = nullptr);
QStringList statisticians();
QStringList competitions();
QStringList events();
QStringList sessions();
QStringList sheets();

// Position of text in the list, or -1.
qint16 idOf(const QStringList& names, const QString& text);

} // namespace SetupNames

struct CConfigTeam;
struct CTeam;

// A registry team as a game team: identifier, name, code and the first five
// players with the skip's role.
void copyTeamIntoGame(const CConfigTeam& from, CTeam& to);
