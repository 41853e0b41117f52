#pragma once
// Panes opened in top-level frames of their own (period-entry views, the transit calendar, the aspect
// table ...). Frames opened one after another take the four cascade rectangles in turn.
#include <functional>
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "shell/view_registry.h"

class CDocument;
class CFrameWnd;
class CView;

// Refreshes every view of the application's document once a new frame is open; empty does nothing.
extern std::function<void()> g_updateAllViewsOfMainDoc;

// Frames open inside the screen's available area: a rectangle that would put the title bar or a border
// off the screen moves the frame onto it.
//
// Opens a frame with a view of `className` showing `document` (the document of the view or frame that
// opens it) in the next cascade rectangle, title bar and borders included (the slot advances even when
// it fails). A document owned by shared pointers (a period-entry window's) is kept alive by the frame
// (frames opened on one such document share it; it goes with the last of them); the application's own
// document outlives them.
// Returns nonzero when the frame was made; `outFrame` receives it (null on failure). Callers report a
// failure with "Unable to create window." captioned "Oops".
int OpenChildWindow(int resourceId, const std::string& className, CDocument* document,
                    CFrameWnd** outFrame = nullptr);
// The same with its client area at `rect` (screen pixels), leaving the cascade slot alone.
int OpenChildWindowInRect(int resourceId, const std::string& className, const Rect& rect, CDocument* document,
                          CFrameWnd** outFrame = nullptr);

// The aspect table in its own frame, at the place it was last kept (shell/display_options.h), or at
// the next cascade rectangle until one was kept, showing `document`; a failure is told ("Unable to
// create window.", "Oops") over `parent`. True when it opened.
bool OpenAspectTableWindow(QWidget* parent, CDocument* document);

// Titles the window of its own that holds `pane` (as its only content) "<what> - <document title>",
// so that the window says what it shows and of which chart; nothing while the pane is not alone in a
// window. The window keeps `what`, so that RetitleWindowsApart can name the document anew.
void TitleOwnWindow(CView& pane, const std::string& what);
// Every window titled by TitleOwnWindow whose pane shows `document`, titled again with the document's
// present title: a chart saved under a new name is named so in them at once.
void RetitleWindowsApart(const CDocument& document);
