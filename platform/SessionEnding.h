// Whether the session is ending under the program (a signal to quit, the session manager, the
// application quitting) rather than the user closing its windows: what the program still shows
// on its way out depends on it, as nobody may be left to read a dialog.
#pragma once

// Set by the host when it closes every dialog for the end of the session; tests clear it again.
void SetSessionEnding(bool ending);
bool IsSessionEnding();
