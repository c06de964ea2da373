// The whole strings-list command, measured: RunProcList through the six
// exports and the scripted host, beside the engine's bare scan of the same
// lines with the same pattern, and beside two other programs run on the same
// file: `grep -c -P` with the pattern translated to PCRE, and `ctags -x`
// (a different job, for scale). Two cases: 200,000 lines of real C++ headers
// with the C++ type, and the engine benchmark's corpus (--corpus=FILE, made by
// bench/make-corpus) with the C type; in both the 1024-item cap ends the scan
// (lines_scanned tells where), while grep reads every line.
//
// Counters: lines/s (items_per_second), peak memory of each whole command
// (peak_kib), and the plug-in's heap allocations per listed item, counted
// with a host that allocates nothing itself. Last, the command beside `grep -c -P`
// on each case, side by side: processor time and peak memory, with the ratios;
// and the cost of a type's optional values: the corpus case with the C type as
// shipped and with comments, strings and joins set on it, the two runs taking
// turns, as processor time per line scanned and their ratio.
#include <benchmark/benchmark.h>

#include <glob.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <ctime>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "host/common/plugin_library.h"
#include "host/scripted/scripted_host.h"
#include "pattern/pattern.h"
#include "platform/reg_file.h"
#include "platform/registry.h"
#include "settings/store_layout.h"

// ---- Heap allocations, counted while Counting is set ------------------------

extern "C" void* __libc_malloc(size_t);
extern "C" void* __libc_calloc(size_t, size_t);
extern "C" void* __libc_realloc(void*, size_t);
extern "C" void __libc_free(void*);

static std::atomic<bool> Counting{false};
static std::atomic<long> Allocations{0};

extern "C" void* malloc(size_t size)
{
    if (Counting)
        Allocations++;
    return __libc_malloc(size);
}
extern "C" void* calloc(size_t count, size_t size)
{
    if (Counting)
        Allocations++;
    return __libc_calloc(count, size);
}
extern "C" void* realloc(void* p, size_t size)
{
    if (Counting)
        Allocations++;
    return __libc_realloc(p, size);
}
extern "C" void free(void* p)
{
    __libc_free(p);
}

namespace {

// ---- The two cases ----------------------------------------------------------

struct Case {
    const char* Name;
    const char* FileName;  // its extension picks the file type
    const char* Sources;   // a glob of real folders, their files concatenated in sorted order;
                           // null: the corpus file
    const char* RegFile;   // the shipped type
    const char* Pcre;      // the type's pattern in PCRE
    size_t Lines;
    std::vector<std::string> Text;
    std::string Path;
};

// The shipped C and C++ patterns, written for PCRE: \s and \w spelled out as
// the engine's classes, {...} as (?:...), @ as *?.
#define WS "[ \\t\\r\\n]"
#define AN "A-Za-z0-9"
const char CPcre[] =
    "^(?:(?:[" AN "_][" AN "_ \\t\\r\\n*&:~<>,]*?[ \\t\\r\\n*&])?([" AN "_~:]+)" WS "*\\([^;]*$"
    "|(?:typedef" WS "+)?((?:struct|union|enum|class|namespace)" WS "+[" AN "_:]+)[^;]*$"
    "|" WS "*(#" WS "*define" WS "+[" AN "_]+)\\()";

Case Cases[] = {
    {"headers200k", "headers200k.cpp", "/usr/include/c++/*", "cpp.reg", CPcre, 200000, {}, {}},
    {"capped", "capped.c", nullptr, "c.reg", CPcre, SIZE_MAX, {}, {}},
};

std::string Directory;  // the run's temporary store and files
std::string CorpusPath;

// The regular files below the folders that match, sorted.
std::vector<std::string> Files(const char* pattern)
{
    namespace fs = std::filesystem;
    glob_t found{};
    std::vector<std::string> paths;
    if (glob(pattern, 0, nullptr, &found) == 0)
        for (size_t i = 0; i < found.gl_pathc; i++)
            for (const fs::directory_entry& e : fs::recursive_directory_iterator(found.gl_pathv[i]))
                if (e.is_regular_file())
                    paths.push_back(e.path().string());
    globfree(&found);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void BuildCorpus(Case& c)
{
    std::string text;
    size_t lines = 0;
    std::vector<std::string> sources = c.Sources ? Files(c.Sources) : std::vector<std::string>{CorpusPath};
    for (const std::string& path : sources) {
        std::string file = ReadAll(path);
        for (size_t start = 0; start < file.size() && lines < c.Lines;) {
            size_t end = file.find('\n', start);
            if (end == std::string::npos)
                end = file.size();
            c.Text.push_back(file.substr(start, end - start));
            text += c.Text.back() + "\n";
            lines++;
            start = end + 1;
        }
        if (lines == c.Lines)
            break;
    }
    c.Path = Directory + "/" + c.FileName;
    std::ofstream(c.Path, std::ios::binary) << text;
}

// Files the shipped type into the run's own store.
bool ImportType(const char* regFile)
{
    std::string error;
    RegFileDocument document;
    if (!ParseRegFile(ReadAll(std::string(SOURCE_DIR "/filetypes/") + regFile), regFile, RegFileLenient,
                      document, error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    for (const RegFileKey& key : document.Keys) {
        std::string path = std::string(ProgramRegistryRoot) + "\\" + FileTypesPath + "\\" + key.Path.back();
        HKEY handle = nullptr;
        if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &handle, nullptr) != ERROR_SUCCESS)
            return false;
        for (const RegFileValue& v : key.Values)
            RegSetValueExA(handle, v.Name.c_str(), 0, v.Type,
                           reinterpret_cast<const BYTE*>(v.Data.data()),
                           static_cast<DWORD>(v.Data.size()));
        RegCloseKey(handle);
    }
    return true;
}

// The C type again with its optional values set, under a name of its own for
// files named *.copt, so both can be in the store at once.
const char OptionalTypeFile[] = "capped.copt";
bool ImportOptionalType()
{
    RegFileDocument document;
    std::string error;
    ParseRegFile(ReadAll(std::string(SOURCE_DIR "/filetypes/c.reg")), "c.reg", RegFileLenient, document, error);
    std::string path = std::string(ProgramRegistryRoot) + "\\" + FileTypesPath + "\\C with regions";
    HKEY handle = nullptr;
    if (document.Keys.empty() || RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return false;
    std::vector<RegFileValue> values = document.Keys.back().Values;
    const RegFileValue optional[] = {{FileMaskValue, RegSz, "\\.copt$"}, {LineCommentValue, RegSz, "//"},
                                     {BlockValue, RegSz, "/* */"},     {QuoteValue, RegSz, "\"\\ '\\"},
                                     {JoinValue, RegSz, "("}};
    values.insert(values.end(), std::begin(optional), std::end(optional));
    for (const RegFileValue& v : values)
        RegSetValueExA(handle, v.Name.c_str(), 0, v.Type, reinterpret_cast<const BYTE*>(v.Data.data()),
                       static_cast<DWORD>(v.Data.size()));
    RegCloseKey(handle);
    return true;
}

PluginLibrary& Plugin()
{
    static PluginLibrary library;
    static bool loaded = [] {
        std::string error;
        bool ok = library.Load(PLUGIN_PATH, error);
        if (!ok)
            std::fprintf(stderr, "%s\n", error.c_str());
        return ok;
    }();
    if (!loaded)
        std::exit(1);
    return library;
}

// ---- In process: the command through the exports, and the bare scan -------

void BM_StringsList(benchmark::State& state, Case* c)
{
    ScriptedHost host;
    host.Editor.FileName = c->FileName;
    host.Editor.Lines = c->Text;
    Plugin().SetStartupInfo(host.StartupInfo(ProgramRegistryRoot));
    size_t items = 0, scanned = 0;
    for (auto _ : state) {
        host.ClearCalls();
        Plugin().OpenPlugin(5, 0);
        items = host.Menus.empty() ? 0 : host.Menus[0].Items.size();
        scanned = 0;
        for (const EditorCall& call : host.EditorCalls)
            if (call.Command == EDITOR_GET_LINE)
                scanned++;
    }
    Plugin().ClosePlugin(0);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * scanned));
    state.counters["items"] = static_cast<double>(items);
    state.counters["lines_scanned"] = static_cast<double>(scanned);
    state.counters["warned"] = static_cast<double>(host.Messages.size());
}

double ThreadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// One run of the strings list on c's lines under another file name: its
// processor time and the lines it read.
void TimeRun(ScriptedHost& host, const char* fileName, double& seconds, size_t& lines)
{
    host.ClearCalls();
    host.Editor.FileName = fileName;
    double start = ThreadSeconds();
    Plugin().OpenPlugin(5, 0);
    seconds += ThreadSeconds() - start;
    for (const EditorCall& call : host.EditorCalls)
        lines += call.Command == EDITOR_GET_LINE;
}

struct OptionalCost {
    double Plain = 0, Optional = 0;  // seconds per line scanned
};
OptionalCost Cost;

// The same lines listed with the C type as shipped and with its optional
// values, in turns, so that the load of the machine weighs on both alike. The
// optional runs list fewer items (comments make none), so read further before
// the item cap: the figure is time per line.
void BM_OptionalValuesCost(benchmark::State& state, Case* c)
{
    ScriptedHost host;
    host.Editor.Lines = c->Text;
    Plugin().SetStartupInfo(host.StartupInfo(ProgramRegistryRoot));
    double plain = 0, optional = 0;
    size_t plainLines = 0, optionalLines = 0;
    for (auto _ : state) {
        TimeRun(host, c->FileName, plain, plainLines);
        TimeRun(host, OptionalTypeFile, optional, optionalLines);
    }
    Plugin().ClosePlugin(0);
    Cost = {plain / static_cast<double>(plainLines), optional / static_cast<double>(optionalLines)};
    state.counters["plain_lines_per_s"] = 1 / Cost.Plain;
    state.counters["optional_lines_per_s"] = 1 / Cost.Optional;
    state.counters["ratio"] = Cost.Optional / Cost.Plain;
    double runs = static_cast<double>(state.iterations());
    state.counters["plain_lines"] = static_cast<double>(plainLines) / runs;
    state.counters["optional_lines"] = static_cast<double>(optionalLines) / runs;
}

void PrintOptionalValuesCost()
{
    if (Cost.Plain > 0)
        std::printf("\nthe strings list with the C type's optional values set (// /* */ \"\\ '\\ join '('), "
                    "against the type without them, processor time per line: %.0f against %.0f lines/s, "
                    "%.2fx the time\n",
                    1 / Cost.Optional, 1 / Cost.Plain, Cost.Optional / Cost.Plain);
}

// The pattern the shipped type stores.
std::string TypePattern(const Case& c)
{
    RegFileDocument document;
    std::string error, rx;
    ParseRegFile(ReadAll(std::string(SOURCE_DIR "/filetypes/") + c.RegFile), c.RegFile, RegFileLenient,
                 document, error);
    for (const RegFileKey& key : document.Keys)
        for (const RegFileValue& v : key.Values)
            if (v.Name == PatternValue)
                rx = v.Data;
    return rx;
}

// The engine alone: one search of each line, as the command searches it.
size_t BareScan(const PatternNode* pattern, const Case& c, size_t lines)
{
    int32_t registers[REGISTER_COUNT];
    size_t found = 0;
    for (size_t i = 0; i < lines; i++) {
        const char* line = c.Text[i].c_str();
        int length = static_cast<int>(strnlen(line, 1023));
        found += SearchLine(pattern, line, length, line, registers, 1);
    }
    return found;
}

void BM_BareScan(benchmark::State& state, Case* c, size_t lines)
{
    PatternNode* pattern = CompilePattern(TypePattern(*c).c_str());
    size_t found = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(found = BareScan(pattern, *c, lines));
    FreePattern(pattern);
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines));
    state.counters["items"] = static_cast<double>(found);
}

// ---- A host that allocates nothing, for counting the plug-in's allocations --

const Case* Quiet;
int PLUGIN_API QuietMenu(int, int, int, int, unsigned, const char*, const char*, const char*,
                         const int*, int*, const PluginMenuItem*, int)
{
    return -1;
}
int PLUGIN_API QuietMessage(int, unsigned, const char*, const char* const*, int, int)
{
    return 0;
}
size_t QuietLines;
int PLUGIN_API QuietEditor(int command, void* record)
{
    if (command == EDITOR_GET_INFO) {
        auto* s = static_cast<EditorStateRecord*>(record);
        s->FileName = Quiet->FileName;
        s->WindowHeight = 25;
        s->LineCount = static_cast<int>(QuietLines);
    } else if (command == EDITOR_GET_LINE) {
        auto* l = static_cast<EditorLineRecord*>(record);
        l->Text = Quiet->Text[l->LineNumber].c_str();
        l->SelectionStart = l->SelectionEnd = -1;
    }
    return 1;
}

long CountAllocations(const Case& c, size_t lines)
{
    static PluginStartupInfo info;
    info = PluginStartupInfo{};
    info.RegistryRoot = ProgramRegistryRoot;
    info.Menu = QuietMenu;
    info.Message = QuietMessage;
    info.EditorControl = QuietEditor;
    Quiet = &c;
    QuietLines = lines;
    Plugin().SetStartupInfo(&info);
    Allocations = 0;
    Counting = true;
    Plugin().OpenPlugin(5, 0);
    Counting = false;
    Plugin().ClosePlugin(0);
    return Allocations;
}

// Allocations of one run beyond those of a run over no lines, per listed
// item; and of the engine's own searches of the same lines, which the run
// makes too.
void BM_Allocations(benchmark::State& state, Case* c, size_t lines, double items)
{
    long none = 0, all = 0, engine = 0;
    PatternNode* pattern = CompilePattern(TypePattern(*c).c_str());
    for (auto _ : state) {
        none = CountAllocations(*c, 0);
        all = CountAllocations(*c, c->Text.size());
        Allocations = 0;
        Counting = true;
        BareScan(pattern, *c, lines);
        Counting = false;
        engine = Allocations;
    }
    FreePattern(pattern);
    state.counters["per_run"] = static_cast<double>(none);
    state.counters["per_item"] = items > 0 ? (all - none) / items : 0;
    state.counters["searches_per_item"] = items > 0 ? engine / items : 0;
}

// ---- Whole commands in a child process: time and peak memory ---------------

struct ChildRun {
    int Status = 0;
    long PeakKib = 0;   // the program's own peak resident memory
    double Seconds = 0; // its processor time, user and system
};

// Runs a program to its end. The peak is read from /proc when the program
// exits: the rusage of a child would also count the bench's own pages, which
// the child held between fork and exec.
ChildRun RunTraced(std::vector<std::string> argv)
{
    ChildRun run;
    pid_t child = fork();
    if (child == 0) {
        // Not /dev/null: grep would stop at the first match there.
        if (!freopen((Directory + "/output").c_str(), "w", stdout))
            _exit(127);
        ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
        raise(SIGSTOP);
        std::vector<char*> args;
        for (std::string& a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    struct rusage usage {};
    wait4(child, &run.Status, 0, &usage);
    ptrace(PTRACE_SETOPTIONS, child, nullptr, reinterpret_cast<void*>(PTRACE_O_TRACEEXIT | PTRACE_O_TRACEEXEC));
    ptrace(PTRACE_CONT, child, nullptr, nullptr);
    while (wait4(child, &run.Status, 0, &usage) == child && WIFSTOPPED(run.Status)) {
        int stop = WSTOPSIG(run.Status);
        if (run.Status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
            std::ifstream proc("/proc/" + std::to_string(child) + "/status");
            for (std::string line; std::getline(proc, line);)
                if (line.compare(0, 6, "VmHWM:") == 0)
                    run.PeakKib = std::atol(line.c_str() + 6);
        }
        long pass = stop == SIGTRAP || stop == SIGSTOP ? 0 : stop;
        ptrace(PTRACE_CONT, child, nullptr, reinterpret_cast<void*>(pass));
    }
    run.Seconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
                  (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    return run;
}

// What each whole command took, by benchmark name, for the comparison printed at the end.
struct CommandFigures {
    double Seconds = 0;  // a run's mean processor time
    long PeakKib = 0;
};
std::map<std::string, CommandFigures> Figures;

// Timed by the program's own processor time, so that the other work on the
// machine weighs less than in wall time.
void BM_Command(benchmark::State& state, std::string name, std::vector<std::string> argv, size_t lines)
{
    long peak = 0;
    double seconds = 0;
    for (auto _ : state) {
        ChildRun run = RunTraced(argv);
        peak = std::max(peak, run.PeakKib);
        seconds += run.Seconds;
        state.SetIterationTime(run.Seconds);
        if (!WIFEXITED(run.Status) || WEXITSTATUS(run.Status) > 1)
            state.SkipWithError(("failed: " + argv[0]).c_str());
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * lines));
    state.counters["peak_kib"] = static_cast<double>(peak);
    if (state.iterations() > 0)
        Figures[name] = {seconds / static_cast<double>(state.iterations()), peak};
}

// The strings-list command beside `grep -c -P` on each file: processor time
// and peak memory of the whole process, and their ratios.
void PrintCommandComparison()
{
    std::printf("\nstringslist list against grep -c -P, whole process (processor time, peak memory):\n");
    for (const Case& c : Cases) {
        auto list = Figures.find(std::string("Command/stringslist-list/") + c.Name);
        auto grep = Figures.find(std::string("Command/grep-c-P/") + c.Name);
        if (list == Figures.end() || grep == Figures.end())
            continue;
        double fileMib = static_cast<double>(std::filesystem::file_size(c.Path)) / (1 << 20);
        const CommandFigures &l = list->second, &g = grep->second;
        std::printf("  %-12s %zu lines, %.1f MiB: list %.0f ms, %.1f MiB peak; grep %.0f ms, %.1f MiB peak; "
                    "time %.2fx grep, list's peak %.2fx the file\n",
                    c.Name, c.Text.size(), fileMib, l.Seconds * 1e3, l.PeakKib / 1024.0, g.Seconds * 1e3,
                    g.PeakKib / 1024.0, g.Seconds > 0 ? l.Seconds / g.Seconds : 0, l.PeakKib / 1024.0 / fileMib);
    }
}

std::string ProgramDirectory()
{
    char path[4096];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    path[n > 0 ? n : 0] = '\0';
    char* slash = std::strrchr(path, '/');
    return slash ? std::string(path, slash) : ".";
}

void RegisterCommand(const std::string& name, std::vector<std::string> argv, size_t lines)
{
    benchmark::RegisterBenchmark(name.c_str(), BM_Command, name, argv, lines)
        ->Unit(benchmark::kMillisecond)->UseManualTime();
}

void RegisterCase(Case& c)
{
    // How far the command scans decides what the others get to scan.
    ScriptedHost host;
    host.Editor.FileName = c.FileName;
    host.Editor.Lines = c.Text;
    Plugin().SetStartupInfo(host.StartupInfo(ProgramRegistryRoot));
    Plugin().OpenPlugin(5, 0);
    Plugin().ClosePlugin(0);
    size_t scanned = 0;
    for (const EditorCall& call : host.EditorCalls)
        scanned += call.Command == EDITOR_GET_LINE;
    double items = host.Menus.empty() ? 0 : static_cast<double>(host.Menus[0].Items.size());

    std::string n = c.Name;
    benchmark::RegisterBenchmark(("StringsList/" + n).c_str(), BM_StringsList, &c)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("BareScan/" + n).c_str(), BM_BareScan, &c, scanned)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Allocations/" + n).c_str(), BM_Allocations, &c, scanned, items)->Iterations(1);
    std::string program = ProgramDirectory() + "/stringslist";
    RegisterCommand("Command/stringslist-list/" + n, {program, "list", "--porcelain", c.Path}, c.Text.size());
    RegisterCommand("Command/grep-c-P/" + n, {"grep", "-c", "-P", c.Pcre, c.Path}, c.Text.size());
    RegisterCommand("Command/ctags-x/" + n, {"ctags", "-x", c.Path}, c.Text.size());
    if (!std::strcmp(c.RegFile, "c.reg"))
        benchmark::RegisterBenchmark(("OptionalValuesCost/" + n).c_str(), BM_OptionalValuesCost, &c)
            ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; i++)
        if (!std::strncmp(argv[i], "--corpus=", 9)) {
            CorpusPath = argv[i] + 9;
            std::memmove(argv + i, argv + i + 1, (argc - i) * sizeof *argv);
            argc--;
            break;
        }
    if (CorpusPath.empty()) {
        std::fprintf(stderr, "strings_list_bench: give --corpus=FILE (bench/make-corpus FILE builds it)\n");
        return 2;
    }
    char dir[] = "/tmp/stringslist-bench-XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    Directory = dir;
    setenv("XDG_CONFIG_HOME", dir, 1);  // a store of the run's own, seen by the children too
    if (!ImportOptionalType())
        return 1;
    for (Case& c : Cases) {
        if (!ImportType(c.RegFile))
            return 1;
        BuildCorpus(c);
        RegisterCase(c);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    PrintCommandComparison();
    PrintOptionalValuesCost();
    benchmark::Shutdown();
    return std::system(("rm -rf '" + Directory + "'").c_str()) == 0 ? 0 : 1;
}
