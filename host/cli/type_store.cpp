// The file types below a registry root; see type_store.h.
#include "host/cli/type_store.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "base/printable.h"
#include "host/cli/options.h"
#include "host/cli/pattern_check.h"
#include "settings/file_type_lookup.h"
#include "settings/store_layout.h"

const OptionSpec RootOption = {"--root", "KEY",
                               "the key below HKEY_CURRENT_USER where the host keeps plug-in settings "
                               "(default: the program's own)"};

const OptionalValueOption OptionalValueOptions[5] = {
    {{"--line-comment", "WORDS", "what opens a comment that runs to the end of the line, as // in C"}, LineCommentValue},
    {{"--block", "WORDS", "pairs of an opener and a closer of blocks that are not code, as /* */"}, BlockValue},
    {{"--nested-block", "WORDS", "pairs, as --block, whose openers nest"}, NestedBlockValue},
    {{"--quote", "WORDS", "quote marks, each followed by its escape character if any, as \"\\ '\\"}, QuoteValue},
    {{"--join", "WORDS", "openers after which a head goes on to the next line, as ("}, JoinValue},
};
static_assert(sizeof OptionalValueOptions / sizeof *OptionalValueOptions ==
                  sizeof OptionalValues / sizeof *OptionalValues,
              "an option for every optional value");

std::vector<OptionSpec> WithOptionalValues(std::vector<OptionSpec> first, std::vector<OptionSpec> last)
{
    for (const OptionalValueOption& o : OptionalValueOptions)
        first.push_back(o.Option);
    first.insert(first.end(), last.begin(), last.end());
    return first;
}

const char* OptionalValueOf(const char* option)
{
    for (const OptionalValueOption& o : OptionalValueOptions)
        if (!std::strcmp(o.Option.Name, option))
            return o.Value;
    return nullptr;
}

// The words of a value, as the plug-in splits them: at spaces.
static std::vector<std::string> SpaceSeparatedWords(const std::string& text)
{
    std::vector<std::string> words;
    for (size_t at = 0; at < text.size();) {
        size_t end = std::min(text.find(' ', at), text.size());
        if (end > at)
            words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

std::string OptionalValueProblem(const char* name, const std::string& text)
{
    std::vector<std::string> words = SpaceSeparatedWords(text);
    bool pairs = !std::strcmp(name, BlockValue) || !std::strcmp(name, NestedBlockValue);
    if (pairs && words.size() % 2)
        return "the opener \"" + Printable(words.back()) + "\" has no closer";
    if (!std::strcmp(name, QuoteValue))
        for (const std::string& word : words)
            if (word.size() > 2)
                return "\"" + Printable(word) + "\" is more than a mark and its escape character";
    return "";
}

static_assert(ValueTextLimit == SETTINGS_TEXT_SIZE - 1, "a text and its NUL fill the plug-in's buffer");
static_assert(PatternTextLimit == PATTERN_TEXT_SIZE - 1, "so does a pattern");

bool ReadTypes(const std::string& root, RegFileDocument& tree)
{
    std::string error;
    if (ReadRegistryTree(TypesTablePath(root), tree, error))
        return true;
    std::fprintf(stderr, "stringslist: the file types cannot be read: %s\n", error.c_str());
    return false;
}

int ChangeTypes(const std::string& root, const RegistryTreeChange& change, const std::string& what)
{
    std::string error;
    LONG status = ChangeRegistryTree(TypesTablePath(root), change, error);
    if (status == ERROR_SUCCESS)
        return 0;
    std::fprintf(stderr, "stringslist: cannot %s: %s\n", what.c_str(),
                 (error.empty() ? "status " + std::to_string(status) : error).c_str());
    return 1;
}

bool ParseRegistryRoot(const std::string& text, std::string& root)
{
    root = text;
    // A path copied from a registry editor may name the hive too.
    for (const char* hive : {"HKEY_CURRENT_USER\\", "HKCU\\"})
        if (root.size() >= std::strlen(hive) && SameRegName(root.substr(0, std::strlen(hive)), hive))
            root.erase(0, std::strlen(hive));
    while (!root.empty() && root.back() == '\\')
        root.pop_back();
    RegKeyPath path = SplitRegPath(root);
    bool ok = !root.empty() && std::none_of(path.begin(), path.end(), [](const std::string& name) {
        return name.empty() || name.size() > 255 || name.find_first_of("\r\n") != std::string::npos;
    });
    if (!ok)
        std::fprintf(stderr, "stringslist: --root needs a key below HKEY_CURRENT_USER, such as "
                             "\"Software\\Host\\Plugins\", not \"%s\"\n", Printable(text).c_str());
    return ok;
}

RegKeyPath RootKeyPath(const std::string& root)
{
    return SplitRegPath(std::string("HKEY_CURRENT_USER\\") + root);
}

RegKeyPath TypesTablePath(const std::string& root)
{
    RegKeyPath path = RootKeyPath(root);
    RegKeyPath tail = SplitRegPath(FileTypesPath);
    path.insert(path.end(), tail.begin(), tail.end());
    return path;
}

RegKeyPath TypeKeyPath(const std::string& root, const std::string& name)
{
    RegKeyPath path = TypesTablePath(root);
    path.push_back(name);
    return path;
}

std::vector<const RegFileKey*> TypeKeys(const RegFileDocument& tree, const std::string& root)
{
    RegKeyPath table = TypesTablePath(root);
    std::vector<const RegFileKey*> types;
    for (const RegFileKey& key : tree.Keys)
        if (key.Path.size() == table.size() + 1 && IsRegPathAtOrBelow(key.Path, table))
            types.push_back(&key);
    return types;
}

std::string TypesPlace(const std::string& root)
{
    std::string place = RegistryTreePlace(TypesTablePath(root));
#ifndef _WIN32
    if (root != ProgramRegistryRoot)
        place += " under HKEY_CURRENT_USER\\" + root;
#endif
    return place;
}

std::string ImportAdvice(const std::string& root)
{
#ifdef _WIN32
    // A Windows host never reads the program's own root: name the host's instead.
    if (root == ProgramRegistryRoot)
        return "Import the shipped ones where your host keeps plug-in settings: stringslist types import "
               "--root \"KEY\" --shipped, KEY being that key below HKEY_CURRENT_USER\n";
#endif
    std::string option = root == ProgramRegistryRoot ? "" : "--root \"" + root + "\" ";
    return "Import the shipped ones with: stringslist types import " + option + "--shipped\n";
}

bool RootExists(const std::string& root)
{
    RegFileDocument tree;
    std::string error;
    return !ReadRegistryTree(RootKeyPath(root), tree, error) || !tree.Keys.empty();
}

bool ParseTypeFlags(const char* text, std::string& data)
{
    long long n = 0;
    if (text[0] == '-' || !ParseNumber(text, 0, 0xFFFFFFFFll, n, 0))
        return false;
    data = std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
    return true;
}

// --rx is the option of the pattern, whose limit is its own.
bool CheckTypeText(const char* option, const std::string& text)
{
    size_t limit = std::strcmp(option, "--rx") ? ValueTextLimit : PatternTextLimit;
    if (text.size() <= limit)
        return true;
    std::fprintf(stderr, "stringslist: %s takes at most %zu characters: the plug-in would read a longer text as empty\n",
                 option, limit);
    return false;
}

bool CheckTypeName(const std::string& name, bool forWriting)
{
    if (name.empty() || name.find_first_of("\\\r\n") != std::string::npos) {
        std::fprintf(stderr, "stringslist: a type name must not be empty nor hold a backslash or a line end\n");
        return false;
    }
    if (forWriting && name.size() >= TYPE_NAME_SIZE) {
        std::fprintf(stderr, "stringslist: a type name must be shorter than %d characters: the plug-in skips longer ones\n",
                     TYPE_NAME_SIZE);
        return false;
    }
    return true;
}

bool RemoveType(RegFileDocument& tree, const RegKeyPath& path)
{
    size_t before = tree.Keys.size();
    tree.Keys.erase(std::remove_if(tree.Keys.begin(), tree.Keys.end(),
                                   [&](const RegFileKey& key) { return IsRegPathAtOrBelow(key.Path, path); }),
                    tree.Keys.end());
    return tree.Keys.size() != before;
}

const RegFileValue* FindValue(const RegFileKey& key, const char* name)
{
    for (const RegFileValue& value : key.Values)
        if (SameRegName(value.Name, name))
            return &value;
    return nullptr;
}

std::string ValueBytes(const RegFileValue& value)
{
    return value.Type == RegSz ? value.Data + '\0' : value.Data;
}

size_t TextLimit(const std::string& valueName)
{
    return SameRegName(valueName, PatternValue) ? PatternTextLimit : ValueTextLimit;
}

// The plug-in reads a text into a buffer of its limit and a NUL and takes one
// that does not fit there as empty.
bool TextTooLong(const std::string& bytes, const std::string& valueName)
{
    size_t size = TextLimit(valueName) + 1;
    return bytes.size() > size || (bytes.size() == size && bytes.back() != '\0');
}

std::string TypeText(const RegFileKey& key, const char* name)
{
    const RegFileValue* value = FindValue(key, name);
    if (!value)
        return "";
    std::string bytes = ValueBytes(*value);
    return TextTooLong(bytes, name) ? "" : bytes.substr(0, bytes.find('\0'));
}

std::vector<const char*> BrokenPatterns(const RegFileKey& type)
{
    std::vector<const char*> broken;
    for (const char* name : {FileMaskValue, PatternValue}) {
        std::string text = TypeText(type, name);
        if (!text.empty() && !PatternCompiles(text))
            broken.push_back(name);
    }
    return broken;
}

const RegFileKey* TypeForFile(const RegFileDocument& tree, const std::string& root, const std::string& fileName)
{
    // The plug-in's own rule, asked only of a table that is there, which it then leaves as it is.
    std::vector<const RegFileKey*> types = TypeKeys(tree, root);
    std::string name;
    if (types.empty() || !FindFileTypeName(root.c_str(), fileName.c_str(), name))
        return nullptr;
    for (const RegFileKey* type : types)
        if (SameRegName(type->Path.back(), name))
            return type;
    return nullptr;
}
