#pragma once

#include "Config.h"

// The one configuration registry of the process: created enabled with the
// default file name, loaded once at start-up, saved by every change.
CConfig& applicationConfig();
