// stringslist types: the file types in the registry store, listed, exported,
// imported from .reg files, set and deleted. The types live where the plug-in
// finds them: below HKEY_CURRENT_USER\<root>, root being this program's own. Every change is one read-modify-write of
// the store, so an import lands whole or not at all.
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "host/cli/commands.h"
#include "platform/reg_file.h"
#include "platform/registry_store.h"
#include "settings/store_layout.h"

namespace {

typedef std::vector<std::string> KeyPath;

const char Usage[] =
    "usage: stringslist types list\n"
    "       stringslist types export [FILE]\n"
    "       stringslist types import FILE\n"
    "       stringslist types set NAME [--mask M] [--rx R] [--present P] [--flags F]\n"
    "       stringslist types delete NAME\n";

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

const KeyPath TablePath = [] {
    KeyPath path = SplitPath(std::string("HKEY_CURRENT_USER\\") + ProgramRegistryRoot);
    KeyPath table = SplitPath(FileTypesPath);
    path.insert(path.end(), table.begin(), table.end());
    return path;
}();
const KeyPath TableTail = SplitPath(FileTypesPath);

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
    return path.size() >= top.size() && std::equal(top.begin(), top.end(), path.begin(), SameRegName);
}

// The type keys of a store read by ReadRegistryStore, in enumeration order.
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
    if (ReadRegistryStore(document, error))
        return true;
    Fail("the registry store cannot be read: " + error);
    return false;
}

int ChangeStore(const RegistryStoreChange& change, const std::string& what)
{
    std::string error;
    LONG status = ChangeRegistryStore(change, error);
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
        std::printf("No file types in %s.\nImport some with: stringslist types import FILE.reg\n",
                    RegistryStorePath().c_str());
        return 0;
    }
    std::printf("File types in %s, in the order the plug-in tries them:\n", RegistryStorePath().c_str());
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
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out)
        return Fail(std::string("cannot write ") + file + ": " + std::strerror(errno));
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

void PrintImported(const std::vector<RegFileKey>& types, size_t ignored, const char* file)
{
    std::string names;
    for (const RegFileKey& type : types) {
        names += (names.empty() ? "" : ", ") + Printable(type.Path.back());
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
                             "...\\%s\\NAME were left out\n", file, ignored, FileTypesPath);
    std::printf("Imported %zu file type%s into %s: %s\n", types.size(), types.size() == 1 ? "" : "s",
                RegistryStorePath().c_str(), names.c_str());
}

int ImportTypes(const char* file)
{
    std::string bytes, error;
    if (!ReadWholeFile(file, bytes))
        return Fail(std::string("cannot read ") + file + ": " + std::strerror(errno));
    RegFileDocument document;
    if (!ParseRegFile(bytes, file, RegFileLenient, document, error))
        return Fail(error);
    size_t ignored = 0;
    std::vector<RegFileKey> types = ImportedTypes(document, ignored);
    if (types.empty())
        return Fail(std::string(file) + ": no file types in it: expected keys ending in \\" + FileTypesPath +
                    "\\NAME");
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
    if (status == 0)
        PrintImported(types, ignored, file);
    return status;
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

int RunTypesCommand(const ProgramOptions&, int argc, char** argv)
{
    std::string command = argc > 0 ? argv[0] : "";
    if (command == "list" && argc == 1)
        return ListTypes();
    if (command == "export" && argc <= 2)
        return ExportTypes(argc == 2 ? argv[1] : nullptr);
    if (command == "import" && argc == 2)
        return ImportTypes(argv[1]);
    if (command == "set" && argc >= 2)
        return SetType(argv[1], argc - 2, argv + 2);
    if (command == "delete" && argc == 2)
        return CheckTypeName(argv[1], false) ? DeleteType(argv[1]) : 1;
    if (command == "--help" || command == "-h") {
        std::printf("%s", Usage);
        return 0;
    }
    return UsageError(command.empty() ? "types needs a subcommand" : "unknown subcommand: types " + command);
}
