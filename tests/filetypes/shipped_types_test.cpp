// The file types shipped in filetypes/, each run on real files that a fresh
// machine of this kind has (system headers, the Python library, dpkg's and
// git's scripts, GoogleTest's sources): a sample of the entries a user
// expects must be in the menu, and nothing may end the list early.
#include <glob.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/common/text_lines.h"
#include "platform/reg_file.h"
#include "settings/store_layout.h"
#include "tests/support/strings_list_fixture.h"

namespace {

struct RealFile {
    const char* Pattern;  // a path, or a glob for versioned folders
    std::vector<std::string> Expected;
};

struct ShippedType {
    const char* RegFile;
    std::vector<RealFile> Files;
};

const ShippedType Shipped[] = {
    {"c-header.reg",
     {{"/usr/include/x86_64-linux-gnu/bits/byteswap.h",
       {"#define __bswap_constant_16", "__bswap_16", "__bswap_32", "__bswap_64"}},
      {"/usr/include/stdio.h", {"fopen", "fprintf", "snprintf", "tmpfile", "getline"}},
      {"/usr/include/x86_64-linux-gnu/bits/stdio.h", {"getchar", "getchar_unlocked", "vprintf"}},
      {"/usr/include/zlib.h", {"deflate", "inflateInit2_", "z_stream", "gz_header"}}}},
    {"c.reg", {{"/usr/share/cmake-*/Modules/CheckFunctionExists.c", {"main"}}}},
    {"cpp.reg",
     {{"/usr/src/googletest/googletest/src/gtest.cc",
       {"namespace testing", "AssertHelper::AssertHelper", "class UnitTestFilter",
        "UnitTestOptions::MatchesFilter", "ScopedFakeTestPartResultReporter::~ScopedFakeTestPartResultReporter"}}}},
    {"python.reg",
     {{"/usr/lib/python3*/json/decoder.py",
       {"class JSONDecoder", "    def decode", "    def raw_decode", "def py_scanstring"}}}},
    {"shell.reg", {{"/usr/share/dpkg/sh/dpkg-error.sh", {"setup_colors()", "error()", "badusage()"}}}},
    {"makefile.reg",
     {{"/usr/share/doc/git/contrib/subtree/Makefile", {"all", "install", "clean", "$(GIT_SUBTREE)"}},
      {SOURCE_DIR "/Makefile", {"native", "test", "demo", "$(NATIVE)/CMakeCache.txt"}}}},
    {"markdown.reg",
     {{"/usr/src/googletest/googletest/README.md",
       {"### Build with CMake", "#### Standalone CMake Project"}}}},
};

bool ReadFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return static_cast<bool>(in) || in.eof();
}

std::string FirstMatch(const char* pattern)
{
    glob_t found{};
    std::string path;
    if (glob(pattern, 0, nullptr, &found) == 0 && found.gl_pathc > 0)
        path = found.gl_pathv[0];
    globfree(&found);
    return path;
}

class ShippedTypesTest : public StringsListTest {
protected:
    // Files the types of a shipped .reg file into the test's own table.
    void Import(const std::string& regFile)
    {
        std::string bytes, error;
        ASSERT_TRUE(ReadFile(std::string(SOURCE_DIR "/filetypes/") + regFile, bytes)) << regFile;
        RegFileDocument document;
        ASSERT_TRUE(ParseRegFile(bytes, regFile, RegFileLenient, document, error)) << error;
        int types = 0;
        for (const RegFileKey& key : document.Keys) {
            std::string mask, rx, present;
            uint32_t flags = TestTypes::NoFlags;
            for (const RegFileValue& v : key.Values) {
                if (v.Name == "FileMask")
                    mask = v.Data;
                else if (v.Name == "RX")
                    rx = v.Data;
                else if (v.Name == "Present")
                    present = v.Data;
                else if (v.Name == "Flags" && v.Data.size() == 4)
                    std::copy(v.Data.begin(), v.Data.end(), reinterpret_cast<char*>(&flags));
            }
            ASSERT_GE(key.Path.size(), 5u);
            ASSERT_EQ(key.Path[key.Path.size() - 3], "RegExp");
            ASSERT_EQ(key.Path[key.Path.size() - 2], "FileTypes");
            Types.Add(key.Path.back(), mask, rx, present, flags);
            types++;
        }
        EXPECT_EQ(types, 1) << regFile;
    }
};

TEST_F(ShippedTypesTest, EveryTypeListsWhatAUserExpectsInRealFiles)
{
    for (const ShippedType& type : Shipped) {
        Import(type.RegFile);
        int filesSeen = 0;
        for (const RealFile& file : type.Files) {
            std::string path = FirstMatch(file.Pattern), error;
            TextLines lines;
            if (path.empty() || !lines.Read(path, error))
                continue;  // not on this machine; another file of the type must be
            filesSeen++;
            Editor(path, std::move(lines));
            RunList();
            EXPECT_TRUE(Host.Messages.empty()) << path;
            std::vector<std::string> texts = MenuTexts();
            for (const std::string& expected : file.Expected)
                EXPECT_NE(std::find(texts.begin(), texts.end(), expected), texts.end())
                    << type.RegFile << " on " << path << " lacks " << expected;
            EXPECT_EQ(std::count(texts.begin(), texts.end(), ""), 0) << path;
        }
        EXPECT_GT(filesSeen, 0) << "no real file for " << type.RegFile;
    }
}

// A value longer than the settings field reads as empty: the type would list nothing, silently.
// The pattern has a field of its own, eight times as long.
TEST_F(ShippedTypesTest, EveryValueFitsTheSettingsField)
{
    glob_t found{};
    ASSERT_EQ(glob(SOURCE_DIR "/filetypes/*.reg", 0, nullptr, &found), 0);
    for (size_t i = 0; i < found.gl_pathc; i++) {
        std::string bytes, error;
        ASSERT_TRUE(ReadFile(found.gl_pathv[i], bytes)) << found.gl_pathv[i];
        RegFileDocument document;
        ASSERT_TRUE(ParseRegFile(bytes, found.gl_pathv[i], RegFileLenient, document, error)) << error;
        for (const RegFileKey& key : document.Keys)
            for (const RegFileValue& v : key.Values)
                EXPECT_LT(v.Data.size(), size_t(v.Name == "RX" ? PATTERN_TEXT_SIZE : SETTINGS_TEXT_SIZE))
                    << found.gl_pathv[i] << ": " << v.Name;
    }
    globfree(&found);
}

TEST_F(ShippedTypesTest, EachTypeKeepsToItsOwnFiles)
{
    for (const ShippedType& type : Shipped)
        Import(type.RegFile);
    struct Case {
        const char* Name;
        const char* Line;
        const char* FirstText;  // "" when no type takes the file
    };
    for (Case c : {Case{"src/a.c", "int main(void)", "main"}, Case{"a.cc", "int main()", "main"},
                   Case{"x.py", "def main():", "def main"}, Case{"run.sh", "main() {", "main()"},
                   Case{"GNUmakefile", "main: x.o", "main"}, Case{"notes.MD", "# main", "# main"},
                   Case{"a.txt", "int main(void)", ""}, Case{"lib.h", "int f(void);", "f"},
                   Case{"/usr/include/c++/12/vector", "namespace std", "namespace std"},
                   Case{"Makefile.gz", "main: x.o", ""}, Case{"Makefile.linux", "main: x.o", "main"},
                   Case{"/home/u/.bash_profile", "main() {", "main()"}, Case{"PKGBUILD", "build() {", "build()"}, Case{"a.c.orig", "int main(void)", ""},
                   Case{"Makefile.c", "main: x.o", ""}}) {
        Editor(c.Name, {c.Line});
        RunList();
        std::string first = Host.Menus.empty() ? "" : Host.Menus[0].Texts().at(0);
        EXPECT_EQ(first, c.FirstText) << c.Name;
    }
}

}  // namespace
