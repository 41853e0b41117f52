#include "shell/dialogs/choose_colors_dlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/color_settings.h"
#include "shell/dialogs/field_checks.h"

static_assert(kColorCount == 125);

CChooseColorsDlg::CChooseColorsDlg(QWidget* parent) : CMemberDialog(parent, "Choose colors") {
    m_frames = new QComboBox(this);
    for (const char* group : g_colorGroups) m_frames->addItem(group);
    m_items = new QComboBox(this);
    m_items->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_items->setMinimumContentsLength(30);
    m_picker = new CColorPickerCtrl(this);
    m_picker->setFixedSize(330, 260);
    m_picker->SetBarWidth(20);
    const auto showChannels = [this](ColorRef colour) {
        m_crCurrent = colour;
        m_nRed = RedOf(colour), m_nGreen = GreenOf(colour), m_nBlue = BlueOf(colour);
        const int values[] = {m_nRed, m_nGreen, m_nBlue};
        for (int c = 0; c < 3; ++c) m_channels[c]->setText(NumberText(values[c]));
    };
    m_picker->SetCallback1(showChannels);
    m_picker->SetCallback2(showChannels);
    for (auto& edit : m_channels) {
        edit = MakeNumberEdit(this, 3);
        connect(edit, &QLineEdit::textEdited, this, &CChooseColorsDlg::OnChannelEdited);
    }
    const char* texts[kButtonCount] = {"Revert to saved colors in this frame",
                                       "Revert to saved color for this item",
                                       "Revert to saved colors in all frames",
                                       "Restore default colors in this frame",
                                       "Apply this color to item",
                                       "Restore all the factory default colors",
                                       "Restore default color for this item"};
    for (int b = 0; b < kButtonCount; ++b) m_buttons[b] = new QPushButton(texts[b], this);

    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel("Frame", this), 0, 0);
    lists->addWidget(m_frames, 0, 1);
    lists->addWidget(new QLabel("Item", this), 1, 0);
    lists->addWidget(m_items, 1, 1);
    auto* channels = new QHBoxLayout;
    const char* channelNames[] = {"Red", "Green", "Blue"};
    for (int c = 0; c < 3; ++c) {
        channels->addWidget(new QLabel(channelNames[c], this));
        channels->addWidget(m_channels[c]);
    }
    channels->addStretch();
    auto* left = new QVBoxLayout;
    left->addLayout(lists);
    left->addWidget(m_picker);
    left->addLayout(channels);
    auto* right = new QVBoxLayout;
    for (Button b : {kApply, kRevertItem, kRestoreItem, kRevertFrame, kRestoreFrame, kRevertAll, kRestoreAll})
        right->addWidget(m_buttons[b]);
    right->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    auto* endButtons = new QDialogButtonBox(this);
    endButtons->addButton("Save colors", QDialogButtonBox::AcceptRole);
    endButtons->addButton(QDialogButtonBox::Cancel);
    connect(endButtons, &QDialogButtonBox::accepted, this, &CChooseColorsDlg::accept);
    connect(endButtons, &QDialogButtonBox::rejected, this, &CChooseColorsDlg::reject);
    layout->addWidget(endButtons);

    connect(m_frames, &QComboBox::activated, this, &CChooseColorsDlg::OnFrameChanged);
    connect(m_items, &QComboBox::activated, this, &CChooseColorsDlg::OnItemChanged);
    connect(m_buttons[kApply], &QPushButton::clicked, this, [this] { g_colors[m_nItem] = m_crCurrent; });
    connect(m_buttons[kRevertItem], &QPushButton::clicked, this,
            [this] { CopyColors(g_savedColors, m_nItem, m_nItem); });
    connect(m_buttons[kRestoreItem], &QPushButton::clicked, this,
            [this] { CopyColors(g_defaultColors, m_nItem, m_nItem); });
    connect(m_buttons[kRevertFrame], &QPushButton::clicked, this,
            [this] { CopyColors(g_savedColors, m_nFirst, m_nLast); });
    connect(m_buttons[kRestoreFrame], &QPushButton::clicked, this,
            [this] { CopyColors(g_defaultColors, m_nFirst, m_nLast); });
    connect(m_buttons[kRevertAll], &QPushButton::clicked, this,
            [this] { CopyColors(g_savedColors, 0, kColorCount - 1); });
    connect(m_buttons[kRestoreAll], &QPushButton::clicked, this,
            [this] { CopyColors(g_defaultColors, 0, kColorCount - 1); });
}

void CChooseColorsDlg::LoadControls() {
    m_frames->setCurrentIndex(0);
    OnFrameChanged();
}

void CChooseColorsDlg::OnFrameChanged() {
    m_nFrame = std::max(0, m_frames->currentIndex());
    m_nFirst = g_colorGroupRanges[m_nFrame].first;
    m_nLast = g_colorGroupRanges[m_nFrame].last;
    m_items->clear();
    for (int item = m_nFirst; item <= m_nLast; ++item) m_items->addItem(g_colorDescriptions[item]);
    m_items->setCurrentIndex(0);
    OnItemChanged();
}

void CChooseColorsDlg::OnItemChanged() {
    m_nItemInFrame = std::max(0, m_items->currentIndex());
    m_nItem = m_nFirst + m_nItemInFrame;
    ShowItem();
}

void CChooseColorsDlg::ShowItem() {
    m_nKind = g_colorKinds[m_nItem];
    m_picker->SetSampleKind(m_nKind);
    ShowColor(g_colors[m_nItem]);
}

void CChooseColorsDlg::ShowColor(ColorRef colour) {
    m_crCurrent = colour;
    m_picker->SetColor(colour); // its callback writes the number fields
}

void CChooseColorsDlg::OnChannelEdited() {
    int values[3];
    for (int c = 0; c < 3; ++c) {
        const auto value = ParseInteger(m_channels[c]->text().toStdString());
        if (!value || *value < 0 || *value > 255) return; // half-typed or out of range: wait
        values[c] = *value;
    }
    ShowColor(Rgb(values[0], values[1], values[2]));
}

bool CChooseColorsDlg::StoreControls() {
    const char* names[] = {"Red", "Green", "Blue"};
    for (int c = 0; c < 3; ++c) {
        const auto value = ParseInteger(m_channels[c]->text().toStdString());
        const auto problem =
            value ? CheckIntegerRange(names[c], *value, 0, 255)
                  : std::optional<std::string>(std::string(names[c]) + ": enter a whole number.");
        if (problem) {
            RefuseField(m_channels[c], *problem);
            return false;
        }
    }
    return true;
}

void CChooseColorsDlg::CopyColors(const std::array<ColorRef, 125>& source, int first, int last) {
    for (int item = first; item <= last; ++item) g_colors[item] = source[item];
    ShowItem();
}

bool RunChooseColorsDialog(QWidget* parent) {
    CChooseColorsDlg dialog(parent);
    if (dialog.DoModal()) {
        AcceptColors();
        return true;
    }
    RevertColors();
    return false;
}
