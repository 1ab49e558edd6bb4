// The application's string table: every text that the window addresses by id (titles,
// prompts of the commands, status bar texts). Texts are UTF-8; for a command the part after
// the first "\n" is the command's short name.
#pragma once

#include <span>
#include <string_view>

struct StringTableEntry {
    int nId;
    const char* pszText;
};

// Every entry in ascending id order.
std::span<const StringTableEntry> StringTable();

// The text of string nId, or nullptr when the table has no such string.
const char* ResourceString(int nId);

// The prompt part of a command's string: its text up to the first "\n" (all of it when there
// is none).
std::string_view PromptPart(std::string_view strText);

// The short name part of a command's string: its text after the first "\n" ("" when there
// is none).
std::string_view NamePart(std::string_view strText);

// The status bar prompt of command nId: the prompt part of its string, "" for a command
// without a string.
std::string_view CommandPrompt(int nId);
