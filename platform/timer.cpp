#include "platform/timer.h"

unsigned CTimer::SetTimer(unsigned id, int milliseconds, std::function<void()> callback) {
    if (milliseconds < 0 || !callback || id == 0) return 0;
    KillTimer();
    m_timer.setSingleShot(true);
    m_connection = QObject::connect(&m_timer, &QTimer::timeout, std::move(callback));
    m_timer.start(milliseconds);
    return id;
}

void CTimer::KillTimer() {
    m_timer.stop();
    QObject::disconnect(m_connection);
}
