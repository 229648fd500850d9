// What the user reads when a save fails.
#pragma once

#include "platform/save_file.h"

// The message for a failed save; nullptr for none.
const char* SaveFailureText(SaveFailure failure);
