#pragma once
// What every dialog of the program shares: the caller fills the dialog's members, runs it modally,
// and on OK finds in the members what the user entered; Cancel leaves the members as they were. OK
// first reads and checks every field: one that does not scan or is out of range is refused with a
// message saying what is allowed, gets the focus, and the dialog stays open.
#include <QDialog>
#include <optional>
#include <string>

class QBoxLayout;
class QComboBox;
class QLineEdit;
class QWidget;

// The degrees, minutes and seconds edit boxes of one angle.
struct DmsEdits {
    QLineEdit* degrees;
    QLineEdit* minutes;
    QLineEdit* seconds;
};
// An angle read from them: whole degrees and minutes, decimal seconds.
struct DmsValue {
    int degrees;
    int minutes;
    double seconds;
};
// The day box, month list and year box of one date.
struct DateEdits {
    QLineEdit* day;
    QComboBox* month;
    QLineEdit* year;
};
// A date read from them; month 0 January .. 11 December (-1 when none is chosen).
struct DateValue {
    int day;
    int month;
    int year;
};

class CMemberDialog : public QDialog {
public:
    CMemberDialog(QWidget* parent, const char* title);

    // Controls from the members, then the modal run; true on OK (the members then hold the entry).
    bool DoModal();
    // Controls from the members and the dialog shown without blocking (tests drive it this way).
    void ShowModeless();

    void accept() override;

protected:
    // Members -> controls.
    virtual void LoadControls() = 0;
    // Controls -> members when every field scans and lies in range; otherwise refuses the first bad
    // field (RefuseField) and returns false, the members untouched.
    virtual bool StoreControls() = 0;

    // Tells the user what `control` allows, with the caption "Error", and puts the focus there.
    void RefuseField(QWidget* control, const std::string& message);
    // The number in `edit` when it scans and lies in [min, max] (below `max` when `maxExcluded`);
    // otherwise the field is refused, naming it `name`.
    std::optional<double> ReadNumberField(QLineEdit* edit, const char* name, double min, double max,
                                          bool maxExcluded = false);
    // The whole number in `edit` when it scans and lies in [min, max]; otherwise the field is refused.
    std::optional<int> ReadIntegerField(QLineEdit* edit, const char* name, int min, int max);
    // Seconds or minutes below 60 from a box loaded with SixtiethsText(loaded): `loaded` itself while
    // the box still shows that text, so that OK without an edit keeps what the box shows rounded;
    // otherwise the number typed, read as ReadNumberField reads it.
    std::optional<double> ReadSixtiethsField(QLineEdit* edit, double loaded, const char* name);
    // Whole degrees 0..maxDegrees, whole minutes 0-59 and seconds below 60, the seconds box loaded with
    // SixtiethsText(loadedSeconds) and read as ReadSixtiethsField reads it; the first field out of range
    // is refused.
    std::optional<DmsValue> ReadDmsFields(const DmsEdits& edits, int maxDegrees, double loadedSeconds);
    // The year minYear..maxYear, then the day within the month of that year (January when no month is
    // chosen); the first field out of range is refused.
    std::optional<DateValue> ReadDateFields(const DateEdits& edits, int minYear, int maxYear);
    // OK and Cancel at the end of `layout`.
    void AddOkCancel(QBoxLayout* layout);

private:
    // Widens the dialog so that its title bar shows the caption whole.
    void FitCaption();
};

// The width, in pixels, a window's title bar needs for `caption` whole: the caption in the bold face
// title bars use, with room for the window's icon and its three buttons.
int CaptionWidth(const QWidget& window, const QString& caption);

// The same checks for edit boxes outside a dialog (the form panes). RefuseControl tells the user what
// `control` allows, captioned "Error", over its window, and puts the focus there; the Take functions
// return the value when it scans and lies in range, and otherwise refuse the field, naming it.
void RefuseControl(QWidget* control, const std::string& message);
std::optional<double> TakeNumberField(QLineEdit* edit, const char* name, double min, double max,
                                      bool maxExcluded = false);
std::optional<int> TakeIntegerField(QLineEdit* edit, const char* name, int min, int max);
std::optional<DateValue> TakeDateFields(const DateEdits& edits, int minYear, int maxYear);

// Controls the dialogs make alike.
QComboBox* MakeCombo(QWidget* parent, std::initializer_list<const char*> items);
QLineEdit* MakeNumberEdit(QWidget* parent, int widthInCharacters = 6);
// Text of numbers written into edit boxes: integers plainly, decimals without needless zeros.
QString NumberText(int value);
QString NumberText(double value);
// Seconds (or minutes) below 60 as their box keeps them: whole, or to two decimals; a value that would
// round to 60 reads 59.99.
QString SixtiethsText(double value);
DmsEdits MakeDmsEdits(QWidget* parent);
// The three boxes into `row`, each followed by its unit ("deg", "min", "sec").
void AddDmsEdits(QBoxLayout* row, const DmsEdits& edits);
// "January" .. "December".
QComboBox* MakeMonthCombo(QWidget* parent);
DateEdits MakeDateEdits(QWidget* parent);
void LoadDateFields(const DateEdits& edits, const DateValue& date);
// A combo's selected index written into an int member (-1 when nothing is selected), and back.
void SelectIndex(QComboBox* combo, int index);
