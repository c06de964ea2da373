// stringslist types: the file types in the registry, listed, exported,
// imported from .reg files, set and deleted. The types live where the plug-in
// finds them: below HKEY_CURRENT_USER\<root>, root being this program's own
// unless --root names the host's. Every change is one read-modify-write of the
// tree; in the store file an import lands whole or not at all.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/cli/commands.h"
#include "platform/reg_file.h"
#include "platform/registry_tree.h"
#include "platform/whole_file.h"
#include "settings/store_layout.h"

namespace {

typedef std::vector<std::string> KeyPath;

const char Usage[] =
    "usage: stringslist types list [--root KEY]\n"
    "       stringslist types export [--root KEY] [FILE]\n"
    "       stringslist types import [--root KEY] FILE... | --shipped\n"
    "       stringslist types set [--root KEY] NAME [--mask M] [--rx R] [--present P] [--flags F]\n"
    "       stringslist types delete [--root KEY] NAME\n"
    "KEY: the key below HKEY_CURRENT_USER under which the host keeps plug-in settings\n";

// A registry path as its components.
KeyPath SplitPath(const std::string& path)
{
    KeyPath parts;
    size_t start = 0;
    for (size_t end; (end = path.find('\\', start)) != std::string::npos; start = end + 1)
        parts.push_back(path.substr(start, end - start));
    parts.push_back(path.substr(start));
    return parts;
}

// The table's key below the root of this run (--root, or the program's own).
KeyPath TablePath;
std::string Root;
const KeyPath TableTail = SplitPath(FileTypesPath);

void UseRoot(const std::string& root)
{
    Root = root;
    TablePath = TypesTablePath(root);
}

std::string Place()
{
    return TypesPlace(Root);
}

// The options of `types set`, each naming a value of a type's key.
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

const size_t ValueTextLimit = SETTINGS_TEXT_SIZE - 1;

int Fail(const std::string& message)
{
    std::fprintf(stderr, "stringslist: %s\n", message.c_str());
    return 1;
}

int UsageError(const std::string& message)
{
    std::fprintf(stderr, "stringslist: %s\n%s", message.c_str(), Usage);
    return 2;
}

// A name or text for people: as it is, but for the control bytes a terminal
// would act on, shown as \xhh. Backslashes stay single: patterns are full of them.
std::string Printable(const std::string& text)
{
    std::string out;
    for (unsigned char c : text) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        out += c < 0x20 || c == 0x7F ? std::string(hex) : std::string(1, char(c));
    }
    return out;
}

KeyPath TypePath(const std::string& name)
{
    KeyPath path = TablePath;
    path.push_back(name);
    return path;
}

bool IsBelow(const KeyPath& path, const KeyPath& top)
{
    return IsRegPathAtOrBelow(path, top);
}

// The type keys of a tree read by ReadRegistryTree, in enumeration order.
std::vector<const RegFileKey*> TypeKeys(const RegFileDocument& document)
{
    std::vector<const RegFileKey*> types;
    for (const RegFileKey& key : document.Keys)
        if (key.Path.size() == TablePath.size() + 1 && IsBelow(key.Path, TablePath))
            types.push_back(&key);
    return types;
}

// Removes a type's key and everything below it; answers whether there was one.
bool RemoveType(RegFileDocument& document, const std::string& name)
{
    KeyPath top = TypePath(name);
    size_t before = document.Keys.size();
    document.Keys.erase(std::remove_if(document.Keys.begin(), document.Keys.end(),
                                       [&](const RegFileKey& key) { return IsBelow(key.Path, top); }),
                        document.Keys.end());
    return document.Keys.size() != before;
}

const RegFileValue* FindValue(const RegFileKey& key, const char* name)
{
    for (const RegFileValue& value : key.Values)
        if (SameRegName(value.Name, name))
            return &value;
    return nullptr;
}

bool ReadStore(RegFileDocument& document)
{
    std::string error;
    if (ReadRegistryTree(TablePath, document, error))
        return true;
    Fail("the file types cannot be read: " + error);
    return false;
}

int ChangeStore(const RegistryTreeChange& change, const std::string& what)
{
    std::string error;
    LONG status = ChangeRegistryTree(TablePath, change, error);
    if (status == ERROR_SUCCESS)
        return 0;
    return Fail("cannot " + what + ": " + (error.empty() ? "status " + std::to_string(status) : error));
}

// ---- types list -------------------------------------------------------

std::string FlagsText(uint32_t flags)
{
    std::string text = std::to_string(flags);
    std::string names;
    for (const FileTypeFlagName& f : FileTypeFlagNames)
        if (flags & f.Bit)
            names += (names.empty() ? "" : ", ") + std::string(f.Name);
    return names.empty() ? text : text + " (" + names + ")";
}

// The bytes a registry read gives for a value, whatever its type: a REG_SZ
// text comes with its NUL.
std::string ReadBytes(const RegFileValue& value)
{
    return value.Type == RegSz ? value.Data + '\0' : value.Data;
}

// The plug-in reads a text into SETTINGS_TEXT_SIZE bytes and takes one that
// does not fit there with a NUL as empty.
bool TextTooLong(const std::string& bytes)
{
    return bytes.size() > SETTINGS_TEXT_SIZE || (bytes.size() == SETTINGS_TEXT_SIZE && bytes.back() != '\0');
}

// A value as the plug-in reads it, whatever its registry type: a text up to
// its first NUL, a number from at most 4 bytes (low byte first).
std::string ShownValue(const RegFileKey& key, const char* name)
{
    const RegFileValue* value = FindValue(key, name);
    bool flags = !std::strcmp(name, FlagsValue);
    if (!value)
        return flags ? "0" : "(none)";
    std::string bytes = ReadBytes(*value);
    if (flags && bytes.size() > 4)
        return "0 (" + std::to_string(bytes.size()) + " bytes: the plug-in reads at most 4, else 0)";
    if (flags) {
        uint32_t number = 0;
        for (size_t i = 0; i < bytes.size(); i++)
            number |= uint32_t(static_cast<unsigned char>(bytes[i])) << (8 * i);
        return FlagsText(number);
    }
    if (TextTooLong(bytes))
        return "(read as empty by the plug-in: " + std::to_string(bytes.size()) + " bytes, more than " +
               std::to_string(ValueTextLimit) + " characters and a NUL)";
    return Printable(bytes.substr(0, bytes.find('\0')));
}

int ListTypes()
{
    RegFileDocument document;
    if (!ReadStore(document))
        return 1;
    std::vector<const RegFileKey*> types = TypeKeys(document);
    if (types.empty()) {
        std::printf("No file types in %s.\n%s", Place().c_str(), ImportAdvice(Root).c_str());
        return 0;
    }
    std::printf("File types in %s, in the order the plug-in tries them:\n", Place().c_str());
    for (const RegFileKey* key : types) {
        const std::string& name = key->Path.back();
        std::printf("\n%s", Printable(name).c_str());
        if (name.size() >= TYPE_NAME_SIZE)
            std::printf("  (name of %d characters or more: the plug-in skips it)", TYPE_NAME_SIZE);
        std::printf("\n");
        for (const char* value : {FileMaskValue, PatternValue, PresentationValue, FlagsValue})
            std::printf("    %-9s %s\n", value, ShownValue(*key, value).c_str());
    }
    return 0;
}

// ---- types export -----------------------------------------------------

int ExportTypes(const char* file)
{
    RegFileDocument store;
    if (!ReadStore(store))
        return 1;
    RegFileDocument exported;
    exported.Keys.push_back(RegFileKey{TablePath, {}});
    for (const RegFileKey& key : store.Keys)
        if (key.Path.size() > TablePath.size() && IsBelow(key.Path, TablePath))
            exported.Keys.push_back(key);
    std::string text = FormatRegFile(exported);
    if (!file) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : Fail("cannot write the export to standard output");
    }
    std::string error;
    if (!ReplaceWholeFile(file, text, error))  // a full disk must not cut the backup it replaces
        return Fail(error);
    std::printf("Exported %zu file types to %s.\n", exported.Keys.size() - 1, file);
    return 0;
}

// ---- types import -----------------------------------------------------

bool ReadWholeFile(const char* file, std::string& bytes)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The type name of a key whose path ends in the table's path and a name, or "".
std::string ImportedTypeName(const KeyPath& path)
{
    if (path.size() < TableTail.size() + 1 ||
        !std::equal(TableTail.begin(), TableTail.end(), path.end() - long(TableTail.size()) - 1, SameRegName))
        return "";
    return path.back();
}

// The types of a .reg file, whatever root they were exported from. An empty
// text is never stored: such values are left out.
std::vector<RegFileKey> ImportedTypes(const RegFileDocument& document, size_t& ignored)
{
    std::vector<RegFileKey> types;
    ignored = 0;
    for (const RegFileKey& key : document.Keys) {
        std::string name = ImportedTypeName(key.Path);
        if (name.empty()) {
            ignored += !key.Values.empty();  // the keys above the types hold nothing to lose
            continue;
        }
        RegFileKey type{TypePath(name), {}};
        for (const RegFileValue& value : key.Values)
            if (!(value.Type == RegSz && value.Data.empty()))
                type.Values.push_back(value);
        types.erase(std::remove_if(types.begin(), types.end(),
                                   [&](const RegFileKey& t) { return SameRegName(t.Path.back(), name); }),
                    types.end());
        types.push_back(type);
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
            if (!SameRegName(value.Name, FlagsValue) && TextTooLong(ReadBytes(value)))
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
bool ReadImportFile(const std::string& file, std::vector<RegFileKey>& types)
{
    std::string bytes, error;
    if (!ReadWholeFile(file.c_str(), bytes))
        return Fail("cannot read " + file + ": " + std::strerror(errno)), false;
    RegFileDocument document;
    if (!ParseRegFile(bytes, file, RegFileLenient, document, error))
        return Fail(error), false;
    size_t ignored = 0;
    std::vector<RegFileKey> found = ImportedTypes(document, ignored);
    if (found.empty())
        return Fail(file + ": no file types in it: expected keys ending in \\" + FileTypesPath + "\\NAME"), false;
    WarnImported(found, ignored, file);
    for (const RegFileKey& type : found) {
        types.erase(std::remove_if(types.begin(), types.end(),
                                   [&](const RegFileKey& t) { return SameRegName(t.Path.back(), type.Path.back()); }),
                    types.end());
        types.push_back(type);
    }
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

// Every file is read before anything is written: one bad file imports nothing.
int ImportTypes(const std::vector<std::string>& files, const std::string& from = "")
{
    std::vector<RegFileKey> types;
    for (const std::string& file : files)
        if (!ReadImportFile(file, types))
            return 1;
    int status = ChangeStore(
        [&](RegFileDocument& store, bool& changed) -> LONG {
            for (const RegFileKey& type : types) {
                RemoveType(store, type.Path.back());  // replaced whole, not merged value by value
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
                from.empty() ? "" : (" from " + from).c_str(), Place().c_str(), names.c_str());
    return 0;
}

int ImportShippedTypes()
{
    std::string folder, searched;
    std::vector<std::string> files;
    if (!ShippedTypeFiles(files, folder, searched))
        return Fail("cannot find the shipped file types: no .reg files in " + searched);
    return ImportTypes(files, folder);
}

// ---- types set and delete ---------------------------------------------

bool CheckTypeName(const std::string& name, bool forWriting)
{
    if (name.empty() || name.find_first_of("\\\r\n") != std::string::npos) {
        Fail("a type name must not be empty nor hold a backslash or a line end");
        return false;
    }
    if (forWriting && name.size() >= TYPE_NAME_SIZE) {
        Fail("a type name must be shorter than " + std::to_string(TYPE_NAME_SIZE) +
             " characters: the plug-in skips longer ones");
        return false;
    }
    return true;
}

// The values that `set` writes, from its options; an empty text deletes.
bool ParseSetOptions(int argc, char** argv, std::vector<RegFileValue>& values)
{
    for (int i = 0; i < argc; i++) {
        const SetOption* option = nullptr;
        for (const SetOption& o : SetOptions)
            if (!std::strcmp(argv[i], o.Option))
                option = &o;
        if (!option)
            return UsageError(std::string("unknown option ") + argv[i]), false;
        if (i + 1 == argc)
            return UsageError(std::string(argv[i]) + " needs a value"), false;
        RegFileValue value{option->Value, option->Type, argv[++i]};
        if (option->Type == RegDword && !ParseTypeFlags(argv[i], value.Data))
            return UsageError("--flags needs a number from 0 to 4294967295 (or 0x...)"), false;
        if (option->Type == RegSz && !CheckTypeText(argv[i - 1], value.Data))
            return std::fputs(Usage, stderr), false;
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

RegFileKey& FindOrAddType(RegFileDocument& store, const std::string& name)
{
    for (RegFileKey& key : store.Keys)
        if (SameRegPath(key.Path, TypePath(name)))
            return key;
    store.Keys.push_back(RegFileKey{TypePath(name), {}});
    return store.Keys.back();
}

int SetType(const std::string& name, int argc, char** argv)
{
    std::vector<RegFileValue> values;
    if (!ParseSetOptions(argc, argv, values))
        return 2;
    if (!CheckTypeName(name, true))
        return 1;
    return ChangeStore(
        [&](RegFileDocument& store, bool& changed) -> LONG {
            RegFileKey& type = FindOrAddType(store, name);
            for (const RegFileValue& value : values)
                SetValue(type, value);
            changed = true;
            return ERROR_SUCCESS;
        },
        "set the file type " + Printable(name));
}

int DeleteType(const std::string& name)
{
    bool found = true;
    int status = ChangeStore(
        [&](RegFileDocument& store, bool& changed) -> LONG {
            found = changed = RemoveType(store, name);
            return ERROR_SUCCESS;
        },
        "delete the file type " + Printable(name));
    if (status == 0 && !found)
        return Fail("there is no file type named " + Printable(name));
    return status;
}

// The usage line of one subcommand.
std::string UsageOf(const std::string& command)
{
    size_t at = std::string(Usage).find("types " + command);
    size_t end = std::string(Usage).find('\n', at);
    return at == std::string::npos ? Usage : "usage: stringslist " + std::string(Usage).substr(at, end - at + 1);
}

int RunSubcommand(const std::string& command, std::vector<char*> args)
{
    size_t n = args.size();
    if (command == "list" && n == 0)
        return ListTypes();
    if (command == "export" && n <= 1)
        return ExportTypes(n == 1 ? args[0] : nullptr);
    if (command == "import" && n == 1 && !std::strcmp(args[0], "--shipped"))
        return ImportShippedTypes();
    if (command == "import" && n >= 1)
        return ImportTypes(std::vector<std::string>(args.begin(), args.end()));
    if (command == "set" && n >= 1)
        return SetType(args[0], int(n - 1), args.data() + 1);
    if (command == "delete" && n == 1)
        return CheckTypeName(args[0], false) ? DeleteType(args[0]) : 1;
    std::string what = command == "import" ? "types import needs FILE... or --shipped"
                       : command == "set" || command == "delete" ? "types " + command + " needs a NAME"
                                                                  : "types " + command + ": wrong arguments";
    std::fprintf(stderr, "stringslist: %s\n%s", what.c_str(), UsageOf(command).c_str());
    return 2;
}

}  // namespace

bool ParseTypeFlags(const char* text, std::string& data)
{
    char* end = nullptr;
    errno = 0;
    unsigned long long n = std::strtoull(text, &end, 0);
    if (errno || end == text || *end || text[0] == '-' || n > 0xFFFFFFFFull)
        return false;
    data = std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
    return true;
}

bool CheckTypeText(const char* option, const std::string& text)
{
    if (text.size() <= ValueTextLimit)
        return true;
    std::fprintf(stderr, "stringslist: %s takes at most %zu characters: the plug-in would read a longer text as empty\n",
                 option, ValueTextLimit);
    return false;
}

KeyPath TypesTablePath(const std::string& root)
{
    KeyPath path = SplitPath(std::string("HKEY_CURRENT_USER\\") + root);
    path.insert(path.end(), TableTail.begin(), TableTail.end());
    return path;
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
    std::string option = root == ProgramRegistryRoot ? "" : "--root \"" + root + "\" ";
    return "Import the shipped ones with: stringslist types import " + option + "--shipped\n";
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
    KeyPath path = SplitPath(root);
    bool ok = !root.empty() && std::none_of(path.begin(), path.end(), [](const std::string& name) {
        return name.empty() || name.size() > 255 || name.find_first_of("\r\n") != std::string::npos;
    });
    if (!ok)
        std::fprintf(stderr, "stringslist: --root needs a key below HKEY_CURRENT_USER, such as "
                             "\"Software\\Host\\Plugins\", not \"%s\"\n", Printable(text).c_str());
    return ok;
}

int RunTypesCommand(const ProgramOptions&, int argc, char** argv)
{
    std::vector<char*> args(argv, argv + argc);
    std::string root = ProgramRegistryRoot;
    // --root KEY stands just before or just after the subcommand.
    for (size_t at : {size_t(0), size_t(1)})
        if (args.size() > at + 1 && !std::strcmp(args[at], "--root")) {
            if (!ParseRegistryRoot(args[at + 1], root))
                return 2;
            args.erase(args.begin() + long(at), args.begin() + long(at) + 2);
            break;
        }
    UseRoot(root);
    std::string command = args.empty() ? "" : args[0];
    if (command == "--help" || command == "-h") {
        std::printf("%s", Usage);
        return 0;
    }
    for (const char* known : {"list", "export", "import", "set", "delete"})
        if (command == known)
            return RunSubcommand(command, std::vector<char*>(args.begin() + 1, args.end()));
    return UsageError(command.empty() ? "types needs a subcommand" : "unknown subcommand: types " + command);
}
