#include "platform/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>

namespace {
constexpr const char* kOrganisation = "Kalomithra Hora";
constexpr const char* kGroup = "Recent File List";
} // namespace

CRecentFileList::CRecentFileList(int size) : m_size(size) {}

void CRecentFileList::ReadList() {
    QSettings settings(kOrganisation, kOrganisation);
    settings.beginGroup(kGroup);
    m_paths.clear();
    for (int i = 1; i <= m_size; ++i) {
        const QString path = settings.value(QString("File%1").arg(i)).toString();
        if (!path.isEmpty()) m_paths.append(path);
    }
}

void CRecentFileList::WriteList() const {
    QSettings settings(kOrganisation, kOrganisation);
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (int i = 0; i < m_paths.size(); ++i) settings.setValue(QString("File%1").arg(i + 1), m_paths[i]);
}

void CRecentFileList::Add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_paths.removeAll(absolute);
    m_paths.prepend(absolute);
    while (m_paths.size() > m_size) m_paths.removeLast();
}

void CRecentFileList::Remove(int index) {
    if (index >= 0 && index < m_paths.size()) m_paths.removeAt(index);
}

QString CRecentFileList::MenuText(int index) const {
    return QString("&%1 %2").arg(index + 1).arg(QFileInfo(m_paths.value(index)).fileName());
}
