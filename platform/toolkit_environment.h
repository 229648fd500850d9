// The toolkit's environment while it starts: what the program never uses is left out of
// its start-up.
#pragma once

// Before the toolkit starts. On Linux: no probe of OpenGL, which GTK makes as it opens the
// display and which loads the GL driver (a quarter of the start-up's instructions under a
// software driver); Velmor draws nothing with GL. A setting of the user's own stays.
void PrepareToolkitStart();

// Once the toolkit has started: the environment as it was, so that the programs Velmor
// starts (the help page's browser) get the user's.
void EndToolkitStart();
