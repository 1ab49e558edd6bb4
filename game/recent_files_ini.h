// The recent-file list in the text of the user's settings file, an INI file in the form the
// Qt settings class writes: the group "[Recent%20File%20List]" with the keys "File1" to
// "File<n>", each value one string. Only plain strings are read: a value of another type
// ("@Variant(...)", "@ByteArray(...)", a list) is never decoded, so no stored value can make
// the reader recurse or allocate beyond the text's own size.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct RecentFilesText {
    // File1, File2, ... in order, empty ones left out: the bytes of the file, escapes decoded
    // (a numeric escape names a character, which becomes UTF-8)
    std::vector<std::string> entries;
    bool bAllPlain = true;  // false when a key of the group holds anything but a plain string
};

// The entries of the keys File1 to File<nCount> of text. Entries that are not plain strings
// are left out and clear bAllPlain.
RecentFilesText ReadRecentFiles(std::string_view text, std::size_t nCount);

// text with the group replaced by one that holds entries as File1, File2, ... (no group when
// entries is empty), without a byte order mark. Each entry is written byte for byte, control
// characters escaped, so that ReadRecentFiles gives the same bytes back, also where they are not
// UTF-8. Every other line of text stays as it was; the group takes the place of its first
// occurrence, or is appended.
std::string ReplaceRecentFiles(std::string_view text, const std::vector<std::string>& entries);
