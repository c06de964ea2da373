// stringslist types list: the file types below a root, in the order the
// plug-in tries them, each value as the plug-in reads it.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/printable.h"
#include "host/cli/type_store.h"
#include "host/cli/types_commands.h"
#include "settings/store_layout.h"

const CommandSpec TypesListSpec = {
    "types list", "types list [--root KEY]",
    "The file types, in the order the plug-in tries them, each value as the plug-in reads it.",
    {RootOption}, "", 0, 0};

namespace {

std::string FlagsText(uint32_t flags)
{
    std::string text = std::to_string(flags);
    std::string names;
    for (const FileTypeFlagName& f : FileTypeFlagNames)
        if (flags & f.Bit)
            names += (names.empty() ? "" : ", ") + std::string(f.Name);
    return names.empty() ? text : text + " (" + names + ")";
}

// A value as the plug-in reads it, whatever its registry type: a text up to
// its first NUL, a number from at most 4 bytes (low byte first).
std::string ShownValue(const RegFileKey& key, const char* name)
{
    const RegFileValue* value = FindValue(key, name);
    bool flags = !std::strcmp(name, FlagsValue);
    if (!value)
        return flags ? "0" : "(none)";
    std::string bytes = ValueBytes(*value);
    if (flags && bytes.size() > 4)
        return "0 (" + std::to_string(bytes.size()) + " bytes: the plug-in reads at most 4, else 0)";
    if (flags) {
        uint32_t number = 0;
        for (size_t i = 0; i < bytes.size(); i++)
            number |= uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
        return FlagsText(number);
    }
    if (TextTooLong(bytes, name))
        return "(read as empty by the plug-in: " + std::to_string(bytes.size()) + " bytes, more than " +
               std::to_string(TextLimit(name)) + " characters and a NUL)";
    return Printable(bytes.substr(0, bytes.find('\0')));
}

}  // namespace

int RunTypesList(int argc, char** argv, std::string root)
{
    Arguments args;
    int status = ParseTypesArguments(TypesListSpec, argc, argv, args, root);
    if (status >= 0)
        return status;
    RegFileDocument tree;
    if (!ReadTypes(root, tree))
        return 1;
    std::vector<const RegFileKey*> types = TypeKeys(tree, root);
    if (types.empty()) {
        std::printf("No file types in %s.\n%s", TypesPlace(root).c_str(), ImportAdvice(root).c_str());
        return 0;
    }
    std::printf("File types in %s, in the order the plug-in tries them:\n", TypesPlace(root).c_str());
    for (const RegFileKey* key : types) {
        const std::string& name = key->Path.back();
        std::printf("\n%s", Printable(name).c_str());
        if (name.size() >= TYPE_NAME_SIZE)
            std::printf("  (name of %d characters or more: the plug-in skips it)", TYPE_NAME_SIZE);
        std::printf("\n");
        std::vector<const char*> broken = BrokenPatterns(*key);
        for (const char* value : {FileMaskValue, PatternValue, PresentationValue, FlagsValue}) {
            bool compiles = std::find(broken.begin(), broken.end(), value) == broken.end();
            std::printf("    %-9s %s%s\n", value, ShownValue(*key, value).c_str(),
                        compiles ? "" : value == FileMaskValue ? "   (does not compile: the plug-in never picks this type)"
                                                               : "   (does not compile: the plug-in lists nothing with it)");
        }
        // The optional values only where a type has them, so a list of types without them stays as it was.
        for (const char* value : OptionalValues) {
            if (!FindValue(*key, value))
                continue;
            std::string problem = OptionalValueProblem(value, TypeText(*key, value));
            std::printf("    %-11s %s%s\n", value, ShownValue(*key, value).c_str(),
                        problem.empty() ? "" : ("   (" + problem + ": the plug-in leaves it out)").c_str());
        }
    }
    return 0;
}
