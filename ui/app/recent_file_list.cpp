#include "recent_file_list.h"

#include "recent_files_ini.h"
#include "settings_file.h"

namespace {

QByteArrayList StoredEntries(const RecentFilesText& stored) {
    QByteArrayList entries;
    for (const std::string& strEntry : stored.entries) {
        entries.append(QByteArray::fromStdString(strEntry));
    }
    return entries;
}

}  // namespace

CRecentFileList::CRecentFileList(int nSize) : m_nSize(nSize) {}

void CRecentFileList::AppendMissing(const QByteArrayList& older) {
    for (const QByteArray& entry : older) {
        if (m_entries.size() >= m_nSize) {
            return;
        }
        if (!m_entries.contains(entry)) {
            m_entries.append(entry);
        }
    }
}

void CRecentFileList::ReadList(const CSettingsFile& file) {
    m_entries.clear();
    const std::optional<std::string> text = file.Read();
    if (text) {
        AppendMissing(StoredEntries(ReadRecentFiles(*text, static_cast<std::size_t>(m_nSize))));
    }
}

bool CRecentFileList::Add(const QByteArray& nativePath, const CSettingsFile& file) {
    if (nativePath.isEmpty()) {
        return false;
    }
    const QByteArrayList own = m_entries;
    m_entries = {nativePath};
    AppendMissing(own);
    return file.Update([&](const std::string& text) -> std::optional<std::string> {
        const RecentFilesText stored = ReadRecentFiles(text, static_cast<std::size_t>(m_nSize));
        if (!stored.bAllPlain) {
            return std::nullopt;
        }
        m_entries = {nativePath};
        AppendMissing(StoredEntries(stored));
        AppendMissing(own);
        std::vector<std::string> entries;
        for (const QByteArray& entry : m_entries) {
            entries.push_back(entry.toStdString());
        }
        return ReplaceRecentFiles(text, entries);
    });
}
