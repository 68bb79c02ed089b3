#pragma once

#include <QString>

class CConfig;
class Prompts;
class QWidget;

// The Export and Import commands of the category page and the game form.
namespace ExchangeCommands {

// Asks for the file (the category's name and today's date proposed) and
// exports the selected category, the first when none is selected.
bool exportCategory(const CConfig& config, int selectedCategory, Prompts& prompts);
// Asks for the file and imports it; the imported category's name, empty when
// nothing was imported.
QString importCategory(CConfig& config, Prompts& prompts, QWidget* parent);

} // namespace ExchangeCommands
