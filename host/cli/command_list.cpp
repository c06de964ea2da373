// stringslist list: the strings list of a file, run through the plug-in as
// the editor's host would run it. The file stands in for the editor's text;
// the user's store holds the file types, or --type/--rx give the one type to
// use, lent to the plug-in in a throwaway store of its own so that the user's
// is never written. Human output shows the menu as a user would see it;
// --porcelain prints every call the user would see, or that moves the editor,
// in a fixed form.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/printable.h"
#include "host/cli/commands.h"
#include "host/cli/no_file_type.h"
#include "host/cli/options.h"
#include "host/cli/pattern_check.h"
#include "host/cli/porcelain.h"
#include "host/common/plugin_library.h"
#include "host/common/text_lines.h"
#include "host/scripted/scripted_host.h"
#include "platform/registry_store.h"
#include "platform/registry_tree.h"
#include "settings/store_layout.h"

namespace {

const CommandSpec ListSpec = {
    "list",
    "list [--porcelain] [--cursor N] [--height H] [--choose K] [--root KEY]\n"
    "     [--type NAME | --rx PATTERN [--present TEMPLATE] [--flags F]\n"
    "      [--line-comment WORDS] [--block WORDS] [--nested-block WORDS] [--quote WORDS] [--join WORDS]] FILE",
    "The strings list of FILE, run through the plug-in as the editor's host runs it, printed.",
    WithOptionalValues({{"--porcelain", nullptr, "a fixed output for scripts (docs/porcelain.md)"},
                        {"--cursor", "N", "the cursor on line N, from 0 (default 0)"},
                        {"--height", "H", "the editor window H lines high (default 25)"},
                        {"--choose", "K", "choose the menu's item K, from 0 (default: cancel the menu)"},
                        RootOption,
                        {"--type", "NAME", "use the file type NAME, whatever its mask"},
                        {"--rx", "PATTERN", "use this pattern as the one file type of the run"},
                        {"--present", "TEMPLATE", "with --rx: its presentation template"},
                        {"--flags", "F", "with --rx: its flags"}},
                       {}),
    "FILE", 1, 1, false, 1};

struct ListOptions {
    bool Porcelain = false;
    int Cursor = 0;
    int Height = 25;
    int ChooseIndex = -1;  // -1: the menu is cancelled
    std::string TypeName;  // --type: this type of the store, whatever its mask
    std::string Pattern, Presentation, Flags;  // --rx, --present, --flags (4 data bytes)
    bool HasPattern = false, HasPresentation = false, HasFlags = false;
    std::vector<RegFileValue> Optional;  // with --rx: the type's optional values given
    std::string Root = ProgramRegistryRoot;
    std::string File;
};

struct NumberOption {
    const char* Name;
    int Minimum;
    int ListOptions::*Value;
};

const NumberOption NumberOptions[] = {
    {"--cursor", 0, &ListOptions::Cursor},
    {"--height", 0, &ListOptions::Height},
    {"--choose", INT_MIN, &ListOptions::ChooseIndex},
};

// Options that take a text.
struct TextOption {
    const char* Name;
    std::string ListOptions::*Value;
    bool ListOptions::*Given;
};

const TextOption TextOptions[] = {
    {"--type", &ListOptions::TypeName, nullptr},
    {"--rx", &ListOptions::Pattern, &ListOptions::HasPattern},
    {"--present", &ListOptions::Presentation, &ListOptions::HasPresentation},
    {"--flags", &ListOptions::Flags, &ListOptions::HasFlags},
};

bool TakeNumberOption(const NumberOption& option, const std::string& text, ListOptions& options)
{
    long long value = 0;
    if (!ParseNumber(text.c_str(), option.Minimum, INT_MAX, value))
        return UsageError(ListSpec, std::string(option.Name) + " needs a number" +
                                        (option.Minimum == 0 ? " of 0 or more" : "") + ", not \"" +
                                        Printable(text) + "\""), false;
    options.*option.Value = static_cast<int>(value);
    return true;
}

bool TakeTextOption(const TextOption& option, const std::string& text, ListOptions& options)
{
    std::string value = text;
    if (option.Value == &ListOptions::Flags) {
        if (!ParseTypeFlags(text.c_str(), value))
            return UsageError(ListSpec, "--flags needs a number from 0 to 4294967295 (or 0x...)"), false;
    } else if (option.Value == &ListOptions::TypeName ? value.empty() : !CheckTypeText(option.Name, value)) {
        if (value.empty())
            UsageError(ListSpec, "--type needs a type's name");
        return false;
    }
    options.*option.Value = value;
    if (option.Given)
        options.*option.Given = true;
    return true;
}

// An optional value of the type of the run, refused where the plug-in would leave words out.
bool TakeOptionalValue(const char* option, const std::string& text, ListOptions& options)
{
    const char* name = OptionalValueOf(option);
    if (!CheckTypeText(option, text))
        return false;
    std::string problem = OptionalValueProblem(name, text);
    if (!problem.empty())
        return UsageError(ListSpec, std::string(option) + ": " + problem + ", and the plug-in would leave it out"),
               false;
    // Given twice, the last counts, as for every option.
    options.Optional.erase(std::remove_if(options.Optional.begin(), options.Optional.end(),
                                          [&](const RegFileValue& v) { return v.Name == name; }),
                           options.Optional.end());
    if (!text.empty())
        options.Optional.push_back({name, RegSz, text});
    return true;
}

// --type names a type; --rx gives one, --present and --flags belong to it.
bool CheckTypeOptions(const ListOptions& options)
{
    const char* problem = nullptr;
    if (!options.TypeName.empty() && options.HasPattern)
        problem = "--type and --rx exclude each other";
    else if ((options.HasPresentation || options.HasFlags || !options.Optional.empty()) && !options.HasPattern)
        problem = "--present, --flags and the optional values (--line-comment...) go with --rx";
    if (problem)
        UsageError(ListSpec, problem);
    return !problem;
}

// FILE is always the last argument, so any name, one that begins with "-"
// included, can be a FILE; options stand before it. Answers -1 to go on, else
// the exit status.
int ParseListOptions(int argc, char** argv, ListOptions& options)
{
    Arguments args;
    int status = ParseArguments(ListSpec, argc, argv, args);
    if (status >= 0)
        return status;
    for (const auto& given : args.Given) {
        const std::string& name = given.first->Name;
        bool ok = true;
        for (const NumberOption& o : NumberOptions)
            if (name == o.Name)
                ok = TakeNumberOption(o, given.second, options);
        for (const TextOption& o : TextOptions)
            if (name == o.Name)
                ok = TakeTextOption(o, given.second, options);
        if (OptionalValueOf(name.c_str()))
            ok = TakeOptionalValue(name.c_str(), given.second, options);
        if (name == "--porcelain")
            options.Porcelain = true;
        if (name == "--root")
            ok = ParseRegistryRoot(given.second, options.Root);
        if (!ok)
            return 2;
    }
    options.File = args.Operands[0];
    return CheckTypeOptions(options) ? -1 : 2;
}

// The scripted host of the run: its menu answers --choose K only when K is an
// index of the menu; line reads are answered unrecorded (a record per line
// would outweigh the file itself, and the output shows no reads) and no line
// holds a selection.
class ListHost : public ScriptedHost {
public:
    int Choice = -1;

    int Menu(int x, int y, int maxHeight, unsigned flags, const char* title, const char* bottom,
             const char* help, const int* breakKeys, int* breakCode, const PluginMenuItem* items,
             int count) override
    {
        MenuAnswers.assign(1, MenuAnswer{Choice >= 0 && Choice < count ? Choice : -1});
        return ScriptedHost::Menu(x, y, maxHeight, flags, title, bottom, help, breakKeys, breakCode, items,
                                  count);
    }

    int EditorControl(int command, void* record) override
    {
        if (command != EDITOR_GET_LINE)
            return ScriptedHost::EditorControl(command, record);
        auto* line = static_cast<EditorLineRecord*>(record);
        const TextLines& lines = Editor.Lines;
        bool inside = line->LineNumber >= 0 && line->LineNumber < static_cast<int>(lines.size());
        line->Text = inside ? lines.CString(static_cast<size_t>(line->LineNumber)) : "";
        line->SelectionStart = line->SelectionEnd = -1;
        return 1;
    }
};

// The one type of a run with --type or --rx, its mask taking every file name.
bool TypeOfRun(const ListOptions& options, const RegFileDocument& store, RegFileKey& type)
{
    type.Path = TypeKeyPath(options.Root, options.HasPattern ? "--rx" : options.TypeName);
    if (options.HasPattern) {
        type.Values = {{PatternValue, RegSz, options.Pattern}};
        if (options.HasPresentation)
            type.Values.push_back({PresentationValue, RegSz, options.Presentation});
        if (options.HasFlags)
            type.Values.push_back({FlagsValue, RegDword, options.Flags});
        type.Values.insert(type.Values.end(), options.Optional.begin(), options.Optional.end());
    } else {
        const RegFileKey* found = nullptr;
        for (const RegFileKey& key : store.Keys)
            if (SameRegPath(key.Path, type.Path))
                found = &key;
        if (!found) {
            std::fprintf(stderr, "stringslist: there is no file type named %s\n", options.TypeName.c_str());
            return false;
        }
        type.Path = found->Path;
        for (const RegFileValue& value : found->Values)
            if (!SameRegName(value.Name, FileMaskValue))
                type.Values.push_back(value);
    }
    type.Values.push_back({FileMaskValue, RegSz, "^"});
    return true;
}

#ifndef _WIN32
// A throwaway store holding one type, lent to the plug-in for the run through
// XDG_CONFIG_HOME: the user's store is never written, whatever the plug-in
// does. The folder goes and the variable comes back when the run ends.
class OneTypeStore {
public:
    ~OneTypeStore()
    {
        if (folder_.empty())
            return;
        if (hadHome_)
            setenv("XDG_CONFIG_HOME", savedHome_.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    bool Create(const RegFileKey& type)
    {
        std::error_code error;
        std::filesystem::path temp = std::filesystem::temp_directory_path(error);
        std::string pattern = (error ? std::filesystem::path("/tmp") : temp).string() + "/stringslist.XXXXXX";
        if (!mkdtemp(&pattern[0])) {
            std::fprintf(stderr, "stringslist: cannot make a folder for the type of the run: %s\n",
                         std::strerror(errno));
            return false;
        }
        folder_ = pattern;
        RegFileDocument document;
        for (size_t n = 2; n <= type.Path.size(); n++)  // parents first, as the store keeps them
            document.Keys.push_back({{type.Path.begin(), type.Path.begin() + long(n)}, {}});
        document.Keys.back().Values = type.Values;
        std::string store = RegistryStorePathIn(folder_);
        std::filesystem::create_directory(store.substr(0, store.rfind('/')), error);
        std::string text = FormatRegFile(document);
        FILE* out = error ? nullptr : std::fopen(store.c_str(), "wb");
        bool written = out && std::fwrite(text.data(), 1, text.size(), out) == text.size();
        if (out && std::fclose(out) != 0)
            written = false;
        if (!written) {
            std::fprintf(stderr, "stringslist: cannot write the type of the run in %s\n", folder_.c_str());
            return false;
        }
        const char* home = std::getenv("XDG_CONFIG_HOME");
        hadHome_ = home != nullptr;
        savedHome_ = home ? home : "";
        setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        return true;
    }

private:
    std::string folder_, savedHome_;
    bool hadHome_ = false;
};
#else
// On Windows the plug-in reads the real registry: a type for one run would
// have to be written there, so --type and --rx are left to the Linux program.
class OneTypeStore {
public:
    bool Create(const RegFileKey&)
    {
        std::fprintf(stderr, "stringslist: --type and --rx work only in the Linux program\n");
        return false;
    }
};
#endif

// Where the keys of a message are, when they are not the registry itself.
std::string PlaceSuffix()
{
#ifdef _WIN32
    return "";
#else
    return " in " + RegistryStorePath();
#endif
}

void RunStringsList(PluginLibrary& plugin, const ListOptions& options, ListHost& host)
{
    int last = static_cast<int>(host.Editor.Lines.size()) - 1;
    host.Editor.FileName = options.File;
    host.Editor.CursorLine = options.Cursor > last ? (last < 0 ? 0 : last) : options.Cursor;
    host.Editor.CursorColumn = 0;
    host.Editor.WindowHeight = options.Height;
    host.Choice = options.ChooseIndex;
    plugin.SetStartupInfo(host.StartupInfo(options.Root.c_str()));
    plugin.OpenPlugin(OPEN_FROM_EDITOR, 0);
    plugin.ClosePlugin(0);
}

void PrintPorcelain(const ScriptedHost& host)
{
    std::string out;
    for (const HostCall& call : host.Calls) {
        if (call.Kind == HostCall::Message) {
            const MessageCall& m = host.Messages[call.Index];
            std::vector<std::string> fields{"message", std::to_string(m.Flags), m.Help};
            fields.insert(fields.end(), m.Strings.begin(), m.Strings.end());
            out += PorcelainLine(fields);
        } else if (call.Kind == HostCall::Menu) {
            const MenuCall& m = host.Menus[call.Index];
            out += PorcelainLine({"menu", m.Title, m.Bottom, m.Help, std::to_string(m.Items.size()),
                                  std::to_string(m.SelectedIndex())});
            for (const std::string& text : m.Texts())
                out += PorcelainLine({"item", text});
        } else if (call.Kind == HostCall::Editor &&
                   host.EditorCalls[call.Index].Command == EDITOR_SET_POSITION) {
            const EditorPositionRecord& p = host.EditorCalls[call.Index].Position;
            out += PorcelainLine({"position", std::to_string(p.Line), std::to_string(p.Column),
                                  std::to_string(p.TabColumn), std::to_string(p.TopScreenLine),
                                  std::to_string(p.LeftColumn), std::to_string(p.Overtype)});
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
}

// Text for a terminal: a TAB as a space, the control bytes that would move
// the cursor or worse as \xhh.
std::string Shown(const std::string& text)
{
    std::string spaced = text;
    for (char& c : spaced)
        if (c == '\t')
            c = ' ';
    return Printable(spaced);
}

void PrintMessage(const MessageCall& m)
{
    std::printf("[ %s ]\n", Shown(m.Strings.empty() ? "" : m.Strings[0]).c_str());
    int buttons = m.Buttons;
    int lines = static_cast<int>(m.Strings.size()) - 1 - buttons;
    for (int i = 1; i <= lines; i++)
        std::printf("  %s\n", Shown(m.Strings[i]).c_str());
    std::printf(" ");
    for (int i = 0; i < buttons; i++)
        std::printf(" < %s >", Shown(m.Strings[1 + lines + i]).c_str());
    std::printf("\n\n");
}

void PrintMenu(const MenuCall& m, int chosen)
{
    std::printf("[ %s ]\n", Shown(m.Title).c_str());
    std::vector<std::string> texts = m.Texts();
    for (size_t i = 0; i < texts.size(); i++)
        std::printf("%s %s\n", m.Items[i].Selected ? " >" : "  ", Shown(texts[i]).c_str());
    std::printf("[ %s ]\n", Shown(m.Bottom).c_str());
    if (chosen >= 0 && chosen < static_cast<int>(texts.size()))
        std::printf("chosen: %s\n", Shown(texts[chosen]).c_str());
    std::printf("\n");
}

void PrintHuman(const ScriptedHost& host, const ListOptions& options)
{
    for (const HostCall& call : host.Calls) {
        if (call.Kind == HostCall::Message) {
            PrintMessage(host.Messages[call.Index]);
        } else if (call.Kind == HostCall::Menu) {
            PrintMenu(host.Menus[call.Index], options.ChooseIndex);
        } else if (call.Kind == HostCall::Editor &&
                   host.EditorCalls[call.Index].Command == EDITOR_SET_POSITION) {
            const EditorPositionRecord& p = host.EditorCalls[call.Index].Position;
            std::printf("The editor moves to line %d (window from line %d).\n", p.Line + 1,
                        p.TopScreenLine + 1);
        }
    }
}

// The plug-in shows only what it found: say what it cannot, that no type is
// for the file or that the type of the run has a pattern that does not
// compile. A --rx was checked before the run and takes every name.
void ExplainRun(const ListOptions& options, const RegFileDocument& types)
{
    if (options.HasPattern)
        return;
    const RegFileKey* type = nullptr;
    if (!options.TypeName.empty()) {
        for (const RegFileKey& key : types.Keys)
            if (SameRegPath(key.Path, TypeKeyPath(options.Root, options.TypeName)))
                type = &key;
    } else if (!(type = TypeForFile(types, options.Root, options.File))) {
        ExplainNoFileType(TypeKeys(types, options.Root).size(), options.Root, options.File);
        return;
    }
    std::string pattern = type ? TypeText(*type, PatternValue) : "";
    if (type && !PatternCompiles(pattern))
        CheckPattern("the RX of the file type " + Printable(type->Path.back()), pattern);
}

}  // namespace

int RunListCommand(const ProgramOptions& programOptions, int argc, char** argv)
{
    ListOptions options;
    int status = ParseListOptions(argc, argv, options);
    if (status >= 0)
        return status;
    // A pattern being tried is one the user is writing: say where it breaks.
    if (options.HasPattern && !CheckPattern("the pattern", options.Pattern))
        return 2;
    ListHost host;
    std::string error;
    if (!host.Editor.Lines.Read(options.File, error)) {
        std::error_code missing;
        if (options.File[0] == '-' && !std::filesystem::exists(options.File, missing))
            error = options.File + ": no such file, nor an option of list (stringslist list --help lists them; "
                                   "a FILE whose name begins with - goes after --)";
        std::fprintf(stderr, "stringslist: %s\n", error.c_str());
        return 1;
    }
    // The plug-in reads a store it cannot parse as empty; say what is wrong instead.
    RegFileDocument types;
    if (!ReadRegistryTree(TypesTablePath(options.Root), types, error)) {
        std::fprintf(stderr, "stringslist: the file-type store cannot be read: %s\n", error.c_str());
        return 1;
    }
    // The plug-in would create the keys of a root that is not there: a --root
    // misspelt would leave them behind.
    if (types.Keys.empty() && options.Root != ProgramRegistryRoot && !RootExists(options.Root))
        return Fail("there is no key " + JoinRegPath(RootKeyPath(options.Root)) +
                    PlaceSuffix() + "; check the KEY given to --root (the key below HKEY_CURRENT_USER where "
                    "the host keeps plug-in settings). Nothing was run or created.");
    OneTypeStore oneType;
    if (!options.TypeName.empty() || options.HasPattern) {
        RegFileKey type;
        if (!TypeOfRun(options, types, type) || !oneType.Create(type))
            return 1;
    }
    PluginLibrary plugin;
    if (!LoadPlugin(programOptions, plugin))
        return 1;
    RunStringsList(plugin, options, host);
    if (options.Porcelain)
        PrintPorcelain(host);
    else
        PrintHuman(host, options);
    ExplainRun(options, types);
    return 0;
}
