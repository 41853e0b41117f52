#pragma once
// What the form tests share: the Chennai document the forms drive, a second one the document's own
// calls are made on, the message boxes the forms showed, and forms made on the first document.
#include <memory>
#include <vector>

#include "core/option_snapshot.h"
#include "document/dasa_codes.h"
#include "document/document_state.h"
#include "platform/message_box.h"
#include "tests/indian_moment.h"
#include "tests/views/views_test_support.h"

class FormTest : public PaneTest {
protected:
    FormTest() {
        const DocumentStatus status = m_reference.ReadChartText(kChennaiChartText, "chennai.tvd");
        EXPECT_TRUE(status.ok()) << status.error;
        m_savedBoxes = SetMessageBoxHandler([this](const MessageBoxRequest& request) {
            m_boxes.push_back(request);
            return MessageResult::kOk;
        });
    }
    ~FormTest() override { SetMessageBoxHandler(m_savedBoxes); }

    // A form of class Form on the driven document, as the layout makes it.
    template <class Form> std::unique_ptr<Form> MakeForm() {
        auto form = std::make_unique<Form>();
        form->SetDocument(&m_document);
        form->OnInitialUpdate();
        form->resize(700, 600);
        return form;
    }

    // The driven document shows the same chart, in the same mode, as the reference document.
    void ExpectSameChart() const {
        EXPECT_NE(m_document.m_nMode, kModeNatal) << "nothing was cast";
        EXPECT_EQ(m_document.m_nMode, m_reference.m_nMode);
        const CChart& through = *m_document.m_pCurrentChart;
        const CChart& direct = *m_reference.m_pCurrentChart;
        EXPECT_EQ(through.m_strTitle, direct.m_strTitle);
        EXPECT_DOUBLE_EQ(through.GetJulianDay(), direct.GetJulianDay());
        for (int body = 0; body <= 12; ++body) {
            SCOPED_TRACE(body);
            EXPECT_DOUBLE_EQ(through.m_bodies[body].m_dLongitude, direct.m_bodies[body].m_dLongitude);
        }
    }

    // The captions of the boxes shown so far.
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& box : m_boxes) captions.push_back(box.caption);
        return captions;
    }

    CTavroDoc m_reference;
    std::vector<MessageBoxRequest> m_boxes;

private:
    MessageBoxHandler m_savedBoxes;
};

