#include "resource_text.h"

#include "string_table.h"
#include "user_texts.h"

namespace {

QString FromView(std::string_view strText) {
    return QString::fromUtf8(strText.data(), static_cast<qsizetype>(strText.size()));
}

}  // namespace

QString LoadResourceText(int nId) {
    return QString::fromUtf8(ResourceString(nId));
}

QString CommandPromptText(int nId) {
    return FromView(CommandPrompt(nId));
}

QString CommandNameText(int nId) {
    const char* pszText = ResourceString(nId);
    return pszText == nullptr ? QString() : FromView(NamePart(pszText));
}

QString UserText(const char* pszText) {
    return QString::fromUtf8(pszText);
}

QString UserText(const char* pszPattern, const QString& str1, const QString& str2) {
    return QString::fromStdString(FillText(pszPattern, {str1.toStdString(), str2.toStdString()}));
}
