#include "shell/dialogs/member_dialog.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cmath>

#include "platform/message_box.h"
#include "shell/dialogs/field_checks.h"

CMemberDialog::CMemberDialog(QWidget* parent, const char* title) : QDialog(parent) {
    setWindowTitle(title);
}

bool CMemberDialog::DoModal() {
    LoadControls();
    FitCaption();
    return exec() == QDialog::Accepted;
}

void CMemberDialog::ShowModeless() {
    LoadControls();
    FitCaption();
    show();
}

void CMemberDialog::FitCaption() {
    const int needed = CaptionWidth(*this, windowTitle());
    if (minimumWidth() < needed) setMinimumWidth(needed);
}

int CaptionWidth(const QWidget& window, const QString& caption) {
    QFont bold = window.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    // The window manager writes the caption in a face of its own, often a size larger (a quarter wider
    // is allowed), beside the icon, the minimise, maximise and close buttons, their spacing and the
    // bar's margins: together about nine lines high. With less, Openbox cuts "Enter the chart title".
    constexpr int kTitleBarDecorationLines = 9;
    return metrics.horizontalAdvance(caption) * 5 / 4 + kTitleBarDecorationLines * metrics.height();
}

void CMemberDialog::accept() {
    if (StoreControls()) QDialog::accept();
}

void CMemberDialog::RefuseField(QWidget* control, const std::string& message) {
    RefuseControl(control, message);
}

std::optional<double> CMemberDialog::ReadNumberField(QLineEdit* edit, const char* name, double min,
                                                     double max, bool maxExcluded) {
    return TakeNumberField(edit, name, min, max, maxExcluded);
}

std::optional<int> CMemberDialog::ReadIntegerField(QLineEdit* edit, const char* name, int min, int max) {
    return TakeIntegerField(edit, name, min, max);
}

std::optional<double> CMemberDialog::ReadSixtiethsField(QLineEdit* edit, double loaded, const char* name) {
    constexpr double kSixty = 60;
    if (loaded >= 0 && loaded < kSixty && edit->text() == SixtiethsText(loaded)) return loaded;
    return ReadNumberField(edit, name, 0, kSixty, true);
}

std::optional<DmsValue> CMemberDialog::ReadDmsFields(const DmsEdits& edits, int maxDegrees,
                                                     double loadedSeconds) {
    const auto degrees = ReadIntegerField(edits.degrees, "Degrees", 0, maxDegrees);
    if (!degrees) return std::nullopt;
    const auto minutes = ReadIntegerField(edits.minutes, "Minutes", 0, 59);
    if (!minutes) return std::nullopt;
    const auto seconds = ReadSixtiethsField(edits.seconds, loadedSeconds, "Seconds");
    if (!seconds) return std::nullopt;
    return DmsValue{*degrees, *minutes, *seconds};
}

std::optional<DateValue> CMemberDialog::ReadDateFields(const DateEdits& edits, int minYear, int maxYear) {
    return TakeDateFields(edits, minYear, maxYear);
}

void RefuseControl(QWidget* control, const std::string& message) {
    MessageBox(control->window(), message, "Error", MessageIcon::kWarning);
    control->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

std::optional<double> TakeNumberField(QLineEdit* edit, const char* name, double min, double max,
                                      bool maxExcluded) {
    const auto value = ParseNumber(edit->text().toStdString());
    std::optional<std::string> problem;
    if (!value)
        problem = std::string(name) + ": enter a number.";
    else if (maxExcluded)
        problem = CheckNumberBelow(name, *value, min, max);
    else
        problem = CheckNumberRange(name, *value, min, max);
    if (problem) {
        RefuseControl(edit, *problem);
        return std::nullopt;
    }
    return value;
}

std::optional<int> TakeIntegerField(QLineEdit* edit, const char* name, int min, int max) {
    const auto value = ParseInteger(edit->text().toStdString());
    const auto problem = value ? CheckIntegerRange(name, *value, min, max)
                               : std::optional<std::string>(std::string(name) + ": enter a whole number.");
    if (problem) {
        RefuseControl(edit, *problem);
        return std::nullopt;
    }
    return value;
}

std::optional<DateValue> TakeDateFields(const DateEdits& edits, int minYear, int maxYear) {
    const auto year = TakeIntegerField(edits.year, "Year", minYear, maxYear);
    if (!year) return std::nullopt;
    const int month = edits.month->currentIndex();
    const auto day = TakeIntegerField(edits.day, "Day", 1, DaysInMonth(month < 0 ? 1 : month + 1, *year));
    if (!day) return std::nullopt;
    return DateValue{*day, month, *year};
}

void CMemberDialog::AddOkCancel(QBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMemberDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMemberDialog::reject);
    layout->addWidget(buttons);
}

QComboBox* MakeCombo(QWidget* parent, std::initializer_list<const char*> items) {
    auto* combo = new QComboBox(parent);
    for (const char* item : items) combo->addItem(item);
    return combo;
}

QLineEdit* MakeNumberEdit(QWidget* parent, int widthInCharacters) {
    auto* edit = new QLineEdit(parent);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance('0') * (widthInCharacters + 2) + 8);
    return edit;
}

QString NumberText(int value) {
    return QString::number(value);
}

QString NumberText(double value) {
    return QString::number(value, 'g', 10);
}

QString SixtiethsText(double value) {
    constexpr double kLastHundredth = 5999.0;
    const double hundredths = std::clamp(std::round(value * 100.0), 0.0, kLastHundredth);
    if (std::fmod(hundredths, 100.0) == 0.0) return NumberText(static_cast<int>(hundredths / 100.0));
    return QString::number(hundredths / 100.0, 'f', 2);
}

QComboBox* MakeMonthCombo(QWidget* parent) {
    return MakeCombo(parent, {"January", "February", "March", "April", "May", "June", "July", "August",
                              "September", "October", "November", "December"});
}

DateEdits MakeDateEdits(QWidget* parent) {
    return {MakeNumberEdit(parent, 2), MakeMonthCombo(parent), MakeNumberEdit(parent, 5)};
}

void LoadDateFields(const DateEdits& edits, const DateValue& date) {
    edits.day->setText(NumberText(date.day));
    SelectIndex(edits.month, date.month);
    edits.year->setText(NumberText(date.year));
}

void SelectIndex(QComboBox* combo, int index) {
    combo->setCurrentIndex(index >= 0 && index < combo->count() ? index : -1);
}

DmsEdits MakeDmsEdits(QWidget* parent) {
    return {MakeNumberEdit(parent, 3), MakeNumberEdit(parent, 2), MakeNumberEdit(parent, 5)};
}

void AddDmsEdits(QBoxLayout* row, const DmsEdits& edits) {
    QWidget* parent = edits.degrees->parentWidget();
    for (auto [edit, unit] :
         {std::pair{edits.degrees, "deg"}, {edits.minutes, "min"}, {edits.seconds, "sec"}}) {
        row->addWidget(edit);
        row->addWidget(new QLabel(unit, parent));
    }
}
