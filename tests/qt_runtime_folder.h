#pragma once
// Qt makes a "runtime-<user>" folder in the temporary folder, and leaves it there, when XDG_RUNTIME_DIR is
// unset (as under a service or in a container): a test run then points the variable at a folder of its
// own, removed with this object. Make it before the QApplication and let it go after.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

class QtRuntimeFolder {
public:
    QtRuntimeFolder() {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
        m_folder.emplace(QDir::tempPath() + "/kh-runtime-XXXXXX"); // made for the owner alone, as Qt asks
        if (m_folder->isValid()) qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_folder->path()));
    }
    ~QtRuntimeFolder() {
        if (m_folder) qunsetenv("XDG_RUNTIME_DIR");
    }
    QtRuntimeFolder(const QtRuntimeFolder&) = delete;
    QtRuntimeFolder& operator=(const QtRuntimeFolder&) = delete;

private:
    std::optional<QTemporaryDir> m_folder;
};
