#pragma once
// A numbered timer that calls back on the user-interface thread after a delay in milliseconds.
#include <QTimer>
#include <functional>

class CTimer {
public:
    // Starts the timer `id`, which fires once after `milliseconds` (restarting it if it runs); returns
    // the id, or 0 when the timer cannot be set (a delay below 0 or no callback).
    unsigned SetTimer(unsigned id, int milliseconds, std::function<void()> callback);
    void KillTimer();
    bool IsActive() const { return m_timer.isActive(); }

private:
    QTimer m_timer;
    QMetaObject::Connection m_connection;
};
