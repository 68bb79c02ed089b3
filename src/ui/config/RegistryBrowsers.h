#pragma once

#include "core/config/ConfigEditing.h"

#include <QDialog>

class CRegistryListBox;
class Prompts;

// The browser dialogs of the registry: categories, the events of a category,
// the teams of an event, the players of a team. Each shows its list with the
// list commands; opening a row goes one level down. A browser changes the
// registry in memory as its commands run; OK saves, Cancel follows the commit
// rule of ConfigEditing::BrowserCommit.
class CRegistryBrowser : public QDialog
{
    Q_OBJECT

public:
    CRegistryListBox* listBox() const { return list_; }

protected:
    CRegistryBrowser(const QString& title, CConfig& config, Prompts& prompts, QWidget* parent);

    // Fills the list from the registry.
    virtual void refill() = 0;
    virtual void addRecord() = 0;
    virtual void editRecord(int row) = 0;
    virtual void deleteRecord(int row) = 0;
    virtual void openRecord(int row) = 0;
    // Connects the list's commands; called by the derived constructors.
    void start();

    CConfig& config_;
    Prompts& prompts_;
    CRegistryListBox* list_;
};

// Choose one category (Delete category); opening one shows its events.
class CCategoriesBrowser : public CRegistryBrowser
{
    Q_OBJECT

public:
    CCategoriesBrowser(CConfig& config, Prompts& prompts, QWidget* parent = nullptr);
    // The category chosen when the browser was closed with OK; -1 for none.
    int chosenCategory() const { return chosen_; }
    void accept() override;

protected:
    void refill() override;
    void addRecord() override;
    void editRecord(int row) override;
    void deleteRecord(int row) override;
    void openRecord(int row) override;

private:
    int chosen_ = -1;
};

class CEventsBrowser : public CRegistryBrowser
{
    Q_OBJECT

public:
    CEventsBrowser(CConfig& config, int category, Prompts& prompts, QWidget* parent = nullptr);
    void accept() override;
    void reject() override;

protected:
    void refill() override;
    void addRecord() override;
    void editRecord(int row) override;
    void deleteRecord(int row) override;
    void openRecord(int row) override;

private:
    CConfigCategory& category() { return config_.categories[std::size_t(category_)]; }

    int category_;
    ConfigEditing::BrowserCommit<CConfigCategory> commit_;
};

class CTeamsBrowser : public CRegistryBrowser
{
    Q_OBJECT

public:
    CTeamsBrowser(CConfig& config, int category, int event, Prompts& prompts,
                  QWidget* parent = nullptr);
    void accept() override;
    void reject() override;

protected:
    void refill() override;
    void addRecord() override;
    void editRecord(int row) override;
    void deleteRecord(int row) override;
    void openRecord(int row) override;

private:
    CConfigEvent& event()
    {
        return config_.categories[std::size_t(category_)].events[std::size_t(event_)];
    }

    int category_, event_;
    ConfigEditing::BrowserCommit<CConfigEvent> commit_;
};

class CPlayersBrowser : public CRegistryBrowser
{
    Q_OBJECT

public:
    CPlayersBrowser(CConfig& config, int category, int event, int team, Prompts& prompts,
                    QWidget* parent = nullptr);
    void accept() override;
    void reject() override;

    // A player row: name, tab, number, tab, and "Skip" for the skip.
    static QString rowText(const CConfigPlayer& player);

protected:
    void refill() override;
    void addRecord() override;
    void editRecord(int row) override;
    void deleteRecord(int row) override;
    void openRecord(int row) override;

private:
    CConfigTeam& team()
    {
        return config_.categories[std::size_t(category_)]
            .events[std::size_t(event_)]
            .teams[std::size_t(team_)];
    }

    int category_, event_, team_;
    ConfigEditing::BrowserCommit<CConfigTeam> commit_;
};

namespace RegistryBrowsers {

// The OK result of a browser run modally over parent.
bool run(QDialog& browser);

// Edit My Team: its name, code and note, then its players; stored and saved.
// False when there is no My Team or the team dialog was cancelled.
bool editMyTeam(CConfig& config, Prompts& prompts, QWidget* parent);

} // namespace RegistryBrowsers
