// The user's settings file, read and written only where that cannot hang, crash or destroy
// anything: a regular file of a sane size, or for writing an absent one. Anything else (a
// FIFO, a device, a folder, a file too large) is left untouched and counts as unreadable.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QString>

// The largest settings file that is read; a larger one is left alone.
inline constexpr long long MAX_SETTINGS_FILE_SIZE = 1024 * 1024;

// How long a write waits for another writer's lock before it is skipped.
inline constexpr int SETTINGS_LOCK_WAIT_MS = 200;

// The folder of the user's settings by the XDG base directory rules: strXdgConfigHome when
// it is an absolute path (a relative one is ignored), else ".config" in the home folder, which
// is strHome when that is absolute, else strAccountHome (the user database's) when that is.
// Empty when none is absolute: there is then no settings file, rather than one in the
// current folder or below the file system's root.
QString ConfigHomeFolder(const QString& strXdgConfigHome, const QString& strHome,
                         const QString& strAccountHome);

class CSettingsFile {
public:
    // The file organisation/application.conf in ConfigHomeFolder of XDG_CONFIG_HOME, HOME and
    // the account's home: where the Qt settings class keeps it, so files written before
    // still count.
    CSettingsFile(const QString& strOrganization, const QString& strApplication);

    // Empty where ConfigHomeFolder is: Read then gives an empty list and Update does nothing.
    const QString& Path() const { return m_strPath; }

    // The file's text; empty when it does not exist; nothing when it is not a regular file, is
    // larger than MAX_SETTINGS_FILE_SIZE or cannot be read. Never blocks.
    std::optional<std::string> Read() const;

    // Replaces the text with fnChange(current text) under the lock "<path>.lock", which the Qt
    // settings class takes too. Skipped, and false returned, when the lock is not free within
    // SETTINGS_LOCK_WAIT_MS, when Read gives nothing, when fnChange gives nothing, or when the
    // new text would be too large to be read again. The new text replaces the old one whole
    // (a temporary file renamed over it) or not at all.
    bool Update(
        const std::function<std::optional<std::string>(const std::string&)>& fnChange) const;

private:
    QString m_strPath;
};
