#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

// The application looks, chosen by their command identifiers 32129..32137. Each
// look has a name of its own and, except the two plain ones, a background
// colour that tints the forms when Options/ApplicationBackground is not 0.
namespace ApplicationLook {

inline constexpr int First = 32129, Last = 32137;
inline constexpr int Default = 32137;
inline constexpr int ResetLook = 32131; // the look the layout reset returns to
// The four looks of one family: once one of them is applied, another of them
// takes effect only at the next start.
inline constexpr int FamilyFirst = 32134, FamilyLast = 32137;

struct Look
{
    int id;
    const char* name;
    bool hasBackground;
    int r, g, b;
    bool buttonsForcedOff; // look-styled buttons are off in this look
};

const std::array<Look, 9>& looks();
// The look of an identifier; an identifier outside the table gives the default.
const Look& look(int id);
bool isLook(int id);
bool inFamily(int id);

// The forms' background as 0x00BBGGRR: the look's colour when the setting
// ApplicationBackground is on and the look has one; empty for the system colour.
std::optional<std::uint32_t> background(int id);
// Look-styled buttons: the stored flag, always off for the two plain looks.
bool lookStyledButtons(int id);

// Which looks were applied during this session of the program, and what a new
// choice does: apply and store, or (a second look of the family) only store.
class Session
{
public:
    enum class Choice
    {
        Applied,   // the caller switches the style; the look is stored
        StoredOnly // the caller shows message 5090; the look is stored
    };

    // Records a look applied without a choice (the stored look at start).
    void applied(int id);
    Choice choose(int id);
    // The look last chosen (checked in the look list), applied or stored.
    int current() const { return current_; }

private:
    int current_ = Default;
    bool familyApplied_ = false;
};

} // namespace ApplicationLook
