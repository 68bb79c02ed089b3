#pragma once

#include "Config.h"

#include "core/base/Prompts.h"
#include "core/base/SettingsKeys.h"
#include "core/base/Texts.h"

#include <QString>

#include <algorithm>
#include <limits>
#include <vector>

// The rules of editing the registry that do not depend on how the lists are
// shown: identifiers of new records, the team edit, the browsers' OK and
// Cancel, and the remembered remark and comment types.
namespace ConfigEditing {

// Statisticians, categories, events, sessions and sheets added on the set-up
// pages: the new entry's position counted from 1 once it is added.
inline qint32 positionId(std::size_t entriesBeforeAdding)
{
    return qint32(std::min<std::size_t>(entriesBeforeAdding + 1,
                                        std::size_t(std::numeric_limits<qint32>::max())));
}

// Teams and players on the set-up pages and everything added in a browser: the
// largest identifier in the list + 1, 1 in an empty list. When the largest
// identifier cannot grow any more, the smallest positive one not in use.
template <typename Record> qint32 nextLargestId(const std::vector<Record>& list)
{
    qint32 largest = 0;
    for (const Record& record : list)
        largest = std::max(largest, record.id);
    if (largest < std::numeric_limits<qint32>::max())
        return largest + 1;
    for (qint32 id = 1;; ++id) {
        if (std::none_of(list.begin(), list.end(),
                         [id](const Record& record) { return record.id == id; }))
            return id;
    }
}

// Edit of a team (team page, teams browser, Edit My Team): an empty name
// becomes the numbered team text of entriesInList, an empty code the proposal
// for the name, the code is upper-cased, and every occurrence of the team's
// name inside a player's name is replaced by its code (players still named
// after an earlier code keep their names).
void editTeam(CConfigTeam& team, const QString& name, const QString& code, const QString& note,
              int entriesInList);

// A browser's OK and Cancel. It keeps the record it edits as it was when the
// browser opened: the events browser its category, the teams browser its
// event, the players browser its team.
template <typename Record> class BrowserCommit
{
public:
    enum class Level
    {
        Events,
        Teams,
        Players
    };
    static constexpr int RestoreQuestionId = 5135;

    BrowserCommit(Level level, const Record& opened) : level_(level), opened_(opened) {}

    const Record& opened() const { return opened_; }
    // A browser opened from this one was closed with OK.
    void childAccepted() { childAccepted_ = true; }
    bool hasAcceptedChild() const { return childAccepted_; }

    // OK: the registry is written; the browser closes.
    bool accept(const CConfig& config) const { return config.Save(); }

    // Cancel; true when the browser closes. The players browser puts its team
    // back and saves. The others close at once, their changes staying in
    // memory, unless a browser opened from them was confirmed: then the user
    // is asked whether to put their record back (and save) or stay open.
    bool cancel(CConfig& config, Record& edited, Prompts& prompts) const
    {
        if (level_ != Level::Players) {
            if (!childAccepted_)
                return true;
            if (!prompts.askOkCancel(Texts::get(RestoreQuestionId), Prompts::Icon::Warning, true))
                return false;
        }
        edited = opened_;
        config.Save();
        return true;
    }

private:
    Level level_;
    Record opened_;
    bool childAccepted_ = false;
};

// Adds a remark or comment text to the remembered types (Types "Remark%d" or
// "Comment%d"): the first empty slot takes it, unless a slot before it holds
// the text already; with every slot used the last one is replaced. The slot
// written, or -1 when the text was there already (nothing to add to a list).
int addTypeText(const NumberedKey& key, const QString& text);

} // namespace ConfigEditing
