#include "platform/recent_file_list.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <unistd.h>

namespace {
constexpr const char* kGroup = "Recent File List";

// Why the settings file at `path` must not be read: not a regular file, or too large. Empty when it
// may be read (or does not exist).
std::string RefusalOf(const std::string& path) {
    FileReadResult failure;
    const int fd = OpenRegularFile(path, failure);
    if (fd < 0) return failure.outcome == FileReadResult::Outcome::kMissing ? std::string() : failure.message;
    ::close(fd);
    const auto size = static_cast<std::uint64_t>(QFileInfo(QString::fromStdString(path)).size());
    return size > kRecentFileListLimit.bytes ? FileTooLargeMessage(path, size, kRecentFileListLimit)
                                             : std::string();
}
} // namespace

QString CRecentFileList::UserSettingsFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           "/Kalomithra Hora/Kalomithra Hora.conf";
}

CRecentFileList::CRecentFileList(int size, QString settingsFile)
    : m_size(size), m_settingsFile(std::move(settingsFile)) {}

void CRecentFileList::ReadList() {
    m_paths.clear();
    m_readFailure = RefusalOf(m_settingsFile.toStdString());
    if (!m_readFailure.empty()) return;
    QSettings settings(m_settingsFile, QSettings::IniFormat);
    settings.beginGroup(kGroup);
    for (int i = 1; i <= m_size; ++i) {
        const QString path = settings.value(QString("File%1").arg(i)).toString();
        if (!path.isEmpty()) m_paths.append(path);
    }
}

void CRecentFileList::WriteList() const {
    if (!m_readFailure.empty()) return; // the user's file stays as it was
    QSettings settings(m_settingsFile, QSettings::IniFormat);
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
