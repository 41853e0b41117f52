#pragma once
// Chart pictures: where the charts of each picture lie, the picture files (Windows bitmap with the
// resolution in its header, or PNG) and the choices the user makes for them (file, title). Sizes are
// pixels of the picture; k is its resolution factor.
#include <QImage>
#include <functional>
#include <optional>
#include <string>

#include "core/whole_file.h"
#include "platform/geometry.h"

class QWidget;

enum class ChartPicture {
    kAsOnScreen,  // the pane as the screen shows it
    kSouthNorth,  // a book picture: the pane's chart in the South and North Indian styles, with a legend
    kRasiNavamsa, // a book picture: the rasi and navamsa charts in the user's style, with a legend
};

// Resolution factors: the screen; the pane "as on the screen" at 300 dpi; the book pictures at 300 dpi.
inline constexpr int kScreenPicture = 1;
inline constexpr int kScreenPicture300Dpi = 2;
inline constexpr int kBookPicture300Dpi = 3;
// Pixels per metre written for a 300 dpi picture (0 for a screen picture).
inline constexpr int kPicture300DpiPixelsPerMetre = 12000;

struct ChartPictureLayout {
    Size size;   // the whole picture
    Rect first;  // the chart, or the left chart of a book picture
    Rect second; // the right chart of a book picture; empty for the pane as on screen
};
// As on screen: (360k + 22) square, the chart 360k square at (6k, 6k). Books: 663k x 392k, the charts
// (6k, 6k, 325k, 325k) and (337k, 6k, 656k, 325k), the legend below them.
ChartPictureLayout LayOutChartPicture(ChartPicture picture, int k);
// 12,000 for the 300 dpi pictures, 0 for those at screen resolution.
int PicturePixelsPerMetre(ChartPicture picture, int k);

enum class PictureFormat { kBmp, kPng };

// A Windows bitmap file: the 14-byte file header ("BM", file size, offset of the pixels), the 40-byte
// information header (32 bits a pixel, no compression, `pixelsPerMetre` both ways), the rows bottom-up.
std::string EncodeBmp(const QImage& image, int pixelsPerMetre);
// A PNG file carrying the same resolution.
std::string EncodePng(const QImage& image, int pixelsPerMetre);

// The name the picture is saved under: `chosen`, with ".bmp" or ".png" appended unless it already ends
// so (in any case).
std::string PictureFileName(const std::string& chosen, PictureFormat format);

// Writes the picture whole to `path` (already ended) or not at all; the result says why it failed.
FileWriteResult SaveChartPictureFile(const QImage& image, const std::string& path, PictureFormat format,
                                     int pixelsPerMetre);

// What the user chose in the save dialog.
struct PictureTarget {
    std::string path; // as typed; the ending is added afterwards
    PictureFormat format = PictureFormat::kBmp;
};
// The choices a picture command asks of the user. Tests put answers in place of the dialogs.
struct PictureDialogs {
    // "Save bitmap as": none when cancelled.
    std::function<std::optional<PictureTarget>(QWidget* parent)> chooseFile;
    // "Enter the chart title", prefilled with `title`: the title entered, or none when cancelled.
    std::function<std::optional<std::string>(QWidget* parent, const std::string& title)> askTitle;
};
// The dialogs in use (the real ones unless replaced).
const PictureDialogs& ChartPictureDialogs();
// Replaces the dialogs; an empty member keeps the real one. Returns the set it replaces.
PictureDialogs SetChartPictureDialogs(PictureDialogs dialogs);
