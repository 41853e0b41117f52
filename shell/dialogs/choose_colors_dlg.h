#pragma once
// "Choose colors": for every coloured item of every display frame, a colour picked in the picker or
// typed as red, green and blue; Apply puts it in use, Revert goes back to the saved colours and
// Restore to the factory defaults, for the item, its frame or all frames. The dialog edits the
// colours in use (g_colors) only through these buttons.
#include <array>

#include "shell/dialogs/colour_picker.h"
#include "shell/dialogs/member_dialog.h"

class QPushButton;

class CChooseColorsDlg : public CMemberDialog {
public:
    // The buttons besides "Save colors" and Cancel, by what they do.
    enum Button {
        kRevertFrame,
        kRevertItem,
        kRevertAll,
        kRestoreFrame,
        kApply,
        kRestoreAll,
        kRestoreItem,
        kButtonCount
    };

    explicit CChooseColorsDlg(QWidget* parent);

    int m_nFrame = 0, m_nItemInFrame = 0; // list selections
    ColorRef m_crCurrent = 0;             // the colour shown
    int m_nRed = 0, m_nGreen = 0, m_nBlue = 0;
    int m_nFirst = 0, m_nLast = 0; // the frame's colour settings
    int m_nItem = 0;               // m_nFirst + m_nItemInFrame
    int m_nKind = 0;

    CColorPickerCtrl* Picker() const { return m_picker; }
    QComboBox* FrameList() const { return m_frames; }
    QComboBox* ItemList() const { return m_items; }
    QLineEdit* ChannelEdit(int channel) const { return m_channels[channel]; } // 0 red, 1 green, 2 blue
    QPushButton* ButtonOf(Button button) const { return m_buttons[button]; }

protected:
    void LoadControls() override;
    // Only checks the red, green and blue fields: the colours in use were changed by the buttons.
    bool StoreControls() override;

private:
    void OnFrameChanged();
    void OnItemChanged();
    void OnChannelEdited();
    // Shows the current item's colour in use and its kind.
    void ShowItem();
    // Writes `source` into the colours in use for settings first..last, then shows the item again.
    void CopyColors(const std::array<ColorRef, 125>& source, int first, int last);
    void ShowColor(ColorRef colour);

    CColorPickerCtrl* m_picker;
    QComboBox *m_frames, *m_items;
    std::array<QLineEdit*, 3> m_channels{};
    std::array<QPushButton*, kButtonCount> m_buttons{};
};

// Preferences > Colors: the dialog run; on "Save colors" the colours in use become the saved ones
// (true: the caller writes the preference file), on Cancel every colour returns to its saved value.
bool RunChooseColorsDialog(QWidget* parent);
