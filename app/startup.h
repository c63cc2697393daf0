// Start-up and shutdown of the program.
#pragma once

namespace app {

// The whole run: start-up, the message loop, shutdown. Returns 0, or 1 when
// the class folder given on the command line does not exist. A copy started
// on a folder another copy holds brings that copy to the front and returns 0.
int Main();

// Start-up steps, in the order Main runs them.
void InitApplicationModule();  // the roster and the skin engine object
void StartApplication();       // GDI+, the icon, the engine's defaults

// Shutdown: frees the roster, destroys the engine (icon, GDI+).
void ExitApplicationModule();

}  // namespace app
