#include "recent_file_list.h"

#include <QSettings>

namespace {
const QString SECTION = QStringLiteral("Recent File List");

QString EntryKey(int nIndex) {
    return QStringLiteral("File%1").arg(nIndex + 1);
}
}  // namespace

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

void CRecentFileList::ReadList(QSettings& settings) {
    m_entries.clear();
    settings.beginGroup(SECTION);
    for (int i = 0; i < m_nSize; ++i) {
        const QString strPath = settings.value(EntryKey(i)).toString();
        if (!strPath.isEmpty() && !m_entries.contains(strPath)) {
            m_entries.append(strPath);
        }
    }
    settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const {
    settings.remove(SECTION);
    settings.beginGroup(SECTION);
    for (int i = 0; i < m_entries.size(); ++i) {
        settings.setValue(EntryKey(i), m_entries.at(i));
    }
    settings.endGroup();
}
