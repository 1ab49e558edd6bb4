#include "recent_file_list.h"

#include "recent_files_ini.h"
#include "settings_file.h"

CRecentFileList::CRecentFileList(int nSize) : m_nSize(nSize) {}

void CRecentFileList::Add(const QString& strPath) {
    if (strPath.isEmpty()) {
        return;
    }
    m_entries.removeAll(strPath);
    m_entries.prepend(strPath);
    while (m_entries.size() > m_nSize) {
        m_entries.removeLast();
    }
}

void CRecentFileList::ReadList(const CSettingsFile& file) {
    m_entries.clear();
    const std::optional<std::string> text = file.Read();
    if (!text) {
        return;
    }
    for (const std::string& strEntry :
         ReadRecentFiles(*text, static_cast<std::size_t>(m_nSize)).entries) {
        const QString strPath = QString::fromStdString(strEntry);
        if (!m_entries.contains(strPath)) {
            m_entries.append(strPath);
        }
    }
}

bool CRecentFileList::WriteList(const CSettingsFile& file) const {
    std::vector<std::string> entries;
    for (const QString& strPath : m_entries) {
        entries.push_back(strPath.toStdString());
    }
    return file.Update([&](const std::string& text) -> std::optional<std::string> {
        if (!ReadRecentFiles(text, static_cast<std::size_t>(m_nSize)).bAllPlain) {
            return std::nullopt;
        }
        return ReplaceRecentFiles(text, entries);
    });
}
