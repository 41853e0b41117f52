#pragma once
// The file chooser of the chart files: Qt's file dialog with its detail view's Size, Type and Date
// Modified columns as wide as what they show, the dialog widened (within the screen) to hold them
// beside the names.
#include <QFileDialog>
#include <QString>

// The path chosen to save under, or empty on Cancel; `proposed` is the name or path offered first.
QString ChooseFileToSave(QWidget* parent, const QString& caption, const QString& proposed,
                         const QString& filter, QFileDialog::Options options = {});
// The path chosen to open, or empty on Cancel.
QString ChooseFileToOpen(QWidget* parent, const QString& caption, const QString& filter);
