// The recent-file list: the files last opened or saved, newest first, at most a fixed number.
// It is kept in the user's settings file and shown nowhere.
#pragma once

#include <QString>
#include <QStringList>

class CSettingsFile;

class CRecentFileList {
public:
    // The list holds at most nSize (> 0) entries.
    explicit CRecentFileList(int nSize);

    // Puts strPath at the front; an equal entry further down is removed and the oldest entry
    // falls off when the list is full. An empty path is ignored.
    void Add(const QString& strPath);

    const QStringList& Entries() const { return m_entries; }
    int Size() const { return m_nSize; }

    // Reads the group "Recent File List" with the keys "File1" to "File<n>" (recent_files_ini.h);
    // a file that cannot be read gives an empty list, a value that is not a plain string no
    // entry.
    void ReadList(const CSettingsFile& file);

    // Writes the list as that group, keeping the rest of the file. Skipped (false) where the
    // file cannot be read or written safely (settings_file.h) and where the group holds a value
    // that is not a plain string: what the game cannot read, it does not overwrite.
    bool WriteList(const CSettingsFile& file) const;

private:
    int m_nSize;
    QStringList m_entries;
};
