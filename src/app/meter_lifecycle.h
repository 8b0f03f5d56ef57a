#pragma once
// The dial window's load and unload, the entry procedure and the orderly Quit.

namespace dorv {

struct MeterApp;

// Creates the dial window hidden and configures it from meter.ini, step by step.
void LoadMeterFrm(MeterApp& app);
// Why the program ends: asked to (menu, close, taskkill), or the Windows session is ending, when no window
// may be shown any more.
enum class QuitCause { Request, SessionEnd };

// Hides the dial, closes the CPU counter and writes every setting; a save that fails is reported to the user
// unless the session is ending.
void UnloadMeterFrm(MeterApp& app, QuitCause cause);

// Loads the dial and shows it unless Hide_Meter says otherwise; the host's message loop follows.
void RunEntryProcedure(MeterApp& app);

// Unloads the menu window (tray icon) and the dial (saving the settings), then ends the program.
void Quit(MeterApp& app, QuitCause cause = QuitCause::Request);

}  // namespace dorv
