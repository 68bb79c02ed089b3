#include "PaneSizes.h"

#include "core/base/SettingsKeys.h"

namespace PaneSizes {

Widths creation(bool taggingShown)
{
    Widths widths;
    widths.form = Settings::read(Key::MRU::SplitterSize1);
    widths.tagging = taggingShown ? Settings::read(Key::MRU::SplitterSize2) : 0;
    return widths;
}

Stored store(const Widths& dragged, bool taggingShown)
{
    Stored stored;
    stored.widths.form = dragged.form <= FormNarrowLimit ? FormDefault : dragged.form;
    Settings::write(Key::MRU::SplitterSize1, stored.widths.form);
    stored.wideForm = dragged.form >= FormWideFrom;
    if (taggingShown) {
        stored.widths.tagging =
            dragged.tagging <= TaggingNarrowLimit ? TaggingDefault : dragged.tagging;
        Settings::write(Key::MRU::SplitterSize2, stored.widths.tagging);
        stored.wideTagging = dragged.tagging >= TaggingWideFrom;
    }
    return stored;
}

Widths fit(int formContentWidth, bool taggingShown, int taggingContentWidth)
{
    Widths widths;
    widths.form = formContentWidth <= FormDefault ? FormDefault : formContentWidth + 10;
    if (taggingShown)
        widths.tagging = taggingContentWidth <= 200 ? TaggingDefault : 294;
    return widths;
}

} // namespace PaneSizes
