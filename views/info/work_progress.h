#pragma once
// The progress window of long work done in counted steps (houses searched, calendar rows, table days):
// application-modal, so the windows repaint and Cancel works while nothing else changes; it appears
// only once the work has taken longer than a moment.
#include <QPointer>
#include <QString>

class QProgressDialog;
class QWidget;

class CWorkProgress {
public:
    // `steps` in all; the window belongs to `parent` and goes with it.
    CWorkProgress(QWidget* parent, const QString& title, const QString& text, int steps);
    ~CWorkProgress();
    CWorkProgress(const CWorkProgress&) = delete;
    CWorkProgress& operator=(const CWorkProgress&) = delete;

    // Told after `done` steps (0 before the first); false once the user has cancelled or the window
    // went with its parent.
    bool Step(int done);

private:
    QPointer<QProgressDialog> m_dialog;
};
