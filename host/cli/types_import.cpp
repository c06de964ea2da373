// stringslist types import: the file types of .reg files, or the shipped
// ones, filed below a root whatever root the files name. Every file is read
// before anything is written: one bad file imports nothing.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <string>
#include <vector>

#include "base/printable.h"
#include "host/cli/commands.h"
#include "host/cli/pattern_check.h"
#include "host/cli/type_store.h"
#include "host/cli/types_commands.h"
#include "platform/file_bytes.h"
#include "settings/store_layout.h"

const CommandSpec TypesImportSpec = {
    "types import", "types import [--root KEY] [--force] FILE...\ntypes import [--root KEY] [--force] --shipped [--replace]",
    "Files every file type of the .reg files below KEY, whatever root they name; a type replaces the "
    "type of the same name whole. With --shipped, the shipped types that are missing are added and "
    "those that differ from the shipped ones are kept, unless --replace.",
    {RootOption,
     {"--shipped", nullptr, "the file types shipped with the program"},
     {"--replace", nullptr, "with --shipped: replace the types that differ from the shipped ones too"},
     {"--force", nullptr, "import masks and patterns that do not compile, and words the plug-in leaves out, as they are"}},
    "FILE... or --shipped", 0, -1};

namespace {

// The type name of a key whose path ends in the table's path and a name, or "".
std::string ImportedTypeName(const RegKeyPath& path)
{
    RegKeyPath tail = SplitRegPath(FileTypesPath);
    if (path.size() < tail.size() + 1 ||
        !std::equal(tail.begin(), tail.end(), path.end() - long(tail.size()) - 1, SameRegName))
        return "";
    return path.back();
}

// Puts type in types, replacing one of the same name.
void Replace(std::vector<RegFileKey>& types, const RegFileKey& type)
{
    types.erase(std::remove_if(types.begin(), types.end(),
                               [&](const RegFileKey& t) { return SameRegName(t.Path.back(), type.Path.back()); }),
                types.end());
    types.push_back(type);
}

// The types of a .reg file, whatever root they were exported from, filed
// below root. An empty text is never stored: such values are left out.
std::vector<RegFileKey> ImportedTypes(const RegFileDocument& document, const std::string& root, size_t& ignored)
{
    std::vector<RegFileKey> types;
    ignored = 0;
    for (const RegFileKey& key : document.Keys) {
        std::string name = ImportedTypeName(key.Path);
        if (name.empty()) {
            ignored += !key.Values.empty();  // the keys above the types hold nothing to lose
            continue;
        }
        RegFileKey type{TypeKeyPath(root, name), {}};
        for (const RegFileValue& value : key.Values)
            if (!(value.Type == RegSz && value.Data.empty()))
                type.Values.push_back(value);
        Replace(types, type);
    }
    return types;
}

void WarnImported(const std::vector<RegFileKey>& types, size_t ignored, const std::string& file)
{
    for (const RegFileKey& type : types) {
        if (type.Path.back().size() >= TYPE_NAME_SIZE)
            std::fprintf(stderr, "stringslist: warning: the type name %s has %d characters or more; "
                                 "the plug-in skips it\n", Printable(type.Path.back()).c_str(), TYPE_NAME_SIZE);
        for (const RegFileValue& value : type.Values)
            if (!SameRegName(value.Name, FlagsValue) && TextTooLong(ValueBytes(value), value.Name))
                std::fprintf(stderr, "stringslist: warning: %s of %s has %zu bytes; the plug-in "
                                     "reads at most %zu characters and a NUL and takes a longer text as empty\n",
                             Printable(value.Name).c_str(), Printable(type.Path.back()).c_str(),
                             value.Data.size(), TextLimit(value.Name));
    }
    if (ignored)
        std::fprintf(stderr, "stringslist: %s: %zu keys with values but not of the form "
                             "...\\%s\\NAME were left out\n", file.c_str(), ignored, FileTypesPath);
}

// Whether every mask and pattern of the file's types compiles and the
// plug-in reads every word of their optional values; says which do not.
bool TypesReadWhole(const std::vector<RegFileKey>& types, const std::string& file)
{
    bool whole = true;
    for (const RegFileKey& type : types) {
        for (const char* name : BrokenPatterns(type))
            whole = CheckPattern(file + ": " + name + " of " + Printable(type.Path.back()), TypeText(type, name)) &&
                    whole;
        for (const char* name : OptionalValues) {
            std::string problem = OptionalValueProblem(name, TypeText(type, name));
            if (!problem.empty())
                std::fprintf(stderr, "stringslist: %s: %s of %s: %s, and the plug-in would leave it out\n",
                             file.c_str(), name, Printable(type.Path.back()).c_str(), problem.c_str());
            whole = whole && problem.empty();
        }
    }
    return whole;
}

// Adds the types of one .reg file to those to import; a later file's type
// replaces an earlier one's of the same name.
bool ReadImportFile(const std::string& file, const std::string& root, bool force, std::vector<RegFileKey>& types)
{
    std::string bytes, error;
    if (int failure = ReadFileBytes(file, bytes))
        return Fail("cannot read " + file + ": " + std::strerror(failure)), false;
    RegFileDocument document;
    if (!ParseRegFile(bytes, file, RegFileLenient, document, error))
        return Fail(error), false;
    size_t ignored = 0;
    std::vector<RegFileKey> found = ImportedTypes(document, root, ignored);
    if (found.empty())
        return Fail(file + ": no file types in it: expected keys ending in \\" + FileTypesPath + "\\NAME"), false;
    WarnImported(found, ignored, file);
    if (!force && !TypesReadWhole(found, file))
        return std::fprintf(stderr, "Nothing was imported; --force imports them as they are.\n"), false;
    for (const RegFileKey& type : found)
        Replace(types, type);
    return true;
}

// The .reg files of a folder, sorted; false when there are none.
bool RegFilesIn(const std::string& folder, std::vector<std::string>& files)
{
    files.clear();
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".reg") == 0)
            files.push_back(JoinPath(folder, name));
    }
    closedir(dir);
    std::sort(files.begin(), files.end());
    return !files.empty();
}

// The shipped types: beside the program (the Windows bundle), or in the share
// folder of an installation or of the build tree.
bool ShippedTypeFiles(std::vector<std::string>& files, std::string& folder, std::string& searched)
{
    for (const char* relative : {"filetypes", "../share/stringslist/filetypes"}) {
        std::string candidate = JoinPath(ProgramDirectory(), relative);
        if (RegFilesIn(candidate, files))
            return (folder = candidate), true;
        searched += (searched.empty() ? "" : ", ") + candidate;
    }
    return false;
}

// Whether two keys hold the same values, in whatever order.
bool SameValues(const RegFileKey& a, const RegFileKey& b)
{
    if (a.Values.size() != b.Values.size())
        return false;
    for (const RegFileValue& value : a.Values) {
        const RegFileValue* other = FindValue(b, value.Name.c_str());
        if (!other || other->Type != value.Type || other->Data != value.Data)
            return false;
    }
    return true;
}

std::string NameList(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + Printable(name);
    return text;
}

// What an import did, for the lines that say so.
struct ImportResult {
    std::vector<std::string> Imported, Kept, Unchanged;
};

// Files the types below root, each replacing the type of its name whole;
// with keepChanged, a type already there that differs stays as it is.
int ImportTypes(const std::vector<RegFileKey>& types, const std::string& root, bool keepChanged, ImportResult& result)
{
    return ChangeTypes(
        root,
        [&](RegFileDocument& store, bool& changed) -> LONG {
            result = ImportResult();
            for (const RegFileKey& type : types) {
                const RegFileKey* old = nullptr;
                for (const RegFileKey* key : TypeKeys(store, root))
                    if (SameRegName(key->Path.back(), type.Path.back()))
                        old = key;
                if (old && keepChanged) {
                    (SameValues(*old, type) ? result.Unchanged : result.Kept).push_back(old->Path.back());
                    continue;
                }
                RemoveType(store, type.Path);  // replaced whole, not merged value by value
                store.Keys.push_back(type);
                result.Imported.push_back(type.Path.back());
            }
            changed = !result.Imported.empty();
            return ERROR_SUCCESS;
        },
        "import the file types");
}

void SayImported(const ImportResult& result, const std::string& root, const std::string& from)
{
    size_t n = result.Imported.size();
    std::printf("Imported %zu file type%s%s into %s%s%s\n", n, n == 1 ? "" : "s",
                from.empty() ? "" : (" from " + from).c_str(), TypesPlace(root).c_str(), n ? ": " : ".",
                NameList(result.Imported).c_str());
    if (!result.Kept.empty())
        std::printf("Kept %zu that differ from the shipped ones, as changed by you: %s "
                    "(--replace replaces them).\n", result.Kept.size(), NameList(result.Kept).c_str());
    if (!result.Unchanged.empty())
        std::printf("%zu were there already as shipped.\n", result.Unchanged.size());
}

}  // namespace

int RunTypesImport(int argc, char** argv, std::string root)
{
    Arguments args;
    int status = ParseTypesArguments(TypesImportSpec, argc, argv, args, root);
    if (status >= 0)
        return status;
    bool shipped = args.Has("--shipped");
    if (shipped == !args.Operands.empty())
        return UsageError(TypesImportSpec, shipped ? "types import takes FILE... or --shipped, not both"
                                                   : "types import needs FILE... or --shipped");
    if (args.Has("--replace") && !shipped)
        return UsageError(TypesImportSpec, "--replace goes with --shipped: FILEs always replace the types they hold");
    std::vector<std::string> files = args.Operands;
    std::string folder;
    if (shipped) {
        std::string searched;
        if (!ShippedTypeFiles(files, folder, searched))
            return Fail("cannot find the shipped file types: no .reg files in " + searched);
    }
    // Every file is read before anything is written: one bad file imports nothing.
    std::vector<RegFileKey> types;
    for (const std::string& file : files)
        if (!ReadImportFile(file, root, args.Has("--force"), types))
            return 1;
    ImportResult result;
    status = ImportTypes(types, root, shipped && !args.Has("--replace"), result);
    if (status == 0)
        SayImported(result, root, folder);
    return status;
}
