// Strings of the string table as Qt strings.
#pragma once

#include <QString>

// The text of string nId; "" when the table has none.
QString LoadResourceText(int nId);

// The status bar prompt of command nId: its string up to the first "\n"; "" without a string.
QString CommandPromptText(int nId);
