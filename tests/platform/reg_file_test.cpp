// The .reg reader and writer: what it accepts from other people's files
// (both versions, UTF-16, continuations, comments), the errors it gives with
// their line, and exact round trips of everything it writes.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/reg_file.h"

namespace {

const char Key[] = "[HKEY_CURRENT_USER\\Software\\T\\RegExp\\FileTypes\\C]\n";

RegFileDocument Parse(const std::string& text, RegFileStrictness strictness = RegFileLenient)
{
    RegFileDocument document;
    std::string error;
    EXPECT_TRUE(ParseRegFile(text, "f.reg", strictness, document, error)) << error;
    return document;
}

std::string ParseError(const std::string& text, RegFileStrictness strictness = RegFileLenient)
{
    RegFileDocument document;
    std::string error;
    EXPECT_FALSE(ParseRegFile(text, "f.reg", strictness, document, error)) << text;
    EXPECT_TRUE(document.Keys.empty());
    return error;
}

// UTF-16 LE with its byte-order mark, from ASCII text plus escapes of our own.
std::string Utf16(const std::u16string& text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    return bytes;
}

TEST(RegFileTest, ReadsTheValueKindsOfBothVersions)
{
    std::string text = std::string("REGEDIT4\r\n\r\n; a comment\r\n") + Key +
                       "\"FileMask\"=\"\\\\.c$\"\r\n"
                       "@=\"default\"\r\n"
                       "\"Flags\"=dword:0000000a\r\n"
                       "\"Bin\"=hex:01,ff,\\\r\n"
                       "  10\r\n"
                       "\"Text\"=hex(1):61,62,00\r\n"
                       "\"Q\"=hex(b):01,00,00,00,00,00,00,00\r\n";
    RegFileDocument document = Parse(text);
    ASSERT_EQ(document.Keys.size(), 1u);
    const RegFileKey& key = document.Keys[0];
    EXPECT_EQ(JoinRegPath(key.Path), "HKEY_CURRENT_USER\\Software\\T\\RegExp\\FileTypes\\C");
    std::vector<RegFileValue> expected = {
        {"FileMask", 1, "\\.c$"}, {"", 1, "default"}, {"Flags", 4, std::string("\x0a\0\0\0", 4)},
        {"Bin", 3, "\x01\xff\x10"}, {"Text", 1, "ab"}, {"Q", 11, std::string("\x01\0\0\0\0\0\0\0", 8)},
    };
    ASSERT_EQ(key.Values.size(), expected.size());
    for (size_t i = 0; i < expected.size(); i++) {
        EXPECT_EQ(key.Values[i].Name, expected[i].Name);
        EXPECT_EQ(key.Values[i].Type, expected[i].Type) << expected[i].Name;
        EXPECT_EQ(key.Values[i].Data, expected[i].Data) << expected[i].Name;
    }
}

TEST(RegFileTest, AVersion5FileInUtf16BecomesUtf8)
{
    // "é" is U+00E9; hex(1) in a version 5.00 file holds UTF-16 too.
    std::u16string text = u"Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\T\\Caf\u00e9]\r\n"
                          u"\"Present\"=\"\u00e9t\u00e9\"\r\n\"Hex\"=hex(1):e9,00,41,00,00,00\r\n";
    RegFileDocument document = Parse(Utf16(text));
    ASSERT_EQ(document.Keys.size(), 1u);
    EXPECT_EQ(document.Keys[0].Path.back(), "Caf\xc3\xa9");
    ASSERT_EQ(document.Keys[0].Values.size(), 2u);
    EXPECT_EQ(document.Keys[0].Values[0].Data, "\xc3\xa9t\xc3\xa9");
    EXPECT_EQ(document.Keys[0].Values[1].Data, "\xc3\xa9" "A");
}

TEST(RegFileTest, ARepeatedKeyOrValueGathersInOnePlace)
{
    std::string text = std::string("REGEDIT4\n") + Key + "\"RX\"=\"one\"\n[HKEY_CURRENT_USER\\Other]\n" +
                       "[hkey_current_user\\software\\t\\regexp\\filetypes\\c]\n\"rx\"=\"two\"\n";
    RegFileDocument document = Parse(text);
    ASSERT_EQ(document.Keys.size(), 2u);
    for (const RegFileKey& key : document.Keys)
        if (key.Path.back() == "C") {
            ASSERT_EQ(key.Values.size(), 1u);
            EXPECT_EQ(key.Values[0].Name, "RX");
            EXPECT_EQ(key.Values[0].Data, "two");
        }
}

TEST(RegFileTest, KeysNamedAgainTakeTheirValuesBackWhereverTheyAre)
{
    // A holds enough values to be looked up by index; each key is named again,
    // in other case, after the others.
    std::string text = "REGEDIT4\n[H\\A]\n";
    for (int v = 0; v < 20; v++)
        text += "\"v" + std::to_string(v) + "\"=\"a\"\n";
    text += "[H\\B]\n\"x\"=\"b\"\n[H\\C]\n[h\\b]\n\"X\"=\"b2\"\n[h\\a]\n\"V7\"=\"a2\"\n\"new\"=\"a\"\n"
            "[h\\c]\n\"y\"=\"c\"\n";
    RegFileDocument document = Parse(text);
    ASSERT_EQ(document.Keys.size(), 3u);
    // The order a repeat leaves: the key named again is swapped with the last one.
    EXPECT_EQ(document.Keys[0].Path.back(), "B");
    EXPECT_EQ(document.Keys[1].Path.back(), "A");
    EXPECT_EQ(document.Keys[2].Path.back(), "C");
    const std::vector<RegFileValue>& a = document.Keys[1].Values;
    ASSERT_EQ(a.size(), 21u);
    EXPECT_EQ(a[7].Name, "v7");
    EXPECT_EQ(a[7].Data, "a2");
    EXPECT_EQ(a[20].Name, "new");
    ASSERT_EQ(document.Keys[0].Values.size(), 1u);
    EXPECT_EQ(document.Keys[0].Values[0].Data, "b2");
    ASSERT_EQ(document.Keys[2].Values.size(), 1u);
}

struct BadFile {
    const char* Text;
    int Line;
    const char* Expected;
};

TEST(RegFileTest, ErrorsNameTheFileTheLineAndWhatWasExpected)
{
    const BadFile cases[] = {
        {"", 1, "expected the header line"},
        {"\n\nREGEDIT5\n", 3, "expected the header line REGEDIT4"},
        {"REGEDIT4\n\"RX\"=\"x\"\n", 2, "before the first value"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T\n", 2, "closing ]"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\\\T]\n", 2, "key names between the backslashes"},
        {"REGEDIT4\n[-HKEY_CURRENT_USER\\T]\n", 2, "not supported"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"RX\"=\"abc\n", 3, "closing \""},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"RX\"=\"\\.c\"\n", 3, "backslash must be doubled"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"RX\" \"x\"\n", 3, "expected = after the value name"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"RX\"=x\n", 3, "expected \"text\", dword:, hex:"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"RX\"=\"a\"b\n", 3, "end of the line"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"F\"=dword:\n", 3, "1 to 8 hex digits"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"F\"=dword:123456789\n", 3, "1 to 8 hex digits"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"B\"=hex:01,0g\n", 3, "two hex digits"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"B\"=hex:01,\n", 3, "after the last comma"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"B\"=hex(1:01\n", 3, "type number"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"B\"=-\n", 3, "not supported"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\nFileMask=x\n", 3, "expected [PATH]"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\n\"RX\"=\"a~b\"\n", 3, "NUL byte"},
        {"REGEDIT4\r\r[HKEY_CURRENT_USER\\T]\r\"RX\"=\"x\"\r", 1, "found carriage returns alone (CR)"},
        {"REGEDIT4\n[HKEY_CURRENT_USER\\T]\r\"RX\"=\"x\"\n", 2, "carriage return without a line feed"},
    };
    for (const BadFile& c : cases) {
        std::string text = c.Text;
        std::replace(text.begin(), text.end(), '~', '\0');  // a NUL inside a line
        std::string error = ParseError(text);
        EXPECT_EQ(error.find("f.reg:" + std::to_string(c.Line) + ": "), 0u) << error;
        EXPECT_NE(error.find(c.Expected), std::string::npos) << error;
    }
}

TEST(RegFileTest, OurOwnStoreMustEndWithALineEnd)
{
    std::string whole = std::string("REGEDIT4\n\n") + Key + "\"Flags\"=dword:00000100\n";
    Parse(whole, RegFileComplete);
    std::string cut = whole.substr(0, whole.size() - 2);  // still a valid number: dword:000001
    Parse(cut, RegFileLenient);
    EXPECT_NE(ParseError(cut, RegFileComplete).find("cut short"), std::string::npos);
    std::string carriageReturns = whole;
    std::replace(carriageReturns.begin(), carriageReturns.end(), '\n', '\r');
    std::string error = ParseError(carriageReturns, RegFileComplete);
    EXPECT_EQ(error.find("cut short"), std::string::npos) << error;
    EXPECT_NE(error.find("carriage returns alone"), std::string::npos) << error;
}

TEST(RegFileTest, EveryByteButNulRoundTripsInTextsAndNames)
{
    std::string allBytes;
    for (int c = 1; c < 256; c++)
        allBytes += char(c);
    RegFileDocument document;
    std::string oddName = "a]b [c\t\x7f\xe9";
    document.Keys.push_back({{"HKEY_CURRENT_USER", "Software", oddName}, {}});
    std::vector<RegFileValue>& values = document.Keys[0].Values;
    values = {
        {"all", 1, allBytes},
        {"quote\"and\\backslash", 1, "\"\\"},
        {"", 1, "default"},
        {"tail-nul", 1, std::string("x\0", 2)},
        {"empty", 1, ""},
        {"n", 4, std::string("\x78\x56\x34\x12", 4)},
        {"short-dword", 4, "\x01"},
        {"bin", 3, allBytes + '\0'},
        {"expand", 2, std::string("%P%\0", 4)},
        {"long", 1, std::string(300, '\n')},
    };
    std::string text = FormatRegFile(document);
    for (size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 80u) << "a line of the file is too long";

    RegFileDocument back = Parse(text, RegFileComplete);
    ASSERT_EQ(back.Keys.size(), 1u);
    EXPECT_EQ(back.Keys[0].Path, document.Keys[0].Path);
    ASSERT_EQ(back.Keys[0].Values.size(), values.size());
    for (size_t i = 0; i < values.size(); i++) {
        EXPECT_EQ(back.Keys[0].Values[i].Name, values[i].Name);
        EXPECT_EQ(back.Keys[0].Values[i].Type, values[i].Type) << values[i].Name;
        EXPECT_EQ(back.Keys[0].Values[i].Data, values[i].Data) << values[i].Name;
    }
    EXPECT_NE(text.find("\"n\"=dword:12345678\n"), std::string::npos);
    EXPECT_NE(text.find("\"quote\\\"and\\\\backslash\"=\"\\\"\\\\\"\n"), std::string::npos);
}

TEST(RegFileTest, RegistryOrderFoldsToUpperCaseByteByByte)
{
    std::vector<std::string> names = {"b", "_x", "A", "Z", "\xe9", "a1"};
    std::sort(names.begin(), names.end(), RegNameLess);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "a1", "b", "Z", "_x", "\xe9"}));
    EXPECT_TRUE(SameRegName("FileMask", "FILEMASK"));
    EXPECT_FALSE(SameRegName("\xe9", "\xc9")) << "only ASCII letters fold";
    EXPECT_TRUE(RegPathLess({"H", "a"}, {"H", "a", "b"}));
}

}  // namespace
