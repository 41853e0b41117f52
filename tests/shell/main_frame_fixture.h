#pragma once
// A main frame built offscreen on a desktop of a given size, with message boxes answered and recorded;
// whatever a test changes comes back afterwards.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"
#include "shell/tab_wnd.h"
#include "tests/process_state.h"

class MainFrameTest : public testing::Test {
protected:
    void SetUp() override {
        // Loaded before a test sets its options, which the frame's own loading would overwrite.
        if (!g_bPreferencesInitialised) InitPreferences();
        m_previousHandler = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_messages.push_back(request.caption + ": " + request.text);
            return MessageResult::kOk;
        });
    }
    void TearDown() override {
        m_frame.reset();
        SetMessageBoxHandler(std::move(m_previousHandler));
    }

    // Builds the frame for a desktop of `width` x `height` pixels, sized to it and laid out.
    CMainFrame& Build(int width = 1366, int height = 768) {
        m_frame = std::make_unique<CMainFrame>(Rect{0, 0, width, height});
        m_frame->Create(CCreateContext{});
        m_frame->setWindowState(Qt::WindowNoState);
        m_frame->resize(width, height);
        m_frame->show();
        m_frame->grab(); // lays out and paints everything once
        return *m_frame;
    }

    CVisualNode& Node(unsigned id) {
        CVisualNode* node = m_frame->Framework().GetNode(id);
        EXPECT_NE(node, nullptr) << id;
        return *node;
    }
    CTabWnd* Tabs(unsigned id) { return dynamic_cast<CTabWnd*>(Node(id).m_pWnd.data()); }
    std::string ActiveTitle(unsigned tabWindowId) {
        CTabWnd* tabs = Tabs(tabWindowId);
        return tabs && tabs->GetTab(tabs->GetActiveIndex()) ? tabs->GetTab(tabs->GetActiveIndex())->GetTitle()
                                                            : "";
    }

    CScopedProcessState m_state; // taken before the preferences load: every test loads them alike
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<std::string> m_messages;
    MessageBoxHandler m_previousHandler;
};
