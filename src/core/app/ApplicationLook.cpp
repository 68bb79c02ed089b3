#include "ApplicationLook.h"

#include "core/base/SettingsKeys.h"

namespace ApplicationLook {

const std::array<Look, 9>& looks()
{
    static constexpr std::array<Look, 9> table{{
        {32129, "Classic", false, 0, 0, 0, true},
        {32130, "Flat", false, 0, 0, 0, true},
        {32131, "Blue", true, 195, 215, 246, false},
        {32132, "Sand", true, 233, 231, 217, false},
        {32133, "System", true, 242, 244, 245, false},
        {32134, "Sky", true, 195, 221, 255, false},
        {32135, "Graphite", true, 182, 187, 194, false},
        {32136, "Aqua", true, 198, 198, 215, false},
        {32137, "Silver", true, 208, 212, 221, false},
    }};
    return table;
}

bool isLook(int id)
{
    return id >= First && id <= Last;
}

const Look& look(int id)
{
    return looks()[std::size_t((isLook(id) ? id : Default) - First)];
}

bool inFamily(int id)
{
    return id >= FamilyFirst && id <= FamilyLast;
}

std::optional<std::uint32_t> background(int id)
{
    const Look& chosen = look(id);
    if (!chosen.hasBackground || Settings::read(Key::Options::ApplicationBackground) == 0)
        return std::nullopt;
    return std::uint32_t(chosen.b) << 16 | std::uint32_t(chosen.g) << 8 | std::uint32_t(chosen.r);
}

bool lookStyledButtons(int id)
{
    return !look(id).buttonsForcedOff && Settings::read(Key::Options::ApplicationLookButton) != 0;
}

void Session::applied(int id)
{
    current_ = look(id).id;
    if (inFamily(current_))
        familyApplied_ = true;
}

Session::Choice Session::choose(int id)
{
    const int chosen = look(id).id;
    Settings::write(Key::Options::ApplicationLook, chosen);
    // The family's styles cannot be exchanged while the program runs.
    if (familyApplied_ && inFamily(chosen)) {
        current_ = chosen;
        return Choice::StoredOnly;
    }
    applied(chosen);
    return Choice::Applied;
}

} // namespace ApplicationLook
