#include "views/info/work_progress.h"

#include <QProgressDialog>
#include <algorithm>

namespace {
constexpr int kShowAfterMs = 400; // work quicker than this shows no window
} // namespace

CWorkProgress::CWorkProgress(QWidget* parent, const QString& title, const QString& text, int steps)
    : m_dialog(new QProgressDialog(text, "Cancel", 0, std::max(1, steps), parent)) {
    m_dialog->setWindowTitle(title);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setMinimumDuration(kShowAfterMs);
    m_dialog->setAutoReset(false);
}

CWorkProgress::~CWorkProgress() {
    delete m_dialog;
}

bool CWorkProgress::Step(int done) {
    if (!m_dialog) return false;
    m_dialog->setValue(done);
    return m_dialog && !m_dialog->wasCanceled();
}
