#pragma once

#include "HousePainter.h"

#include <QString>

#include <vector>

class CHouseController;
class Prompts;

// The house drawing as an image file: PNGResolution pixels wide and twice as
// high, the whole 15 × 30 ft drawing, saved as PNG, JPEG or GIF by extension.
namespace HouseImage {

struct ViewState
{
    bool rotated = false; // the view shows the rotated display
    // The analysis marks the view shows instead of the stones; null when none.
    const std::vector<HouseMark>* marks = nullptr;
};

// Draws and saves under the path: 1 when saved, 0 when the image cannot be made
// (no message) or saving fails (message 5030 with the path).
int RenderHouseImage(CHouseController& view, const ViewState& state, const QString& path,
                     Prompts& prompts);
// Proposes "<folder>/<baseName>_<date and time>", asks for the name, renders.
// 0 when cancelled.
int SaveHouseImage(CHouseController& view, const ViewState& state, const QString& baseName,
                   Prompts& prompts);

} // namespace HouseImage
