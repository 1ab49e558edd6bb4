#include "resource_text.h"

#include "string_table.h"

QString LoadResourceText(int nId) {
    return QString::fromUtf8(ResourceString(nId));
}

QString CommandPromptText(int nId) {
    const std::string_view strPrompt = CommandPrompt(nId);
    return QString::fromUtf8(strPrompt.data(), static_cast<qsizetype>(strPrompt.size()));
}
