#pragma once

#include <QString>

#include <array>

class CGame;

// The late-team dialog without its widgets: which of the two teams was late.
class LateTeamDialogModel
{
public:
    static constexpr int NoChoice = -1;

    // Choices labelled with the team names, team 1 first; the preset is team 2's
    // stored TeamCounter2 (0: team 1, 1: team 2, anything else: no choice).
    explicit LateTeamDialogModel(const CGame& game);

    QString choiceLabel(int choice) const { return labels_[std::size_t(choice & 1)]; }
    int choice() const { return choice_; }
    void choose(int choice);
    // OK needs a choice: without one it would silently blame team 2.
    bool okEnabled() const { return choice_ != NoChoice; }
    bool team1IsLate() const { return choice_ == 0; }

private:
    std::array<QString, 2> labels_;
    int choice_ = NoChoice;
};

// The mixed-doubles choice dialog without its widgets, in one of two modes.
class MixedDoublesDialogModel
{
public:
    enum class Mode
    {
        Team,  // who delivers first in the new end, with power play
        Player // which player of the delivering team delivers
    };
    // The power-play side choices (3054, 3055) and what OK returns for them.
    enum Side
    {
        NoSide = 0,
        Side3054 = 2,
        Side3055 = 1
    };

    // Team mode: the team names, preset to the current end's first thrower.
    static MixedDoublesDialogModel forTeam(const CGame& game);
    // Player mode for the team delivering the current stone: text 5066 and its
    // line-up players 3 and 2, preset to the current stone's player.
    static MixedDoublesDialogModel forPlayer(const CGame& game);

    Mode mode() const { return mode_; }
    const QString& prompt() const { return prompt_; } // empty in team mode
    QString choiceLabel(int choice) const { return labels_[std::size_t(choice & 1)]; }
    int choice() const { return choice_; }
    void choose(int choice);

    bool powerPlayVisible() const { return mode_ == Mode::Team; }
    bool powerPlay() const { return powerPlay_; }
    void setPowerPlay(bool on) { powerPlay_ = on && powerPlayVisible(); }
    bool sidesEnabled() const { return powerPlay_; }
    void chooseSide(Side side) { side_ = side; }

    // Team mode: the chosen team (0, 1) and the power-play value (0, 1 or 2; 0
    // while the box is clear or no side is chosen).
    int team() const { return choice_; }
    int powerPlayValue() const { return powerPlay_ ? int(side_) : 0; }
    // Player mode: the chosen player's index, or -1 without a choice.
    int player() const;

private:
    Mode mode_ = Mode::Team;
    QString prompt_;
    std::array<QString, 2> labels_;
    std::array<int, 2> players_{-1, -1};
    int choice_ = -1;
    bool powerPlay_ = false;
    Side side_ = NoSide;
};

// The two dialogs themselves; windows run them modally, tests script them.
class ChoiceDialogs
{
public:
    virtual ~ChoiceDialogs() = default;
    // true for OK; the model then holds the answer.
    virtual bool runLateTeamDialog(LateTeamDialogModel& dialog) = 0;
    virtual bool runMixedDoublesDialog(MixedDoublesDialogModel& dialog) = 0;
};
