// The colour picker and the colour dialog: picking, typing, applying, reverting and restoring.
#include "shell/dialogs/choose_colors_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "shell/color_settings.h"

namespace {

void SendMouse(QWidget& widget, QEvent::Type type, QPoint p, Qt::KeyboardModifiers modifiers = {}) {
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(p), QPointF(widget.mapToGlobal(p)), Qt::LeftButton, buttons, modifiers);
    QApplication::sendEvent(&widget, &event);
}

TEST(ColorPicker, PureRedSitsAtTheRightEdgeOnTopAndGreyAtTheLeft) {
    CColorPickerCtrl picker(nullptr);
    picker.resize(330, 260);
    picker.SetBarWidth(20);
    ColorRef heard = 1;
    picker.SetCallback2([&heard](ColorRef c) { heard = c; });
    picker.SetColor(Rgb(255, 0, 0));
    EXPECT_EQ(heard, Rgb(255, 0, 0));
    EXPECT_EQ(picker.FieldWidth(), 310);
    EXPECT_EQ(picker.FieldHeight(), 240);
    EXPECT_DOUBLE_EQ(picker.CurrentHls().s, 1);
    EXPECT_DOUBLE_EQ(picker.CurrentHls().h, 0);
    picker.SetColor(Rgb(255, 255, 255));
    EXPECT_DOUBLE_EQ(picker.CurrentHls().s, 0);
}

TEST(ColorPicker, DraggingWithCtrlChangesOnlyTheHue) {
    CColorPickerCtrl picker(nullptr);
    picker.resize(330, 260);
    picker.SetBarWidth(20);
    picker.SetColor(Rgb(128, 128, 128));
    ColorRef heard = 0;
    picker.SetCallback1([&heard](ColorRef c) { heard = c; });
    SendMouse(picker, QEvent::MouseButtonPress, {155, 60});
    const Hls first = picker.CurrentHls();
    EXPECT_DOUBLE_EQ(first.s, 0.5);
    EXPECT_DOUBLE_EQ(first.h, 0.25);
    EXPECT_EQ(heard, picker.Color());
    SendMouse(picker, QEvent::MouseMove, {300, 120}, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(picker.CurrentHls().s, 0.5);
    EXPECT_DOUBLE_EQ(picker.CurrentHls().h, 0.5);
    SendMouse(picker, QEvent::MouseButtonRelease, {300, 120});
    SendMouse(picker, QEvent::MouseMove, {10, 10}); // no button: nothing changes
    EXPECT_DOUBLE_EQ(picker.CurrentHls().h, 0.5);

    SendMouse(picker, QEvent::MouseButtonPress, {320, 180}); // on the lightness bar
    EXPECT_DOUBLE_EQ(picker.CurrentHls().l, 0.75);
    EXPECT_DOUBLE_EQ(picker.CurrentHls().h, 0.5);
}

class ChooseColorsTest : public testing::Test {
protected:
    void SetUp() override { m_dialog.ShowModeless(); }
    void TearDown() override { g_colors = m_savedColors; }
    void Click(CChooseColorsDlg::Button button) { m_dialog.ButtonOf(button)->click(); }

    std::array<ColorRef, kColorCount> m_savedColors = g_colors;
    CChooseColorsDlg m_dialog{nullptr};
};

TEST_F(ChooseColorsTest, TypedChannelsAreShownAndApplied) {
    const int item = m_dialog.m_nItem;
    EXPECT_EQ(item, g_colorGroupRanges[0].first);
    SavePicture(m_dialog, "choose_colors_dialog");
    const QString values[] = {"255", "0", "0"};
    for (int c = 0; c < 3; ++c) {
        m_dialog.ChannelEdit(c)->setText(values[c]);
        emit m_dialog.ChannelEdit(c)->textEdited(values[c]);
    }
    EXPECT_EQ(m_dialog.Picker()->Color(), Rgb(255, 0, 0));
    EXPECT_NE(g_colors[item], Rgb(255, 0, 0)) << "nothing in use before Apply";
    Click(CChooseColorsDlg::kApply);
    EXPECT_EQ(g_colors[item], Rgb(255, 0, 0));
    Click(CChooseColorsDlg::kRevertItem);
    EXPECT_EQ(g_colors[item], g_savedColors[item]);
    EXPECT_EQ(m_dialog.ChannelEdit(0)->text().toInt(), RedOf(g_savedColors[item]));
}

TEST_F(ChooseColorsTest, RestoringAFrameLeavesTheOtherFrames) {
    g_colors.fill(Rgb(1, 2, 3));
    m_dialog.FrameList()->setCurrentIndex(1);
    emit m_dialog.FrameList()->activated(1);
    Click(CChooseColorsDlg::kRestoreFrame);
    for (int item = 0; item < kColorCount; ++item) {
        SCOPED_TRACE(item);
        const bool inFrame = item >= g_colorGroupRanges[1].first && item <= g_colorGroupRanges[1].last;
        EXPECT_EQ(g_colors[item], inFrame ? g_defaultColors[item] : Rgb(1, 2, 3));
    }
    Click(CChooseColorsDlg::kRestoreAll);
    EXPECT_EQ(g_colors, g_defaultColors);
}

TEST_F(ChooseColorsTest, AChannelOutOfRangeIsRefused) {
    RecordedMessages messages;
    m_dialog.ChannelEdit(1)->setText("256");
    m_dialog.accept();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Green: enter a whole number from 0 to 255.");
    EXPECT_TRUE(m_dialog.isVisible());
}

TEST(ChooseColors, CancelReturnsEveryColourToItsSavedValue) {
    const auto saved = g_savedColors;
    WhenModal<CChooseColorsDlg>([](CChooseColorsDlg& dialog) {
        dialog.ChannelEdit(0)->setText("7");
        emit dialog.ChannelEdit(0)->textEdited("7");
        dialog.ButtonOf(CChooseColorsDlg::kApply)->click();
        dialog.reject();
    });
    EXPECT_FALSE(RunChooseColorsDialog(nullptr));
    EXPECT_EQ(g_colors, saved);
}

} // namespace
