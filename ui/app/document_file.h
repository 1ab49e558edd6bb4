// The document's file on disk. The game stores nothing: opening a file only checks that it
// can be opened for reading and reads none of it; saving writes an empty file. File names
// are native byte strings, so a name that is not valid UTF-8 works like any other; only its
// display is approximate.
#pragma once

#include <cstddef>

#include <QByteArray>
#include <QString>

enum class FileError {
    None,
    NotFound,      // the file, or for a save its folder, does not exist
    IsDirectory,   // the name names a folder
    NotRegular,    // a FIFO, device or socket: refused, because opening it could block
    AccessDenied,  // permissions forbid it
    ReadOnly,      // the file system is mounted read-only
    NoSpace,       // the disk or quota is full
    Other,         // anything else the system reports
};

// Opens nativePath with nFlags (O_NONBLOCK is added) and checks that what was opened is a
// regular file; the type of the name is checked first, so that no FIFO or device is ever
// opened. On success *pFd holds the open descriptor, which the caller closes.
FileError OpenRegularFile(const QByteArray& nativePath, int nFlags, int* pFd);

// Opens nativePath for reading without reading from it and closes it again. Never blocks:
// anything but a regular file (after following links) is refused before it is opened, and
// the open itself does not wait.
FileError OpenDocumentFileForReading(const QByteArray& nativePath);

// Creates or truncates nativePath as an empty regular file. Refuses anything but a regular
// file, never blocks, and reports a failed close too, so that a success is a real one.
FileError WriteEmptyDocumentFile(const QByteArray& nativePath);

// Whether saving to nativePath without asking for a name would destroy content: an existing
// file that is not empty, or one that cannot be written. The document's own saved files are
// empty.
bool SaveNeedsNewName(const QByteArray& nativePath);

// nativePath made absolute against the current folder (no other change), so that the title
// and the recent-file list keep naming the same file after a change of folder.
QByteArray AbsoluteNativePath(const QByteArray& nativePath);

// The file name part of nativePath for the window title, shown as MessagePath shows a path
// ("Unbenannt" for an empty path is the caller's business).
QString DisplayFileName(const QByteArray& nativePath);

// The whole path as the text the save dialog proposes.
QString DisplayPath(const QByteArray& nativePath);

// The longest name a message box shows, in characters.
inline constexpr std::size_t MESSAGE_PATH_LENGTH = 160;

// The whole path for a message box: one line of printable characters, cut to
// MESSAGE_PATH_LENGTH (printable_text.h), so that a box never outgrows the screen.
QString MessagePath(const QByteArray& nativePath);

// The German message box texts for a failed open or save of strDisplayPath.
QString OpenErrorMessage(const QString& strDisplayPath, FileError eError);
QString SaveErrorMessage(const QString& strDisplayPath, FileError eError);
