#pragma once
// The main window as the program assembles it on a screen: its panes, the document joined to them and
// the document's commands in its menus; the chart style chosen through the preferences.
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "../shell/dialogs/dialog_test_support.h"
#include "app/chart_document_link.h"
#include "display/chart_view.h"
#include "shell/command_ids.h"
#include "shell/dialogs/document_commands.h"
#include "shell/dialogs/option_dialogs.h"
#include "shell/main_frame.h"
#include "views/chakras/chakra_view_registration.h"
#include "views/forms/form_view_registration.h"
#include "views/info/info_view_registration.h"
#include "views/periods/period_view_registration.h"
#include "views_test_support.h"

// A screen and the main window's size on it, below its title bar.
struct MainWindowScreen {
    Size desktop;
    QSize window;
};
inline constexpr MainWindowScreen kSmallScreen{{1366, 768}, QSize(1366, 743)};
inline constexpr MainWindowScreen kLargeScreen{{1600, 1000}, QSize(1600, 975)};
// The chart styles' entries in the style list: South Indian Regular, North Indian, East Indian.
inline constexpr int kChartStyles[] = {0, 2, 3};
// The chart view on the left of the Basics tab.
inline constexpr unsigned kBasicsChartNode = 21;

class MainWindowTest : public PaneTest {
protected:
    MainWindowTest() {
        RegisterChartViews();
        RegisterInfoViews();
        RegisterPeriodViews();
        RegisterChakraViews();
        RegisterFormViews();
        ConnectDocument(m_document);
    }
    ~MainWindowTest() override {
        m_link.reset();
        m_frame.reset();
        DisconnectDocument();
    }

    CMainFrame& Start(const MainWindowScreen& screen) {
        m_link.reset();
        m_frame = std::make_unique<CMainFrame>(Rect{0, 0, screen.desktop.cx, screen.desktop.cy});
        CCreateContext context;
        context.m_pCurrentDoc = &m_document;
        m_frame->Create(context);
        m_link = std::make_unique<CFrameDocumentLink>(*m_frame, m_document);
        BindDocumentCommands(*m_frame, m_document);
        m_frame->setWindowState(Qt::WindowNoState);
        m_frame->resize(screen.window);
        m_frame->show();
        QApplication::processEvents();
        return *m_frame;
    }

    // Preferences > Related to Display > Chart Style and Language, the style chosen and OK pressed.
    void ChooseChartStyle(int style) {
        WhenModal<CChartStyleDlg>([style](CChartStyleDlg& dialog) {
            static_cast<QComboBox*>(dialog.Control(1))->setCurrentIndex(style);
            dialog.accept();
        });
        QAction* command = MenuItem({"&Preferences", "Related to Display", "Chart Style and Language"});
        ASSERT_NE(command, nullptr);
        command->trigger();
        ASSERT_EQ(g_nChartStyle, style);
    }

    // The fonts made `steps` sizes bigger, or smaller where `steps` is negative, as the user's choices of
    // Preferences > Related to Display > Font size adjustment > Use bigger (smaller) fonts make them.
    void ChangeFontSize(int steps) {
        QAction* command = FontSizeCommand(steps);
        ASSERT_NE(command, nullptr);
        for (int k = 0; k < std::abs(steps); ++k) command->trigger();
        QApplication::processEvents();
    }

    // The views of class View among the window's panes, each with its node.
    template <class View> std::vector<std::pair<CVisualNode*, View*>> Panes() {
        std::vector<std::pair<CVisualNode*, View*>> panes;
        for (const auto& [id, node] : m_frame->Framework().Nodes())
            if (auto* view = dynamic_cast<View*>(node->m_pWnd.data())) panes.emplace_back(node.get(), view);
        return panes;
    }

    // The item at the end of `path` in the window's menu bar, through its submenus, e.g. {"&File", "&New"};
    // null, and a failure, when there is none.
    QAction* MenuItem(std::initializer_list<const char*> path) {
        QList<QAction*> items = m_frame->menuBar()->actions();
        QAction* found = nullptr;
        for (const char* text : path) {
            const auto named =
                std::find_if(items.begin(), items.end(), [&](QAction* a) { return a->text() == text; });
            if (named == items.end()) {
                ADD_FAILURE() << "no menu item " << text;
                return nullptr;
            }
            found = *named;
            items = found->menu() ? found->menu()->actions() : QList<QAction*>{};
        }
        return found;
    }

    // The menu's "Use bigger fonts" (for `direction` > 0) or "Use smaller fonts" command.
    QAction* FontSizeCommand(int direction) {
        return MenuItem({"&Preferences", "Related to Display", "Font size adjustment",
                         direction > 0 ? "Use bigger fonts" : "Use smaller fonts"});
    }

    static void Show(CVisualNode* node) {
        ASSERT_TRUE(node->m_pFramework->ActivateNode(node));
        QApplication::processEvents();
    }

    // The chart view of node `id`, shown; null when the node holds none.
    CChartView* ShowChartView(unsigned id) {
        CVisualNode* node = m_frame->Framework().GetNode(id);
        EXPECT_NE(node, nullptr);
        auto* view = node ? dynamic_cast<CChartView*>(node->m_pWnd.data()) : nullptr;
        EXPECT_NE(view, nullptr) << id;
        if (view) Show(node);
        return view;
    }

    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<CFrameDocumentLink> m_link;
};
