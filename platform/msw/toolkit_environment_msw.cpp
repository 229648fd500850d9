// Windows starts nothing that the program could leave out.
#include "platform/toolkit_environment.h"

void PrepareToolkitStart() {}

void EndToolkitStart() {}
