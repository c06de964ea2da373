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
#include "host/cli/type_store.h"
#include "host/cli/types_commands.h"
#include "platform/file_bytes.h"
#include "settings/store_layout.h"

const CommandSpec TypesImportSpec = {
    "types import", "types import [--root KEY] FILE... | --shipped",
    "Files every file type of the .reg files below KEY, whatever root they name; a type replaces the "
    "type of the same name whole.",
    {RootOption, {"--shipped", nullptr, "the file types shipped with the program"}},
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
            if (!SameRegName(value.Name, FlagsValue) && TextTooLong(ValueBytes(value)))
                std::fprintf(stderr, "stringslist: warning: %s of %s has %zu bytes; the plug-in "
                                     "reads at most %zu characters and a NUL and takes a longer text as empty\n",
                             Printable(value.Name).c_str(), Printable(type.Path.back()).c_str(),
                             value.Data.size(), ValueTextLimit);
    }
    if (ignored)
        std::fprintf(stderr, "stringslist: %s: %zu keys with values but not of the form "
                             "...\\%s\\NAME were left out\n", file.c_str(), ignored, FileTypesPath);
}

// Adds the types of one .reg file to those to import; a later file's type
// replaces an earlier one's of the same name.
bool ReadImportFile(const std::string& file, const std::string& root, std::vector<RegFileKey>& types)
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
            files.push_back(folder + "/" + name);
    }
    closedir(dir);
    std::sort(files.begin(), files.end());
    return !files.empty();
}

// The shipped types: beside the program (the Windows bundle), in the share
// folder of an installation, or in the source tree the program was built from.
bool ShippedTypeFiles(std::vector<std::string>& files, std::string& folder, std::string& searched)
{
    std::string dir = ProgramDirectory();
    for (const std::string& candidate : {dir + "/filetypes", dir + "/../share/stringslist/filetypes",
                                      std::string(STRINGSLIST_SOURCE_DIR "/filetypes")}) {
        if (RegFilesIn(candidate, files))
            return (folder = candidate), true;
        searched += (searched.empty() ? "" : ", ") + candidate;
    }
    return false;
}

int ImportTypes(const std::vector<std::string>& files, const std::string& root, const std::string& from = "")
{
    std::vector<RegFileKey> types;
    for (const std::string& file : files)
        if (!ReadImportFile(file, root, types))
            return 1;
    int status = ChangeTypes(
        root,
        [&](RegFileDocument& store, bool& changed) -> LONG {
            for (const RegFileKey& type : types) {
                RemoveType(store, type.Path);  // replaced whole, not merged value by value
                store.Keys.push_back(type);
            }
            changed = true;
            return ERROR_SUCCESS;
        },
        "import the file types");
    if (status != 0)
        return status;
    std::string names;
    for (const RegFileKey& type : types)
        names += (names.empty() ? "" : ", ") + Printable(type.Path.back());
    std::printf("Imported %zu file type%s%s into %s: %s\n", types.size(), types.size() == 1 ? "" : "s",
                from.empty() ? "" : (" from " + from).c_str(), TypesPlace(root).c_str(), names.c_str());
    return 0;
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
    if (!shipped)
        return ImportTypes(args.Operands, root);
    std::string folder, searched;
    std::vector<std::string> files;
    if (!ShippedTypeFiles(files, folder, searched))
        return Fail("cannot find the shipped file types: no .reg files in " + searched);
    return ImportTypes(files, root, folder);
}
