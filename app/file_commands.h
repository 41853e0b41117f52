#pragma once
// File > New, Open, Save, Save As and the recent-file list, acting on the one chart document.
#include <string>
#include <vector>

class CMainFrame;
class CTavroDoc;

// Opens the chart file at `path` into the document; on success it heads the recent-file list, else a
// message names the file and the fault and the open chart stays. True when it was opened.
bool OpenChartFile(CMainFrame& frame, CTavroDoc& document, const std::string& path);

// Before the chart is replaced or the program closes: a chart with unsaved changes is offered for
// saving ("Yes" saves it, through Save As when it has no file yet; "No" drops the changes). False when
// the user cancels or the save fails, and the chart then stays.
bool SaveModifiedChart(CMainFrame& frame, CTavroDoc& document);

// Puts `path` at the head of the recent-file list, kept in the settings and shown in the File menu.
void RememberChartFile(CMainFrame& frame, const std::string& path);

// Files dropped on the window: the first chart file (".tvd") among them opens as File > Open would open
// it (a changed chart offered for saving first); when none is a chart file, a message names the first
// file and says why it is not opened.
void OpenDroppedFiles(CMainFrame& frame, CTavroDoc& document, const std::vector<std::string>& paths);

// Binds the file commands, the recent-file entries, dropped files and the close query of the frame to the
// document.
void BindFileCommands(CMainFrame& frame, CTavroDoc& document);
