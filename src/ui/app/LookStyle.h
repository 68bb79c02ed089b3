#pragma once

class QColor;

// Puts an application look into effect for the whole program: one widget style
// for all looks, its palette tinted with the look's background colour when the
// background setting is on. Returns the forms' background colour.
namespace LookStyle {

QColor apply(int lookId);

} // namespace LookStyle
