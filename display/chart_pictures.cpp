#include "display/chart_pictures.h"

#include <QBuffer>
#include <QFileDialog>
#include <algorithm>
#include <cctype>
#include <cstdint>

#include "shell/dialogs/entry_dialogs.h"

namespace {

// Windows bitmap headers: the file header, then the information header.
constexpr int kBmpFileHeaderSize = 14;
constexpr int kBmpInfoHeaderSize = 40;
constexpr int kBmpBitsPerPixel = 32; // the picture's own depth: blue, green, red and an unused byte
constexpr int kBmpNoCompression = 0; // BI_RGB

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool EndsWithNoCase(const std::string& text, const std::string& ending) {
    if (text.size() < ending.size()) return false;
    return std::equal(ending.rbegin(), ending.rend(), text.rbegin(), [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    });
}

const QString kBmpFilter = "Bitmaps (*.bmp)";
const QString kPngFilter = "PNG pictures (*.png)";

std::optional<PictureTarget> ChooseFileInDialog(QWidget* parent) {
    QString filter = kBmpFilter;
    const QString path =
        QFileDialog::getSaveFileName(parent, "Save bitmap as", {}, kBmpFilter + ";;" + kPngFilter, &filter);
    if (path.isEmpty()) return std::nullopt;
    return PictureTarget{path.toStdString(),
                         filter == kPngFilter ? PictureFormat::kPng : PictureFormat::kBmp};
}

std::optional<std::string> AskTitleInDialog(QWidget* parent, const std::string& title) {
    CChartTitleDlg dialog(parent);
    dialog.m_strText = title;
    if (!dialog.DoModal()) return std::nullopt;
    return dialog.m_strText;
}

PictureDialogs& Dialogs() {
    static PictureDialogs dialogs{ChooseFileInDialog, AskTitleInDialog};
    return dialogs;
}

} // namespace

ChartPictureLayout LayOutChartPicture(ChartPicture picture, int k) {
    if (picture == ChartPicture::kAsOnScreen) {
        // The chart as a screen pane of 360k pixels draws it (the pane's side is a multiple of four).
        return ChartPictureLayout{Size{360 * k + 22, 360 * k + 22}, Rect{6 * k, 6 * k, 366 * k, 366 * k},
                                  Rect{}};
    }
    return ChartPictureLayout{Size{663 * k, 392 * k}, Rect{6 * k, 6 * k, 325 * k, 325 * k},
                              Rect{337 * k, 6 * k, 656 * k, 325 * k}};
}

int PicturePixelsPerMetre(ChartPicture picture, int k) {
    const bool at300Dpi =
        picture == ChartPicture::kAsOnScreen ? k == kScreenPicture300Dpi : k == kBookPicture300Dpi;
    return at300Dpi ? kPicture300DpiPixelsPerMetre : 0;
}

std::string EncodeBmp(const QImage& source, int pixelsPerMetre) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const std::uint32_t rowBytes = ((static_cast<std::uint32_t>(width) * kBmpBitsPerPixel + 31) & ~31u) / 8;
    const std::uint32_t imageSize = rowBytes * static_cast<std::uint32_t>(height);
    const std::uint32_t pixelOffset = kBmpFileHeaderSize + kBmpInfoHeaderSize; // no colour table at 32 bits
    std::string out;
    out.reserve(pixelOffset + imageSize);
    out += "BM";
    PutLittleEndian(out, pixelOffset + imageSize, 4);
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, 0, 2);
    PutLittleEndian(out, pixelOffset, 4);
    PutLittleEndian(out, kBmpInfoHeaderSize, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(width), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(height), 4); // positive: rows bottom-up
    PutLittleEndian(out, 1, 2);                                  // planes
    PutLittleEndian(out, kBmpBitsPerPixel, 2);
    PutLittleEndian(out, kBmpNoCompression, 4);
    PutLittleEndian(out, imageSize, 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(pixelsPerMetre), 4);
    PutLittleEndian(out, static_cast<std::uint32_t>(pixelsPerMetre), 4);
    PutLittleEndian(out, 0, 4); // colours used
    PutLittleEndian(out, 0, 4); // colours important
    for (int y = height - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(qBlue(row[x])));
            out.push_back(static_cast<char>(qGreen(row[x])));
            out.push_back(static_cast<char>(qRed(row[x])));
            out.push_back(0);
        }
    }
    return out;
}

std::string EncodePng(const QImage& source, int pixelsPerMetre) {
    QImage image = source;
    if (pixelsPerMetre > 0) {
        image.setDotsPerMeterX(pixelsPerMetre);
        image.setDotsPerMeterY(pixelsPerMetre);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return {};
    return bytes.toStdString();
}

std::string PictureFileName(const std::string& chosen, PictureFormat format) {
    const std::string ending = format == PictureFormat::kPng ? ".png" : ".bmp";
    return EndsWithNoCase(chosen, ending) ? chosen : chosen + ending;
}

FileWriteResult SaveChartPictureFile(const QImage& image, const std::string& path, PictureFormat format,
                                     int pixelsPerMetre) {
    if (image.isNull()) return FileWriteResult{false, "The picture could not be made (too little memory?)."};
    const std::string bytes =
        format == PictureFormat::kPng ? EncodePng(image, pixelsPerMetre) : EncodeBmp(image, pixelsPerMetre);
    if (bytes.empty()) return FileWriteResult{false, "The picture could not be encoded as PNG."};
    return WriteFileWhole(path, bytes);
}

const PictureDialogs& ChartPictureDialogs() {
    return Dialogs();
}

PictureDialogs SetChartPictureDialogs(PictureDialogs dialogs) {
    PictureDialogs previous = Dialogs();
    Dialogs().chooseFile = dialogs.chooseFile ? std::move(dialogs.chooseFile) : ChooseFileInDialog;
    Dialogs().askTitle = dialogs.askTitle ? std::move(dialogs.askTitle) : AskTitleInDialog;
    return previous;
}
