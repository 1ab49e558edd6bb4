#include <gtest/gtest.h>

#include <string>

#include "printable_text.h"

namespace {

TEST(PrintableExcerpt, EscapesControlsAndCutsLongText) {
    struct Case {
        std::string text;
        std::size_t nMax;
        std::string expected;
    };
    const Case cases[] = {
        {"a\nb", 10, "a\\x0ab"},
        {"\x1b[2J\r\t\x7f", 40, "\\x1b[2J\\x0d\\x09\\x7f"},
        {"a\\x0ab", 10, "a\\\\x0ab"},          // a backslash cannot pose as an escape
        {"M\xc3\xbchle", 10, "M\xc3\xbchle"},  // umlauts stay
        {"\xc2\x9b"
         "1m",
         10, "\\xc2\\x9b1m"},                         // C1 control (CSI)
        {"a\xe2\x80\xa8z", 20, "a\\xe2\\x80\\xa8z"},  // line separator
        {"Rechnung\xe2\x80\xae"
         "fdp.exe",
         40, "Rechnung\\xe2\\x80\\xaefdp.exe"},  // right-to-left
        {"a\xe2\x80\x8b\xef\xbb\xbf\xc2\xad", 40,
         "a\\xe2\\x80\\x8b\\xef\\xbb\\xbf\\xc2\\xad"},     // invisible
        {"\xff\xfe", 10, "\\xff\\xfe"},                    // not UTF-8
        {"\xc0\xaf", 10, "\\xc0\\xaf"},                    // overlong
        {"\xed\xa0\x80", 20, "\\xed\\xa0\\x80"},           // surrogate
        {"\xe2\x82", 10, "\\xe2\\x82"},                    // truncated
        {"\xf4\x90\x80\x80", 20, "\\xf4\\x90\\x80\\x80"},  // beyond U+10FFFF
        {"\xf0\x9f\x99\x82!", 10, "\xf0\x9f\x99\x82!"},    // beyond the basic plane
        {std::string(10, 'x'), 10, std::string(10, 'x')},
        {std::string(11, 'x'), 10, std::string(9, 'x') + "\xe2\x80\xa6"},
        {"abcdefg\n", 10, "abcdefg\xe2\x80\xa6"},  // an escape is never split
        {std::string(8, '\xc3') + "\xbc", 10, "\\xc3\\xc3\xe2\x80\xa6"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrintableExcerpt(c.text, c.nMax), c.expected) << c.text;
    }
}

}  // namespace
