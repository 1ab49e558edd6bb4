#include "version_info.h"

#include <cstring>

namespace {

// Key, value of the German string block.
constexpr std::array<VersionStringEntry, 9> STRINGS = {{
    {"CompanyName", ""},
    {"FileDescription", "Pelvar-Anwendung"},
    {"FileVersion", "1, 0, 0, 1"},
    {"InternalName", "Pelvar"},
    {"LegalCopyright", COPYRIGHT_NOTICE},
    {"LegalTrademarks", ""},
    {"OriginalFilename", "Pelvar.EXE"},
    {"ProductName", "Anwendung Pelvar"},
    {"ProductVersion", "1, 0, 0, 1"},
}};

constexpr VersionInfo VERSION = {
    {1, 0, 0, 1},  // file version
    {1, 0, 0, 1},  // product version
    0x3F,          // flags mask
    0,             // flags
    VOS__WINDOWS32,
    VFT_APP,
    0,           // subtype
    "040704B0",  // German, Unicode
    STRINGS,
    0x0407,  // translation: German ...
    1200,    // ... in Unicode
};

std::string DottedVersion(const std::array<int, 4>& version) {
    std::string strText;
    for (int nPart : version) {
        if (!strText.empty()) {
            strText += '.';
        }
        strText += std::to_string(nPart);
    }
    return strText;
}

}  // namespace

const VersionInfo& ProgramVersionInfo() {
    return VERSION;
}

const char* VersionString(const char* pszKey) {
    for (const VersionStringEntry& entry : VERSION.strings) {
        if (std::strcmp(entry.pszKey, pszKey) == 0) {
            return entry.pszValue;
        }
    }
    return nullptr;
}

std::string VersionText() {
    std::string strText = ABOUT_VERSION_LINE;
    strText += "\nDateiversion ";
    strText += DottedVersion(VERSION.fileVersion);
    strText += ", Produktversion ";
    strText += DottedVersion(VERSION.productVersion);
    strText += '\n';
    strText += VersionString("LegalCopyright");
    strText += '\n';
    return strText;
}
