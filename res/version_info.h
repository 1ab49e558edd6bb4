// The program's version information (resource 1) as data, and the texts built from it.
// The About box shows the program version 1.7; the file and product version fields hold
// 1.0.0.1.
#pragma once

#include <array>
#include <span>
#include <string>

// The About box's version line with its dedication, and the copyright notice shared by the
// About box and the version block.
inline constexpr const char* ABOUT_VERSION_LINE = "Pelvar Version 1.7 (für Tobrek)";
inline constexpr const char* COPYRIGHT_NOTICE = "Copyright (C) Die Pelvar-Autoren";

// Values of the fixed part.
inline constexpr int VOS__WINDOWS32 = 0x00000004;
inline constexpr int VFT_APP = 0x00000001;

struct VersionStringEntry {
    const char* pszKey;
    const char* pszValue;  // UTF-8
};

struct VersionInfo {
    std::array<int, 4> fileVersion;
    std::array<int, 4> productVersion;
    int nFileFlagsMask;
    int nFileFlags;
    int nFileOS;
    int nFileType;
    int nFileSubtype;
    const char* pszStringBlock;  // language and code page of the string block
    std::span<const VersionStringEntry> strings;
    int nTranslationLanguage;
    int nTranslationCodePage;
};

const VersionInfo& ProgramVersionInfo();

// The value of key pszKey in the string block, or nullptr.
const char* VersionString(const char* pszKey);

// The text that "pelvar --version" prints: the version line, the file and product versions
// and the copyright notice, one per line.
std::string VersionText();
