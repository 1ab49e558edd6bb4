#include "recent_files_ini.h"

#include <optional>

namespace {

const std::string_view GROUP = "Recent File List";
const std::string_view GROUP_HEADER = "[Recent%20File%20List]";
const std::string_view HEX_DIGITS = "0123456789abcdef";
const std::string_view BYTE_ORDER_MARK = "\xef\xbb\xbf";

// text without blanks at either end and without the CR of a CR LF line end.
std::string_view Trimmed(std::string_view text) {
    const std::size_t nStart = text.find_first_not_of(" \t");
    if (nStart == std::string_view::npos) {
        return {};
    }
    return text.substr(nStart, text.find_last_not_of(" \t\r") - nStart + 1);
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A group or key name with its "%XX" escapes decoded.
std::string DecodedName(std::string_view name) {
    std::string result;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '%' && i + 2 < name.size() && HexValue(name[i + 1]) >= 0 &&
            HexValue(name[i + 2]) >= 0) {
            result += static_cast<char>(HexValue(name[i + 1]) * 16 + HexValue(name[i + 2]));
            i += 2;
        } else {
            result += name[i];
        }
    }
    return result;
}

void AppendUtf8(std::string& out, unsigned long codePoint) {
    if (codePoint > 0x10ffff) {
        codePoint = 0xfffd;
    }
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xc0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xe0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (codePoint & 0x3f));
    }
}

// The string a value holds: quotes removed, backslash escapes ("\n", "\"", "\\", "\x41",
// octal) decoded, blanks outside quotes at either end dropped. Nothing when the value is a
// list (a comma outside quotes) or a typed value (a leading '@' that is not "@@").
std::optional<std::string> PlainValue(std::string_view raw) {
    std::string result;
    bool bQuoted = false;
    std::size_t nKeptLength = 0;  // the length without blanks outside quotes at its end
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '"') {
            bQuoted = !bQuoted;
            nKeptLength = result.size();
            continue;
        }
        if (c == ',' && !bQuoted) {
            return std::nullopt;
        }
        if (c == '\\' && i + 1 < raw.size()) {
            const char e = raw[++i];
            static const std::string_view SIMPLE = "a\ab\bf\fn\nr\rt\tv\v\"\"''??\\\\";
            const std::size_t nSimple = SIMPLE.find(e);
            if (nSimple != std::string_view::npos && nSimple % 2 == 0) {
                result += SIMPLE[nSimple + 1];
            } else if (e == 'x' || e == 'X') {
                unsigned long codePoint = 0;
                while (i + 1 < raw.size() && HexValue(raw[i + 1]) >= 0 && codePoint <= 0x10ffff) {
                    codePoint = codePoint * 16 + static_cast<unsigned long>(HexValue(raw[++i]));
                }
                AppendUtf8(result, codePoint);
            } else if (e >= '0' && e <= '7') {
                unsigned long codePoint = static_cast<unsigned long>(e - '0');
                while (i + 1 < raw.size() && raw[i + 1] >= '0' && raw[i + 1] <= '7' &&
                       codePoint <= 0x10ffff) {
                    codePoint = codePoint * 8 + static_cast<unsigned long>(raw[++i] - '0');
                }
                AppendUtf8(result, codePoint);
            } else {
                result += e;
            }
            nKeptLength = result.size();
            continue;
        }
        if ((c == ' ' || c == '\t') && !bQuoted) {
            if (!result.empty()) {
                result += c;
            }
            continue;
        }
        result += c;
        nKeptLength = result.size();
    }
    result.resize(nKeptLength);
    if (result.starts_with("@@")) {
        return result.substr(1);
    }
    if (result.starts_with('@')) {
        return std::nullopt;
    }
    return result;
}

// A value as the Qt settings class writes a string, so that it and this file read it back.
std::string EscapedValue(std::string_view value) {
    std::string result = value.starts_with('@') ? "@" : "";
    bool bQuote = !value.empty() && (value.front() == ' ' || value.back() == ' ');
    // After a numeric escape a hex digit is escaped too, or it would extend the number.
    bool bEscapeHexDigit = false;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        bQuote = bQuote || c == ';' || c == ',' || c == '=';
        if (bEscapeHexDigit && HexValue(c) >= 0) {
            result += "\\x";
            result += HEX_DIGITS[byte >> 4];
            result += HEX_DIGITS[byte & 0x0f];
            continue;
        }
        bEscapeHexDigit = false;
        static const std::string_view NAMED = "\aa\bb\ff\nn\rr\tt\vv\"\"\\\\";
        const std::size_t nNamed = c == '\0' ? std::string_view::npos : NAMED.find(c);
        if (c == '\0') {
            result += "\\0";
            bEscapeHexDigit = true;
        } else if (nNamed != std::string_view::npos && nNamed % 2 == 0) {
            result += '\\';
            result += NAMED[nNamed + 1];
        } else if (byte < 0x20) {
            result += "\\x";
            if (byte >= 0x10) {
                result += HEX_DIGITS[byte >> 4];
            }
            result += HEX_DIGITS[byte & 0x0f];
            bEscapeHexDigit = true;
        } else {
            result += c;
        }
    }
    return bQuote ? "\"" + result + "\"" : result;
}

// Calls fnLine(line, bInGroup) for each line of text (without its line end), where bInGroup
// tells whether the line belongs to the recent-file group, its header included. A UTF-8 byte
// order mark at the start is no part of the first line, as for the Qt settings class.
template <typename LineFn>
void ForEachLine(std::string_view text, LineFn fnLine) {
    if (text.starts_with(BYTE_ORDER_MARK)) {
        text.remove_prefix(BYTE_ORDER_MARK.size());
    }
    bool bInGroup = false;
    while (!text.empty()) {
        const std::size_t nEnd = text.find('\n');
        const std::string_view line = text.substr(0, nEnd);
        const std::string_view trimmed = Trimmed(line);
        if (trimmed.starts_with('[') && trimmed.ends_with(']')) {
            bInGroup = DecodedName(trimmed.substr(1, trimmed.size() - 2)) == GROUP;
        }
        fnLine(line, bInGroup);
        text.remove_prefix(nEnd == std::string_view::npos ? text.size() : nEnd + 1);
    }
}

}  // namespace

RecentFilesText ReadRecentFiles(std::string_view text, std::size_t nCount) {
    std::vector<std::optional<std::string>> values(nCount);
    RecentFilesText result;
    ForEachLine(text, [&](std::string_view line, bool bInGroup) {
        const std::size_t nEquals = line.find('=');
        if (!bInGroup || nEquals == std::string_view::npos) {
            return;
        }
        const std::string key = DecodedName(Trimmed(line.substr(0, nEquals)));
        for (std::size_t i = 0; i < nCount; ++i) {
            if (key == "File" + std::to_string(i + 1)) {
                values[i] = PlainValue(Trimmed(line.substr(nEquals + 1)));
                result.bAllPlain = result.bAllPlain && values[i].has_value();
            }
        }
    });
    for (const std::optional<std::string>& value : values) {
        if (value && !value->empty()) {
            result.entries.push_back(*value);
        }
    }
    return result;
}

std::string ReplaceRecentFiles(std::string_view text, const std::vector<std::string>& entries) {
    std::string group;
    if (!entries.empty()) {
        group = std::string(GROUP_HEADER) + "\n";
        for (std::size_t i = 0; i < entries.size(); ++i) {
            group += "File" + std::to_string(i + 1) + "=" + EscapedValue(entries[i]) + "\n";
        }
    }
    std::string result;
    bool bPlaced = false;
    ForEachLine(text, [&](std::string_view line, bool bInGroup) {
        if (!bInGroup) {
            result += line;
            result += '\n';
        } else if (!bPlaced) {
            result += group.empty() ? group : group + "\n";
            bPlaced = true;
        }
    });
    if (!bPlaced && !group.empty()) {
        if (!result.empty() && !result.ends_with("\n\n")) {
            result += '\n';
        }
        result += group;
    }
    return result;
}
