#pragma once
// The list of recently opened chart files, newest first, kept in the user's settings of the program
// (organisation and application "Kalomithra Hora", group "Recent File List", keys File1 ... FileN).
#include <QString>
#include <QStringList>

class CRecentFileList {
public:
    static constexpr int kDefaultSize = 16; // entries the program keeps

    explicit CRecentFileList(int size = kDefaultSize);

    void ReadList();        // from the settings
    void WriteList() const; // into the settings
    // Puts `path` first (moving it up when it is already listed) and drops the oldest past the size.
    void Add(const QString& path);
    void Remove(int index);
    int GetSize() const { return m_size; }
    const QStringList& Paths() const { return m_paths; }
    // Menu text of entry `index`: "&1 name.tvd" (the file name only).
    QString MenuText(int index) const;

private:
    int m_size;
    QStringList m_paths;
};
