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

class CSettingsFile {
public:
    // The file organisation/application.conf below $XDG_CONFIG_HOME, or ~/.config without it:
    // where the Qt settings class keeps it, so files written before still count.
    CSettingsFile(const QString& strOrganization, const QString& strApplication);

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
