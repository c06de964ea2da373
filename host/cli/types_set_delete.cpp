// stringslist types set and types delete: one file type created, changed or
// removed, each in one read-modify-write of the store.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/printable.h"
#include "host/cli/commands.h"
#include "host/cli/pattern_check.h"
#include "host/cli/type_store.h"
#include "host/cli/types_commands.h"
#include "settings/store_layout.h"

const CommandSpec TypesSetSpec = {
    "types set",
    "types set [--root KEY] NAME [--mask M] [--rx R] [--present P] [--flags F]\n"
    "          [--line-comment WORDS] [--block WORDS] [--nested-block WORDS] [--quote WORDS] [--join WORDS]\n"
    "          [--force]",
    "Creates or changes the file type NAME; an empty text removes that value.",
    WithOptionalValues(
        {RootOption,
         {"--mask", "M", "the file mask: a pattern found in the names of the type's files"},
         {"--rx", "R", "the pattern that picks the lines of the strings list"},
         {"--present", "P", "the template that makes a menu text of a matched line"},
         {"--flags", "F", "1 select from cursor, 2 sort items, 4 shift unused parameters (added; 0x... too)"}},
        {{"--force", nullptr, "store a mask or pattern that does not compile, or words the plug-in leaves out"}}),
    "NAME", 1, 1};

const CommandSpec TypesDeleteSpec = {
    "types delete", "types delete [--root KEY] NAME", "Removes the file type NAME.", {RootOption}, "NAME", 1, 1};

namespace {

// The values that `set` writes, from its options; an empty text deletes.
struct SetOption {
    const char* Option;
    const char* Value;
    uint32_t Type;
};

const SetOption SetOptions[] = {
    {"--mask", FileMaskValue, RegSz},
    {"--rx", PatternValue, RegSz},
    {"--present", PresentationValue, RegSz},
    {"--flags", FlagsValue, RegDword},
};

// The value an option of set writes, and its registry type; null for --root and --force.
const char* ValueOfOption(const char* option, uint32_t& type)
{
    type = RegSz;
    for (const SetOption& o : SetOptions)
        if (!std::strcmp(option, o.Option))
            return type = o.Type, o.Value;
    return OptionalValueOf(option);
}

bool ValuesToSet(const Arguments& args, std::vector<RegFileValue>& values)
{
    bool force = args.Has("--force");
    for (const auto& given : args.Given) {
        const char* option = given.first->Name;
        RegFileValue value{"", RegSz, given.second};
        const char* name = ValueOfOption(option, value.Type);
        if (!name)
            continue;
        value.Name = name;
        if (value.Type == RegDword && !ParseTypeFlags(given.second.c_str(), value.Data))
            return UsageError(TypesSetSpec, "--flags needs a number from 0 to 4294967295 (or 0x...)"), false;
        if (value.Type == RegSz && !CheckTypeText(option, value.Data))
            return false;
        bool pattern = name == FileMaskValue || name == PatternValue;
        if (pattern && !value.Data.empty() && !force && !CheckPattern(option, value.Data))
            return std::fprintf(stderr, "Nothing was stored; --force stores it as it is.\n"), false;
        std::string problem = pattern ? "" : OptionalValueProblem(name, value.Data);
        if (!problem.empty() && !force)
            return std::fprintf(stderr, "stringslist: %s: %s, and the plug-in would leave it out.\n"
                                        "Nothing was stored; --force stores it as it is.\n",
                                option, problem.c_str()), false;
        values.push_back(value);
    }
    return true;
}

void SetValue(RegFileKey& key, const RegFileValue& value)
{
    for (size_t i = 0; i < key.Values.size(); i++)
        if (SameRegName(key.Values[i].Name, value.Name)) {
            key.Values.erase(key.Values.begin() + long(i));
            break;
        }
    if (!(value.Type == RegSz && value.Data.empty()))
        key.Values.push_back(value);
}

RegFileKey& FindOrAddType(RegFileDocument& store, const RegKeyPath& path)
{
    for (RegFileKey& key : store.Keys)
        if (SameRegPath(key.Path, path))
            return key;
    store.Keys.push_back(RegFileKey{path, {}});
    return store.Keys.back();
}

}  // namespace

int RunTypesSet(int argc, char** argv, std::string root)
{
    Arguments args;
    int status = ParseTypesArguments(TypesSetSpec, argc, argv, args, root);
    if (status >= 0)
        return status;
    std::vector<RegFileValue> values;
    if (!ValuesToSet(args, values))
        return 2;
    const std::string& name = args.Operands[0];
    if (!CheckTypeName(name, true))
        return 1;
    return ChangeTypes(
        root,
        [&](RegFileDocument& store, bool& changed) -> LONG {
            RegFileKey& type = FindOrAddType(store, TypeKeyPath(root, name));
            for (const RegFileValue& value : values)
                SetValue(type, value);
            changed = true;
            return ERROR_SUCCESS;
        },
        "set the file type " + Printable(name));
}

int RunTypesDelete(int argc, char** argv, std::string root)
{
    Arguments args;
    int status = ParseTypesArguments(TypesDeleteSpec, argc, argv, args, root);
    if (status >= 0)
        return status;
    const std::string& name = args.Operands[0];
    if (!CheckTypeName(name, false))
        return 1;
    bool found = true;
    status = ChangeTypes(
        root,
        [&](RegFileDocument& store, bool& changed) -> LONG {
            found = changed = RemoveType(store, TypeKeyPath(root, name));
            return ERROR_SUCCESS;
        },
        "delete the file type " + Printable(name));
    if (status == 0 && !found)
        return Fail("there is no file type named " + Printable(name));
    return status;
}
