#pragma once

#include <QString>

#include <memory>

class QTranslator;

// Numbered texts from the loaded language module. A text the module lacks, or
// any text before a module is loaded, is an empty string.
namespace Texts {

QString get(int id);

// Makes the module the source of every later look-up (the process keeps one).
void setModule(std::unique_ptr<QTranslator> module);
bool hasModule();

} // namespace Texts
