// Which file type a file gets: masks searched in the name, the first type in
// the registry's order winning, and the values of a type read as the
// strings list uses them.
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/strings_list_fixture.h"

namespace {

class FileTypesTest : public StringsListTest {
protected:
    // The name of the type that the strings list used for a file, "" for none:
    // every type's template is its own name.
    std::string TypeFor(const std::string& fileName)
    {
        Editor(fileName, {"line"});
        RunList();
        return Host.Menus.empty() ? "" : Host.Menus[0].Texts().at(0);
    }

    void AddNamed(const std::string& name, const std::string& mask)
    {
        Types.Add(name, mask, "^", name);
    }
};

TEST_F(FileTypesTest, MaskIsSearchedInTheNameCaseSensitively)
{
    AddNamed("cpp", "\\.cpp$");
    AddNamed("folded", "\\c\\.cxx$");
    AddNamed("wildcard", "*.h");
    AddNamed("prefix", "^Makefile");
    struct Case {
        const char* Name;
        const char* Type;
    };
    for (Case c : {Case{"main.cpp", "cpp"}, Case{"MAIN.CPP", ""}, Case{"main.cpp.bak", ""},
                   Case{"src/dir.x/main.cpp", "cpp"}, Case{"MAIN.CXX", "folded"},
                   Case{"a.cxx", "folded"}, Case{"a.h", ""}, Case{"*.h", ""},
                   Case{"Makefile.am", "prefix"}, Case{"src/Makefile", ""}}) {
        EXPECT_EQ(TypeFor(c.Name), c.Type) << c.Name;
    }
}

TEST_F(FileTypesTest, FirstTypeInNameOrderWinsWhateverTheOrderOfCreation)
{
    AddNamed("Zulu", "\\.c$");
    AddNamed("mike", "\\.c$");
    AddNamed("Alpha", "\\.h$");
    AddNamed("bravo", "\\.c$");
    EXPECT_EQ(TypeFor("a.c"), "bravo");
    Types.Remove("bravo");
    EXPECT_EQ(TypeFor("a.c"), "mike");
}

TEST_F(FileTypesTest, TypeWithoutAMaskOrABrokenOneNeverMatches)
{
    AddNamed("a", "");
    AddNamed("b", "(");
    AddNamed("c", "\\.t$");
    EXPECT_EQ(TypeFor("x.t"), "c");
}

TEST_F(FileTypesTest, OverlongTypeNameIsSkippedNotTheEnd)
{
    AddNamed("A" + std::string(63, 'x'), "\\.t$");  // 64 characters: too long for a type name
    AddNamed("A" + std::string(62, 'x'), "\\.u$");  // 63: still a type
    AddNamed("B", "\\.t$");
    EXPECT_EQ(TypeFor("f.t"), "B");
    EXPECT_EQ(TypeFor("f.u"), "A" + std::string(62, 'x'));
}

TEST_F(FileTypesTest, MissingValuesReadAsEmptyAndZero)
{
    // No "Flags": items stay in line order and the menu opens on the first.
    Types.Add("T", "\\.t$", "^(\\w)", "\\1", TestTypes::NoFlags);
    Editor("a.t", {"b", "a"}, 1);
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(Host.Menus[0].SelectedIndex(), 0);

    Types.Add("T", "\\.t$", "");  // no "RX": nothing is found
    RunList();
    ExpectNothingFound("a.t");
}

TEST_F(FileTypesTest, APatternIsReadWholeUpTo4095Characters)
{
    // Alternatives that never match, then the one that does: a pattern read
    // cut or empty lists nothing.
    const std::string tail = "{^int\\s+(\\w+)}";
    auto pattern = [&](size_t length) {
        std::string rx;
        while (rx.size() + 11 + tail.size() + 5 <= length)
            rx += "{^never\\s}|";
        return rx + "{^" + std::string(length - rx.size() - tail.size() - 4, 'z') + "}|" + tail;
    };
    for (size_t length : {1500, 4095, 4096}) {
        SCOPED_TRACE(length);
        ASSERT_EQ(pattern(length).size(), length);
        Types.Add("T", "\\.t$", pattern(length), "\\1");
        Editor("a.t", {"int alpha", "char gamma", "int beta"});
        RunList();
        if (length < 4096) {
            EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"alpha", "beta"}));
        } else {
            ExpectNothingFound("a.t");
        }
    }
}

TEST_F(FileTypesTest, ValuesOfAnyRegistryTypeReadAsStored)
{
    // As another tool may store a type: expandable texts, "Flags" as 4 bytes of binary.
    Types.Add("T", "", "");
    Types.SetValue("T", "FileMask", REG_EXPAND_SZ, std::string("\\.t$") + '\0');
    Types.SetValue("T", "RX", REG_EXPAND_SZ, std::string("^(\\w)") + '\0');
    Types.SetValue("T", "Present", REG_BINARY, "<\\1>");
    Types.SetValue("T", "Flags", REG_BINARY, std::string("\x02\0\0\0", 4));
    Editor("a.t", {"b", "a"});
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"<a>", "<b>"}));
}

TEST_F(FileTypesTest, UnknownFlagBitsDoNotDisturbTheKnownOnes)
{
    Types.Add("T", "\\.t$", "^(\\w)", "\\1", 0xFFFFFFF0u | SortItems | SelectFromCursor);
    Editor("a.t", {"b", "a"}, 1);
    RunList();
    EXPECT_EQ(MenuTexts(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Host.Menus[0].SelectedIndex(), 0);
}

TEST_F(FileTypesTest, RegistryRootOutlivesTheHostsBlock)
{
    AddNamed("T", "\\.t$");
    // The host hands over a block and a root string that it then reuses.
    auto root = std::make_unique<std::string>(Types.RegistryRoot());
    auto block = std::make_unique<PluginStartupInfo>(*Host.StartupInfo(root->c_str()));
    Plugin().SetStartupInfo(block.get());
    std::fill(root->begin(), root->end(), 'x');
    root.reset();
    std::memset(block.get(), 0xEE, sizeof *block);
    block.reset();
    EXPECT_EQ(TypeFor("a.t"), "T");
}

}  // namespace
