#pragma once
// The list of recently opened chart files, newest first, kept in a settings file: the user's settings
// of the program ("Kalomithra Hora/Kalomithra Hora.conf" in the user's configuration folder) unless
// another is given; group "Recent File List", keys File1 ... FileN.
#include <QString>
#include <QStringList>
#include <string>

#include "core/whole_file.h"

// The most the settings file may hold: the list takes well under a kilobyte.
inline constexpr FileSizeLimit kRecentFileListLimit = {1 << 20, "the settings file of the recent-file list"};

class CRecentFileList {
public:
    static constexpr int kDefaultSize = 16; // entries the program keeps

    // Where QSettings keeps the program's settings (organisation and application "Kalomithra Hora"),
    // named so that its size can be looked at before QSettings reads it whole.
    static QString UserSettingsFile();

    explicit CRecentFileList(int size = kDefaultSize, QString settingsFile = UserSettingsFile());

    // From the settings file. One that is no regular file or larger than kRecentFileListLimit is not
    // read (its size is looked at first), nor written over later: ReadFailure then says why.
    void ReadList();
    void WriteList() const; // into the settings file, unless it was refused
    // Empty unless the last ReadList refused the settings file: the file and the cause.
    const std::string& ReadFailure() const { return m_readFailure; }
    // Puts `path` first (moving it up when it is already listed) and drops the oldest past the size.
    void Add(const QString& path);
    void Remove(int index);
    int GetSize() const { return m_size; }
    const QStringList& Paths() const { return m_paths; }
    // Menu text of entry `index`: "&1 name.tvd" (the file name only).
    QString MenuText(int index) const;

private:
    int m_size;
    QString m_settingsFile;
    QStringList m_paths;
    std::string m_readFailure;
};
