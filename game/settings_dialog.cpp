#include "settings_dialog.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "think_time.h"
#include "user_texts.h"

namespace {

std::optional<double> ParseSeconds(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    std::string normalised(text);
    for (char& c : normalised) {
        if (c == ',') {
            c = '.';
        }
    }
    // A plus sign before the number is allowed, as in every number a user types; from_chars
    // takes only a minus.
    if (normalised.size() > 1 && normalised.front() == '+' &&
        normalised.find_first_of("0123456789.") == 1) {
        normalised.erase(0, 1);
    }
    // Digits, one separator and an optional exponent only: from_chars alone would also
    // take "nan", "inf" and hexadecimal forms.
    if (normalised.empty() ||
        normalised.find_first_not_of("0123456789.eE+-") != std::string::npos) {
        return std::nullopt;
    }
    double dValue = 0;
    const char* pBegin = normalised.data();
    const char* pEnd = pBegin + normalised.size();
    const auto [pStop, error] = std::from_chars(pBegin, pEnd, dValue);
    if (error != std::errc() || pStop != pEnd || !std::isfinite(dValue)) {
        return std::nullopt;
    }
    return dValue;
}

}  // namespace

std::string CSettingsDialog::SecondsText() const {
    char acText[64];
    const auto [pEnd, error] =
        std::to_chars(acText, acText + sizeof acText, m_dSecondsPerMove, std::chars_format::fixed);
    return error == std::errc() ? std::string(acText, pEnd) : std::string("0");
}

CSettingsDialog::Exchange CSettingsDialog::SaveFromControls(std::string_view strSecondsText,
                                                            bool bShowStatistics,
                                                            bool bRandomMoves) {
    const std::optional<double> dSeconds = ParseSeconds(strSecondsText);
    if (!dSeconds) {
        return Exchange::NotANumber;
    }
    m_dSecondsPerMove = *dSeconds;
    if (*dSeconds < MIN_SECONDS_PER_MOVE || *dSeconds > MAX_SECONDS_PER_MOVE) {
        return Exchange::OutOfRange;
    }
    m_bShowStatistics = bShowStatistics ? 1 : 0;
    m_bRandomMoves = bRandomMoves ? 1 : 0;
    return Exchange::Accepted;
}

std::string CSettingsDialog::RefusalMessage(Exchange result) {
    switch (result) {
        case Exchange::NotANumber:
            return TEXT_NOT_A_NUMBER;
        case Exchange::OutOfRange:
            return TEXT_OUT_OF_RANGE;
        case Exchange::Accepted:
            break;
    }
    return "";
}
