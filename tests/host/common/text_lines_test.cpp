// The file reader both hosts share: how bytes become lines (line ends, CRs,
// NULs), and that a line added afterwards leaves the others as they were.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "host/common/text_lines.h"

namespace {

using namespace std::string_literals;

struct ReadCase {
    std::string Bytes;
    std::vector<std::string> Lines;
};

const ReadCase ReadCases[] = {
    {"", {}},
    {"\n", {""}},
    {"\n\n", {"", ""}},
    {"a", {"a"}},
    {"a\n", {"a"}},
    {"a\r\n", {"a"}},
    {"\r\n\r\n", {"", ""}},
    {"a\r", {"a\r"}},               // a CR without its LF is text
    {"a\r\r\nb", {"a\r", "b"}},     // only the CR before the LF goes
    {"x\rmid\n", {"x\rmid"}},
    {"a\0\nb"s, {"a\0"s, "b"}},     // a NUL of its own before the LF is kept...
    {"a\0\r\n\0"s, {"a\0"s, "\0"s}}, // ...beside a dropped CR
    {"\t\x7f\xc3\xa9\n", {"\t\x7f\xc3\xa9"}},
};

std::string TemporaryPath()
{
    return (std::filesystem::temp_directory_path() / "stringslist-text-lines-test").string();
}

// Every line whole, and as the plug-in sees it: up to its first NUL.
void ExpectLines(const TextLines& lines, const std::vector<std::string>& expected, const std::string& label)
{
    ASSERT_EQ(lines.size(), expected.size()) << label;
    for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_EQ(std::string(lines[i]), expected[i]) << label << ", line " << i;
        EXPECT_STREQ(lines.CString(i), expected[i].c_str()) << label << ", line " << i;
    }
}

TEST(TextLinesTest, ReadsLinesAndAnAddedLineKeepsTheRest)
{
    std::string path = TemporaryPath();
    std::vector<ReadCase> cases(std::begin(ReadCases), std::end(ReadCases));
    // Larger than the first piece read, so the rest comes in the read sized by the file.
    ReadCase large;
    for (int i = 0; i < 30000; i++) {
        large.Bytes += std::to_string(i) + (i % 2 ? "\r\n" : "\n");
        large.Lines.push_back(std::to_string(i));
    }
    cases.push_back(large);
    for (const ReadCase& c : cases) {
        std::string label = c.Bytes.substr(0, 20);
        std::ofstream(path, std::ios::binary) << c.Bytes;
        TextLines lines;
        std::string error;
        ASSERT_TRUE(lines.Read(path, error)) << error;
        ExpectLines(lines, c.Lines, label);

        std::vector<std::string> edited = c.Lines;
        lines.push_back("added\0"s);
        edited.push_back("added\0"s);
        ExpectLines(lines, edited, label + " edited");
    }
    std::remove(path.c_str());
}

TEST(TextLinesTest, AFileThatCannotBeReadSaysWhy)
{
    std::string error;
    TextLines lines{"kept?"};
    std::string missing = TemporaryPath() + "-missing";
    EXPECT_FALSE(lines.Read(missing, error));
    EXPECT_NE(error.find(missing), std::string::npos) << error;
    EXPECT_TRUE(lines.empty());
    EXPECT_FALSE(lines.Read(std::filesystem::temp_directory_path().string(), error));
}

}  // namespace
