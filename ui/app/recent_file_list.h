// The recent-file list: the files last opened or saved, newest first, at most a fixed number.
// It is kept in the user's settings of the application and shown nowhere.
#pragma once

#include <QString>
#include <QStringList>

class QSettings;

class CRecentFileList {
public:
    // The list holds at most nSize (> 0) entries.
    explicit CRecentFileList(int nSize);

    // Puts strPath at the front; an equal entry further down is removed and the oldest entry
    // falls off when the list is full. An empty path is ignored.
    void Add(const QString& strPath);

    const QStringList& Entries() const { return m_entries; }
    int Size() const { return m_nSize; }

    // Reads and writes the group "Recent File List" with the keys "File1" to "File<n>"; Write
    // removes keys that no longer hold an entry.
    void ReadList(QSettings& settings);
    void WriteList(QSettings& settings) const;

private:
    int m_nSize;
    QStringList m_entries;
};
