#include "settings_file.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

#include "document_file.h"

namespace {

// The home folder the user database names for the account running the program.
QString AccountHome() {
    const passwd* pAccount = ::getpwuid(::getuid());
    return pAccount && pAccount->pw_dir ? QFile::decodeName(pAccount->pw_dir) : QString();
}

// Whether nothing but a regular file (or, with bAbsentAllowed, nothing) is at strPath, links
// followed.
bool IsRegularOrAbsent(const QString& strPath, bool bAbsentAllowed) {
    struct stat info {};
    if (::stat(QFile::encodeName(strPath).constData(), &info) != 0) {
        return bAbsentAllowed && errno == ENOENT;
    }
    return S_ISREG(info.st_mode);
}

}  // namespace

QString ConfigHomeFolder(const QString& strXdgConfigHome, const QString& strHome,
                         const QString& strAccountHome) {
    if (strXdgConfigHome.startsWith(QLatin1Char('/'))) {
        return strXdgConfigHome;
    }
    for (const QString& strFolder : {strHome, strAccountHome}) {
        if (strFolder.startsWith(QLatin1Char('/'))) {
            return QDir::cleanPath(strFolder + QStringLiteral("/.config"));
        }
    }
    return QString();
}

CSettingsFile::CSettingsFile(const QString& strOrganization, const QString& strApplication) {
    const QString strFolder = ConfigHomeFolder(qEnvironmentVariable("XDG_CONFIG_HOME"),
                                               qEnvironmentVariable("HOME"), AccountHome());
    if (!strFolder.isEmpty()) {
        m_strPath = strFolder + QLatin1Char('/') + strOrganization + QLatin1Char('/') +
                    strApplication + QStringLiteral(".conf");
    }
}

std::optional<std::string> CSettingsFile::Read() const {
    int nFd = -1;
    const FileError eError = OpenRegularFile(QFile::encodeName(m_strPath), O_RDONLY, &nFd);
    if (eError != FileError::None) {
        return eError == FileError::NotFound ? std::optional<std::string>(std::string())
                                             : std::nullopt;
    }
    // One byte more than allowed tells a file that is too large.
    std::string buffer(static_cast<std::size_t>(MAX_SETTINGS_FILE_SIZE) + 1, '\0');
    std::size_t nRead = 0;
    ssize_t nChunk = 0;
    while (nRead < buffer.size() &&
           (nChunk = ::read(nFd, buffer.data() + nRead, buffer.size() - nRead)) > 0) {
        nRead += static_cast<std::size_t>(nChunk);
    }
    ::close(nFd);
    if (nChunk < 0 || nRead > static_cast<std::size_t>(MAX_SETTINGS_FILE_SIZE)) {
        return std::nullopt;
    }
    buffer.resize(nRead);
    return buffer;
}

bool CSettingsFile::Update(
    const std::function<std::optional<std::string>(const std::string&)>& fnChange) const {
    if (m_strPath.isEmpty()) {
        return false;
    }
    const QString strLockPath = m_strPath + QStringLiteral(".lock");
    // A FIFO or device at the lock's name would block the lock's check of its owner.
    if (!IsRegularOrAbsent(strLockPath, true) || !IsRegularOrAbsent(m_strPath, true)) {
        return false;
    }
    if (!QDir().mkpath(QFileInfo(m_strPath).path())) {
        return false;
    }
    QLockFile lock(strLockPath);
    if (!lock.tryLock(SETTINGS_LOCK_WAIT_MS)) {
        return false;
    }
    const std::optional<std::string> oldText = Read();
    if (!oldText) {
        return false;
    }
    const std::optional<std::string> newText = fnChange(*oldText);
    if (!newText || newText->size() > static_cast<std::size_t>(MAX_SETTINGS_FILE_SIZE)) {
        return false;
    }
    // The save file writes next to a link's target and renames over it; Read has just found
    // the target to be a regular file or absent.
    QSaveFile file(m_strPath);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto nSize = static_cast<qint64>(newText->size());
    if (file.write(newText->data(), nSize) != nSize) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
