#pragma once
// Preferences > Updates and the update check at start-up.
class CMainFrame;

// Binds Preferences > Updates: the dialog, its two switches stored on OK and, with "Check for an update
// now" ticked, an interactive check.
void BindUpdateCommands(CMainFrame& frame);
// With automatic updates on, a silent check once the event loop runs (the window is shown first and
// never waits for it).
void ScheduleStartUpUpdateCheck(CMainFrame& frame);
