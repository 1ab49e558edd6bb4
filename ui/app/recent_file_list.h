// The recent-file list: the files last opened or saved, newest first, at most a fixed number.
// It is kept in the user's settings file and shown nowhere. Entries are native file names,
// byte for byte, so that a name that is not UTF-8 still names its file.
#pragma once

#include <QByteArray>
#include <QByteArrayList>

class CSettingsFile;

class CRecentFileList {
public:
    // The list holds at most nSize (> 0) entries.
    explicit CRecentFileList(int nSize);

    const QByteArrayList& Entries() const { return m_entries; }
    int Size() const { return m_nSize; }

    // Reads the group "Recent File List" with the keys "File1" to "File<n>" (recent_files_ini.h);
    // a file that cannot be read gives an empty list, a value that is not a plain string no
    // entry.
    void ReadList(const CSettingsFile& file);

    // Puts nativePath at the front and writes the list as that group, keeping the rest of the
    // file. The write merges under the file's lock: the list becomes nativePath, then the
    // entries the file holds now (other instances may have written since this one read it),
    // then this list's own older entries; an equal entry further down is removed and the
    // oldest fall off beyond the size. The write is skipped (false, nativePath still put at
    // the front of this list) where the file cannot be read or written safely
    // (settings_file.h) and where the group holds a value that is not a plain string: what
    // the game cannot read, it does not overwrite. An empty path is ignored.
    bool Add(const QByteArray& nativePath, const CSettingsFile& file);

private:
    // Appends the entries of older that the list lacks, while it has room.
    void AppendMissing(const QByteArrayList& older);

    int m_nSize;
    QByteArrayList m_entries;
};
