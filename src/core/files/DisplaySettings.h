#pragma once

#include "DocumentFields.h"

// Fills the house-view options and colours of doc from the settings, as a new
// document takes them. With both ShowRotate and RotateRight set, the first end is
// drawn the other way (FirstEndDirection 1).
void readDisplaySettings(DocumentFields& doc);
