#include "platform/file_chooser.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <algorithm>

namespace {

// Room kept for the names beside the other columns, in average characters.
constexpr int kNameCharacters = 24;

// The columns after the name take the width of their texts; whenever one grows, the dialog grows by
// what the view lacks, up to the screen's width, and the names take the rest. The desktop's own dialog
// (no detail view of Qt's) sizes itself.
void FitDetailColumns(QFileDialog& dialog) {
    auto* tree = dialog.findChild<QTreeView*>("treeView");
    if (!tree) return;
    QHeaderView* header = tree->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < header->count(); ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    QObject::connect(header, &QHeaderView::sectionResized, &dialog, [&dialog, tree, header](int column) {
        if (column == 0) return;
        int wanted = tree->fontMetrics().averageCharWidth() * kNameCharacters;
        for (int c = 1; c < header->count(); ++c) wanted += header->sectionSize(c);
        const int lacking = wanted - tree->viewport()->width();
        if (lacking <= 0) return;
        const int screenWidth = dialog.screen()->availableGeometry().width();
        dialog.resize(std::min(dialog.width() + lacking, screenWidth), dialog.height());
    });
}

QString Chosen(QFileDialog& dialog) {
    FitDetailColumns(dialog);
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles().value(0);
}

} // namespace

QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter, QFileDialog::Options options) {
    QFileDialog dialog(parent, caption, {}, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOptions(options);
    if (!proposed.isEmpty()) dialog.selectFile(proposed); // a path opens its folder with its name
    return Chosen(dialog);
}

QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter) {
    QFileDialog dialog(parent, caption, {}, filter);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Chosen(dialog);
}
