#include "document_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <climits>

#include <QFile>

#include "printable_text.h"
#include "resource_text.h"
#include "user_texts.h"

namespace {

FileError ErrorOfErrno(int nErrno) {
    switch (nErrno) {
        case ENOENT:
        case ENOTDIR:
            return FileError::NotFound;
        case EISDIR:
            return FileError::IsDirectory;
        case EACCES:
        case EPERM:
            return FileError::AccessDenied;
        case EROFS:
            return FileError::ReadOnly;
        case ENOSPC:
        case EDQUOT:
            return FileError::NoSpace;
        case ENXIO:
        case ENODEV:
            return FileError::NotRegular;
        default:
            return FileError::Other;
    }
}

FileError ErrorOfFileType(mode_t nMode) {
    if (S_ISDIR(nMode)) {
        return FileError::IsDirectory;
    }
    return S_ISREG(nMode) ? FileError::None : FileError::NotRegular;
}

// Opens nativePath as OpenRegularFile does and closes it again; a failing close is an error
// of the operation.
FileError OpenAndClose(const QByteArray& nativePath, int nFlags) {
    int nFd = -1;
    const FileError eError = OpenRegularFile(nativePath, nFlags, &nFd);
    if (eError != FileError::None) {
        return eError;
    }
    return ::close(nFd) == 0 ? FileError::None : ErrorOfErrno(errno);
}

QString Reason(FileError eError, bool bSaving) {
    switch (eError) {
        case FileError::None:
            return QString();
        case FileError::NotFound:
            return bSaving ? UserText(TEXT_NO_SUCH_FOLDER) : UserText(TEXT_NO_SUCH_FILE);
        case FileError::IsDirectory:
            return UserText(TEXT_IS_FOLDER);
        case FileError::NotRegular:
            return UserText(TEXT_NOT_REGULAR);
        case FileError::AccessDenied:
            return UserText(TEXT_ACCESS_DENIED);
        case FileError::ReadOnly:
            return UserText(TEXT_READ_ONLY);
        case FileError::NoSpace:
            return UserText(TEXT_DISK_FULL);
        case FileError::Other:
            break;
    }
    return bSaving ? UserText(TEXT_CANNOT_WRITE) : UserText(TEXT_CANNOT_READ);
}

}  // namespace

FileError OpenRegularFile(const QByteArray& nativePath, int nFlags, int* pFd) {
    if (nativePath.isEmpty() || nativePath.contains('\0')) {
        return FileError::NotFound;
    }
    struct stat info {};
    if (::stat(nativePath.constData(), &info) == 0) {
        const FileError eType = ErrorOfFileType(info.st_mode);
        if (eType != FileError::None) {
            return eType;
        }
    } else if (errno != ENOENT || (nFlags & O_CREAT) == 0) {
        return ErrorOfErrno(errno);
    }
    const int nFd =
        ::open(nativePath.constData(), nFlags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (nFd < 0) {
        return ErrorOfErrno(errno);
    }
    // The name may have been replaced between the check and the open.
    if (::fstat(nFd, &info) != 0) {
        const int nErrno = errno;
        ::close(nFd);
        return ErrorOfErrno(nErrno);
    }
    const FileError eType = ErrorOfFileType(info.st_mode);
    if (eType != FileError::None) {
        ::close(nFd);
        return eType;
    }
    *pFd = nFd;
    return FileError::None;
}

FileError OpenDocumentFileForReading(const QByteArray& nativePath) {
    return OpenAndClose(nativePath, O_RDONLY);
}

FileError WriteEmptyDocumentFile(const QByteArray& nativePath) {
    return OpenAndClose(nativePath, O_WRONLY | O_CREAT | O_TRUNC);
}

bool SaveNeedsNewName(const QByteArray& nativePath) {
    struct stat info {};
    if (nativePath.isEmpty() || ::stat(nativePath.constData(), &info) != 0) {
        return nativePath.isEmpty();
    }
    return !S_ISREG(info.st_mode) || info.st_size > 0 ||
           ::access(nativePath.constData(), W_OK) != 0;
}

QByteArray AbsoluteNativePath(const QByteArray& nativePath) {
    if (nativePath.isEmpty() || nativePath.startsWith('/')) {
        return nativePath;
    }
    char szFolder[PATH_MAX];
    if (::getcwd(szFolder, sizeof szFolder) == nullptr) {
        return nativePath;
    }
    QByteArray absolute(szFolder);
    if (!absolute.endsWith('/')) {
        absolute += '/';
    }
    return absolute + nativePath;
}

QString DisplayFileName(const QByteArray& nativePath) {
    const qsizetype nSlash = nativePath.lastIndexOf('/');
    return MessagePath(nSlash < 0 ? nativePath : nativePath.mid(nSlash + 1));
}

QString DisplayPath(const QByteArray& nativePath) {
    return QFile::decodeName(nativePath);
}

QString OpenErrorMessage(const QString& strDisplayPath, FileError eError) {
    return UserText(TEXT_CANNOT_OPEN, strDisplayPath, Reason(eError, false));
}

QString SaveErrorMessage(const QString& strDisplayPath, FileError eError) {
    return UserText(TEXT_CANNOT_SAVE, strDisplayPath, Reason(eError, true));
}

QString MessagePath(const QByteArray& nativePath) {
    return QString::fromStdString(PrintableExcerpt(
        std::string_view(nativePath.constData(), static_cast<std::size_t>(nativePath.size())),
        MESSAGE_PATH_LENGTH));
}
