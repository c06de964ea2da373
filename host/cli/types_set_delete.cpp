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
    "types set", "types set [--root KEY] NAME [--mask M] [--rx R] [--present P] [--flags F] [--force]",
    "Creates or changes the file type NAME; an empty text removes that value.",
    {RootOption,
     {"--mask", "M", "the file mask: a pattern found in the names of the type's files"},
     {"--rx", "R", "the pattern that picks the lines of the strings list"},
     {"--present", "P", "the template that makes a menu text of a matched line"},
     {"--flags", "F", "1 select from cursor, 2 sort items, 4 shift unused parameters (added; 0x... too)"},
     {"--force", nullptr, "store a mask or pattern that does not compile"}},
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

bool ValuesToSet(const Arguments& args, std::vector<RegFileValue>& values)
{
    for (const auto& given : args.Given) {
        for (const SetOption& option : SetOptions) {
            if (std::strcmp(given.first->Name, option.Option))
                continue;
            RegFileValue value{option.Value, option.Type, given.second};
            if (option.Type == RegDword && !ParseTypeFlags(given.second.c_str(), value.Data))
                return UsageError(TypesSetSpec, "--flags needs a number from 0 to 4294967295 (or 0x...)"), false;
            if (option.Type == RegSz && !CheckTypeText(option.Option, value.Data))
                return false;
            bool pattern = option.Value == FileMaskValue || option.Value == PatternValue;
            if (pattern && !value.Data.empty() && !args.Has("--force") && !CheckPattern(option.Option, value.Data))
                return std::fprintf(stderr, "Nothing was stored; --force stores it as it is.\n"), false;
            values.push_back(value);
        }
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
