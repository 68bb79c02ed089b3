#pragma once

#include <QString>

// The window texts of the widgets (menus, toolbars, dialogs, wizard pages) and
// Qt's own texts (standard buttons, file dialogs) in the language of the
// loaded language module. English is the source language: it needs no file.
namespace WindowTexts {

// Installs the texts of the code (ENG, GER, FRA, ITA) on the application in
// place of those of an earlier call. A code whose language module is missing
// gives English, as the numbered texts then fall back to English too.
void load(const QString& code);

// Back to the English source texts.
void unload();

} // namespace WindowTexts
