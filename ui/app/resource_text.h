// The texts of res/ as Qt strings.
#pragma once

#include <QString>

// The text of string nId; "" when the table has none.
QString LoadResourceText(int nId);

// The status bar prompt of command nId: its string up to the first "\n"; "" without a string.
QString CommandPromptText(int nId);

// The short name of command nId: its string after the first "\n", such as "Öffnen".
QString CommandNameText(int nId);

// A text of user_texts.h.
QString UserText(const char* pszText);

// A pattern of user_texts.h with %1 and %2 filled in (FillText).
QString UserText(const char* pszPattern, const QString& str1, const QString& str2);
