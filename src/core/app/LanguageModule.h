#pragma once

#include <QLocale>
#include <QString>

class Prompts;

// Choosing and loading the language module "TALVStats_<CODE>" at start-up and
// when the Language page changes the language.
namespace LanguageModule {

enum class Notice
{
    Fallback,
    Termination
};

// The module's code: the first three characters of Preferences/Language,
// upper-cased. On the first run (no code stored) the system language decides —
// German gives GER, French FRA, anything else ENG — and is stored as Language
// and LanguageGuidelines.
QString selectCode(const QLocale& systemLocale = QLocale::system());

// The notice about a missing module, in the requested language.
QString noticeText(Notice notice, const QString& requestedCode);

// The locale that goes with a requested code (English unless GER, FRA/FRE, ITA).
QLocale localeFor(const QString& requestedCode);

// True when the module file of this code is in the program folder.
bool isAvailable(const QString& code);

enum class Outcome
{
    Loaded,
    FellBackToEnglish,
    NoModule
};

// Loads the module of the code, else the English one; makes it the source of
// all texts and sets the matching locale.
Outcome load(const QString& code);

// Start-up step: select, load, and show the notice when the module is missing.
// False means that not even the English module could be loaded: the program
// ends (with exit status 0) after the termination notice.
bool selectAndLoad(Prompts& prompts, const QLocale& systemLocale = QLocale::system());

} // namespace LanguageModule
