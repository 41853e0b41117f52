#pragma once
// The whole program as main() assembles it, started offscreen on a test folder: message boxes answered
// and kept, the recent-file list in Qt's test settings, the program closed after each test and the
// process state put back.
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "app/application.h"
#include "core/data_folder.h"
#include "display/chart_source.h"
#include "display/chart_view.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/layout_table.h"
#include "shell/main_frame.h"
#include "shell/splash_wnd.h"
#include "views/info/info_view_registration.h"
#include "views/info/pane_support.h"
#include "views/periods/period_view_registration.h"
#include "views_test_support.h"

class ApplicationStartTest : public testing::Test {
protected:
    ApplicationStartTest() {
        // The recent-file list goes to a test folder, not the user's settings.
        QStandardPaths::setTestModeEnabled(true);
        RegisterChartViews();
        RegisterInfoViews();
        RegisterPeriodViews();
        m_previousHandler = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_messages.push_back(request.caption + ": " + request.text);
            m_bSplashOverAMessage = m_bSplashOverAMessage || CSplashWnd::IsShown();
            return request.buttons == MessageButtons::kOk ? MessageResult::kOk : m_answer;
        });
    }
    ~ApplicationStartTest() override {
        CSplashWnd::HideSplashScreen();
        m_application.ExitInstance();
        InitialiseEphemeris(); // closed by the program's shut-down; the next tests still calculate
        SetMessageBoxHandler(std::move(m_previousHandler));
        QStandardPaths::setTestModeEnabled(false);
    }

    std::string WriteChartFile(const QString& name, const std::string& text) {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path.toStdString();
    }

    static std::string ReadWhole(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }

    CView* PaneOf(unsigned node) {
        CVisualNode* found = m_application.MainFrame()->Framework().GetNode(node);
        return found ? dynamic_cast<CView*>(found->m_pWnd.data()) : nullptr;
    }

    // The document reaches the chart views, their chart source and the information panes.
    void ExpectViewsShow(CTavroDoc& document) {
        ASSERT_NE(g_pChartView, nullptr);
        EXPECT_EQ(g_pChartView->GetDocument(), &document);
        EXPECT_EQ(ChartOfPane(0), document.m_pCurrentChart);
        EXPECT_EQ(g_chartSource.natal(), &document.m_natalChart);
        CView* basicInfo = PaneOf(kNodeBasicInfo);
        ASSERT_NE(basicInfo, nullptr);
        EXPECT_EQ(TavroDocOf(*basicInfo), &document);
    }

    CScopedProcessState m_state; // whatever the program and the test changed comes back last
    QTemporaryDir m_folder;
    CTavroApp m_application;
    std::vector<std::string> m_messages;
    bool m_bSplashOverAMessage = false;              // a box was shown while the splash stood over it
    MessageResult m_answer = MessageResult::kCancel; // to "Save changes to ...?" and other questions
    MessageBoxHandler m_previousHandler;
};
