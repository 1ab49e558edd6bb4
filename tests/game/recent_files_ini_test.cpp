#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "recent_files_ini.h"

namespace {

// Each value as the Qt settings class writes it, and the entry it stands for; a value that is
// not a plain string gives none, even with a plain one after it. Every entry written back reads
// as itself.
TEST(RecentFilesIni, PlainStringsOnlyAndWrittenBackAsRead) {
    struct Case {
        std::string raw;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"/home/a/partie.txt", {"/home/a/partie.txt"}},
        {"\"/a;b,c=d\"", {"/a;b,c=d"}},
        {"\" /x \"", {" /x "}},
        {"/a\\\\b\\\"c\\n\\x1b\\x10", {"/a\\b\"c\n\x1b\x10"}},
        {"/M\xc3\xbchle \\x263a", {"/M\xc3\xbchle \xe2\x98\xba"}},
        {"/tmp/a\\x1\\x62.txt",
         {"/tmp/a\x01"
          "b.txt"}},             // a hex digit after a numeric escape
        {"/crlf\r", {"/crlf"}},  // a line ended by CR LF
        {"@@at", {"@at"}},
        {"@Variant(\\0\\0\\0\\x2\\0\\0\\0\\0\\x1)", {}},
        {"@ByteArray(/x)", {}},
        {"/a, /b", {}},
    };
    for (const Case& c : cases) {
        const std::string text = "[Other]\nFile1=/no\n\n[Recent%20File%20List]\nFile1=" + c.raw +
                                 "\nFile2=/2\nFile9=/beyond\n";
        const RecentFilesText read = ReadRecentFiles(text, 4);
        std::vector<std::string> expected = c.expected;
        expected.push_back("/2");
        EXPECT_EQ(read.entries, expected) << c.raw;
        EXPECT_EQ(read.bAllPlain, !c.expected.empty()) << c.raw;
        if (!c.expected.empty()) {
            const std::string rewritten = ReplaceRecentFiles(text, {"/new", c.expected[0]});
            EXPECT_EQ(ReadRecentFiles(rewritten, 4).entries,
                      (std::vector<std::string>{"/new", c.expected[0]}))
                << c.raw;
            EXPECT_EQ(rewritten.find("[Other]\nFile1=/no\n"), 0u) << rewritten;
        }
    }
    EXPECT_EQ(ReplaceRecentFiles("[Recent%20File%20List]\nFile1=/a\n", {}), "");
}

}  // namespace
