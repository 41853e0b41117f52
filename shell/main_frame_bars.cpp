// The frame's bars: the main tool bar, the birth-time and transit-time steppers on the same row, and
// the status bar with its message pane and the three lock indicators.
#include <QLabel>
#include <QStatusBar>
#include <QStyle>

#include "platform/painter_surface.h"
#include "platform/qt_fonts.h"
#include "shell/display_options.h"
#include "shell/main_frame.h"

const char* const kTimeStepUnits[7] = {"Sec", "15Sec", "Min", "Hour", "Day", "Month", "Year"};

namespace {

struct ToolButton {
    CommandId id;     // 0: a separator
    const char* tip;  // the button's tool tip
    const char* mark; // the letters on its icon, when the desktop style has no icon for it
    QStyle::StandardPixmap standard;
};

constexpr auto kNoStandard = QStyle::SP_CustomBase;
constexpr ToolButton kSeparator = {CommandId(0), "", "", kNoStandard};

constexpr ToolButton kMainToolBar[] = {
    {kCmdFileNew, "New", "", QStyle::SP_FileIcon},
    {kCmdFileOpen, "Open", "", QStyle::SP_DirOpenIcon},
    {kCmdFileSave, "Save", "", QStyle::SP_DialogSaveButton},
    {kCmdFilePrint, "Print", "Pr", kNoStandard},
    kSeparator,
    {kCmdSiddhanta, "Siddhanta", "Sd", kNoStandard},
    kSeparator,
    {kCmdEditBirthData, "Edit birthdata", "Bd", kNoStandard},
    {kCmdUndoLatestBirthTime, "Undo the latest birthtime change", "U1", kNoStandard},
    {kCmdUndoAllBirthTime, "Undo all the birthtime changes", "U*", kNoStandard},
    {kCmdChangeTimeZone, "Change the timezone", "Tz", kNoStandard},
    kSeparator,
    {kCmdSpecialPoint, "user defined special point", "Sp", kNoStandard},
    {kCmdKeyInformation, "Key information", "Ki", kNoStandard},
    {kCmdGoBackToNatal, "Go back to the natal chart", "Na", kNoStandard},
    kSeparator,
    {kCmdTwoVargas, "Mixed Chart View", "Mx", kNoStandard},
    {kCmdKalachakra, "Kala Chakra", "Kc", kNoStandard},
    {kCmdSarvatobhadra, "Sarvatobhadra Chakra", "Sb", kNoStandard},
    {kCmdKotaChakra, "Kota Chakra", "Kt", kNoStandard},
    kSeparator,
    {kCmdBhavaChakraReference, "bhava/chalit chakra reference", "Bh", kNoStandard},
    kSeparator,
    {kCmdMatchingScore, "Horoscope matching score", "Ma", kNoStandard},
    kSeparator,
    {kCmdBiggerFonts, "Use bigger fonts", "A+", kNoStandard},
    {kCmdSmallerFonts, "Use smaller fonts", "A-", kNoStandard},
    {kCmdNavigateBackward, "Navigate Backward", "", QStyle::SP_ArrowBack},
    {kCmdNavigateForward, "Navigate Forward", "", QStyle::SP_ArrowForward},
    kSeparator,
    {kCmdAppAbout, "About", "?", kNoStandard},
};

constexpr int kIconSize = 16; // pixels

// A tool-bar icon of one or two letters, drawn through the drawing surface like every other figure.
QIcon LetterIcon(const char* mark, double devicePixelRatio) {
    ImageSurface image(Size{kIconSize, kIconSize}, devicePixelRatio);
    DrawSurface& s = image.Surface();
    s.FillRect(Rect{0, 0, kIconSize, kIconSize}, Rgb(236, 233, 216));
    s.SelectPen(LogicalPen{Rgb(90, 90, 140), 1, PenStyle::kSolid});
    s.SelectBrush(LogicalBrush{0, true});
    s.Rectangle(Rect{0, 0, kIconSize, kIconSize});
    s.SelectFont(LogicalFont{"Arial Narrow", 13, 0, 700});
    s.SetTextColor(Rgb(20, 20, 90));
    s.DrawText(mark, Rect{0, 0, kIconSize, kIconSize},
               kTextCenter | kTextVCenter | kTextSingleLine | kTextNoClip);
    return QIcon(QPixmap::fromImage(image.Image()));
}

} // namespace

void CMainFrame::CreateToolBars() {
    QToolBar* main = addToolBar("Standard");
    main->setObjectName(kMainToolBarName);
    main->setIconSize(QSize(kIconSize, kIconSize));
    for (const ToolButton& button : kMainToolBar) {
        if (button.id == 0) {
            main->addSeparator();
            continue;
        }
        QAction* action = MakeAction(button.id, button.tip);
        action->setIcon(button.standard != kNoStandard ? style()->standardIcon(button.standard)
                                                       : LetterIcon(button.mark, devicePixelRatioF()));
        main->addAction(action);
    }
    addToolBar(CreateTimeStepBar("Birth time", kCmdBirthTimeBackward, kCmdBirthTimeForward,
                                 kCmdBirthTimeCombo, g_nTimeAdjBase, &m_birthTimeCombo));
    addToolBar(CreateTimeStepBar("Transit time", kCmdTransitTimeBackward, kCmdTransitTimeForward,
                                 kCmdTransitTimeCombo, g_nTranTimeAdjBase, &m_transitTimeCombo));
}

QToolBar* CMainFrame::CreateTimeStepBar(const char* name, CommandId back, CommandId forward,
                                        CommandId comboId, int selection, QComboBox** combo) {
    auto* bar = new QToolBar(name, this);
    bar->setObjectName(name);
    bar->setIconSize(QSize(kIconSize, kIconSize));
    const bool birth = back == kCmdBirthTimeBackward;
    // The transit stepper seems idle on the natal tabs: every part of a stepper names the moment it moves.
    const QString moment = birth ? "birth time" : "transit time";
    QAction* backward = MakeAction(back, birth ? "Move birthtime backward" : "Move transit time backward");
    backward->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
    backward->setToolTip("Step the " + moment + " back by the unit");
    bar->addAction(backward);

    *combo = new QComboBox(bar);
    (*combo)->setObjectName(QString::number(comboId));
    for (const char* unit : kTimeStepUnits) (*combo)->addItem(unit);
    (*combo)->setCurrentIndex(selection >= 0 && selection < 7 ? selection : 0);
    QFont font(InstalledFamilyFor("Arial Narrow"));
    font.setWeight(QFont::Thin);
    (*combo)->setFont(font);
    constexpr int kComboWidth = 60; // pixels, the room the combo box takes between the two buttons
    (*combo)->setFixedWidth(kComboWidth);
    (*combo)->setToolTip("The unit the " + moment + " steps by");
    bar->addWidget(*combo);

    QAction* onward = MakeAction(forward, birth ? "Move birthtime forward" : "Move transit time forward");
    onward->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    onward->setToolTip("Step the " + moment + " forward by the unit");
    bar->addAction(onward);
    return bar;
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // The message pane: "Ready" while no menu item explains itself there.
    bar->addWidget(new QLabel("Ready", bar), 1);
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(indicator, bar);
        label->setEnabled(false); // lock states are not read; the indicators stand as in the layout
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(label);
    }
}
