#pragma once

// The widths of the three panes of a game window: the shot-entry form, the
// tagging panel and the house view, which takes the rest.
namespace PaneSizes {

inline constexpr int FormDefault = 340;     // also what a too narrow form becomes
inline constexpr int FormNarrowLimit = 300; // a dragged width up to this is replaced
inline constexpr int FormWideFrom = 591;    // the form's wide layout
inline constexpr int TaggingDefault = 137;
inline constexpr int TaggingNarrowLimit = 100;
inline constexpr int TaggingWideFrom = 360;

struct Widths
{
    int form = FormDefault;
    int tagging = 0;
};

// A new game window: MRU/SplitterSize1 and, while the tagging panel is shown,
// SplitterSize2 (else 0).
Widths creation(bool taggingShown);

struct Stored
{
    Widths widths; // what the panes are set to
    bool wideForm = false;
    bool wideTagging = false;
};

// After a bar was dragged or the panes fitted: stores the widths (too narrow
// ones replaced by the defaults) and says which layouts the panes take.
Stored store(const Widths& dragged, bool taggingShown);

// Fitting the panes to their content; the result is then stored as after a drag.
Widths fit(int formContentWidth, bool taggingShown, int taggingContentWidth);

} // namespace PaneSizes
