#pragma once
// Panes opened in top-level frames of their own (period-entry views, the transit calendar, the aspect
// table ...). Frames opened one after another take the four cascade rectangles in turn.
#include <functional>
#include <memory>
#include <string>

#include "platform/geometry.h"
#include "shell/view_registry.h"

class CFrameWnd;

// The create context of extra frames: the document their views show.
extern CCreateContext g_frameCreateContext;
// Refreshes every view of the document once a new frame is open; empty does nothing.
extern std::function<void()> g_updateAllViewsOfMainDoc;

// Frames open inside the screen's available area: a cascade rectangle that would put the title bar or
// a border off the screen moves the frame onto it.
//
// Opens a frame with a view of `className` at the next cascade rectangle (the slot advances even when
// it fails). Returns nonzero when the frame was made; `outFrame` receives it (null on failure).
// Callers report a failure with "Unable to create window." captioned "Oops".
int OpenChildWindow(int resourceId, const std::string& className, CFrameWnd** outFrame = nullptr);
// The same at `rect` (screen pixels), leaving the cascade slot alone.
int OpenChildWindowInRect(int resourceId, const std::string& className, const Rect& rect,
                          CFrameWnd** outFrame = nullptr);
// The same for a view of `document`, which the frame keeps alive while it lives (frames opened on one
// document share it; it goes with the last of them).
int OpenDocumentFrame(int resourceId, const std::string& className, std::shared_ptr<CDocument> document,
                      CFrameWnd** outFrame = nullptr);

// The aspect table in its own frame, at the place it was last kept (shell/display_options.h), or at
// the next cascade rectangle until one was kept; a failure is told ("Unable to create window.",
// "Oops") over `parent`. True when it opened.
bool OpenAspectTableWindow(QWidget* parent);
