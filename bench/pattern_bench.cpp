// The engine against PCRE2 (with and without JIT) and std::regex: every line
// of a corpus of C and C++ headers searched once per pass, for the worked
// file-type pattern and a pattern that picks function names; and the
// pathological patterns on lines of a's, time per line. Prints the figures
// side by side, as ratios to PCRE2 with JIT, and checks that all engines agree
// on which lines match.
#include <benchmark/benchmark.h>

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <time.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "pattern/pattern.h"

namespace {

std::vector<std::string> Lines;

struct Translation {
    const char* name;
    const char* ours;
    const char* pcre;  // also std::regex's ECMAScript: \w here has no underscore, \s no VT or FF
};

const Translation CorpusPatterns[] = {
    {"worked_example",
     "^{\\w[\\w_:*&~]+[\\w\\s_:*&~]@\\([\\S\\s]*}|{struct\\s*\\w*[\\S\\s]*[^;]}|{\\#define\\s*\\S*\\([\\S\\s]*}$",
     "^(?:[A-Za-z0-9][A-Za-z0-9_:*&~]+[A-Za-z0-9 \\t\\n\\r_:*&~]*?\\([\\s\\S]*|"
     "struct[ \\t\\n\\r]*[A-Za-z0-9]*[\\s\\S]*[^;]|#define[ \\t\\n\\r]*[^ \\t\\n\\r]*\\([\\s\\S]*)$"},
    {"function_names", "^[\\w_][\\w_:*&<>, ]*[\\s*&]([\\w_:~]+)\\s*\\(",
     "^[A-Za-z0-9_][A-Za-z0-9_:*&<>, ]*[ \\t\\n\\r*&]([A-Za-z0-9_:~]+)[ \\t\\n\\r]*\\("},
};

// Searched on one line of n a's, then `tail`.
struct PathologicalCase {
    Translation pattern;
    const char* tail;
};

const PathologicalCase Pathological[] = {
    {{"{a|a}*b", "{a|a}*b", "(?:a|a)*b"}, ""},
    {{"{a+}+b", "{a+}+b", "(?:a+)+b"}, ""},
    {{"{\\w+\\s?}*$", "{\\w+\\s?}*$", "(?:[A-Za-z0-9]+[ \\t\\n\\r]?)*$"}, ""},
    {{"{\\w+\\s?}*$_on_a..a!", "{\\w+\\s?}*$", "(?:[A-Za-z0-9]+[ \\t\\n\\r]?)*$"}, "!"},
};

// One engine prepared for one pattern: answers whether a line matches, and where group 1 is.
struct Searcher {
    virtual ~Searcher() = default;
    virtual int Search(const std::string& line) = 0;  // 1 match, 0 none, -1 the engine gave up
    virtual int Group1() = 0;
};

struct OurSearcher : Searcher {
    PatternNode* pattern;
    int32_t registers[REGISTER_COUNT];
    explicit OurSearcher(const char* text) : pattern(CompilePattern(text)) {}
    ~OurSearcher() override { FreePattern(pattern); }
    int Search(const std::string& line) override
    {
        return SearchLine(pattern, line.data(), static_cast<int>(line.size()), line.data(), registers, 1);
    }
    int Group1() override { return registers[1]; }
};

struct PcreSearcher : Searcher {
    pcre2_code* code;
    pcre2_match_data* data;
    PcreSearcher(const char* text, bool jit, uint32_t options = 0)
    {
        int error;
        PCRE2_SIZE offset;
        code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(text), PCRE2_ZERO_TERMINATED,
                             PCRE2_DOLLAR_ENDONLY | options, &error, &offset, nullptr);
        if (code && jit)
            pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);
        data = code ? pcre2_match_data_create_from_pattern(code, nullptr) : nullptr;
    }
    ~PcreSearcher() override
    {
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }
    int Search(const std::string& line) override
    {
        int rc = pcre2_match(code, reinterpret_cast<PCRE2_SPTR>(line.data()), line.size(), 0, 0, data, nullptr);
        return rc >= 0 ? 1 : rc == PCRE2_ERROR_NOMATCH ? 0 : -1;
    }
    int Group1() override
    {
        PCRE2_SIZE* v = pcre2_get_ovector_pointer(data);
        return pcre2_get_ovector_count(data) > 1 && v[2] != PCRE2_UNSET ? static_cast<int>(v[2]) : -1;
    }
};

struct StdSearcher : Searcher {
    std::regex re;
    std::smatch match;
    explicit StdSearcher(const char* text) : re(text, std::regex::ECMAScript | std::regex::optimize) {}
    int Search(const std::string& line) override { return std::regex_search(line, match, re); }
    int Group1() override { return match.size() > 1 && match[1].matched ? static_cast<int>(match.position(1)) : -1; }
};

const char* const EngineNames[] = {"stringslist", "pcre2_jit", "pcre2_interp", "std_regex"};

// options: PCRE2 compile options; the pathological cases pass PCRE2_NO_START_OPTIMIZE,
// or PCRE2 sees that the line holds no `b` and never backtracks at all.
std::unique_ptr<Searcher> MakeSearcher(int engine, const Translation& t, uint32_t options = 0)
{
    switch (engine) {
    case 0: return std::make_unique<OurSearcher>(t.ours);
    case 1: return std::make_unique<PcreSearcher>(t.pcre, true, options);
    case 2: return std::make_unique<PcreSearcher>(t.pcre, false, options);
    default: return std::make_unique<StdSearcher>(t.pcre);
    }
}

struct Figure {
    double linesPerSecond = 0;
    long matching = 0;
};
std::map<std::string, Figure> Figures;

// The machine is shared: CPU time of this thread, not wall time, makes the figures comparable.
double CpuSeconds()
{
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec + t.tv_nsec * 1e-9;
}

void SearchCorpus(benchmark::State& state, int engine, const Translation& t)
{
    std::unique_ptr<Searcher> searcher = MakeSearcher(engine, t);
    long matching = 0, passes = 0;
    double start = CpuSeconds();
    for (auto _ : state) {
        matching = 0;
        for (const std::string& line : Lines)
            matching += searcher->Search(line) == 1;
        passes++;
    }
    double seconds = CpuSeconds() - start;
    state.SetItemsProcessed(static_cast<int64_t>(passes * Lines.size()));
    state.counters["matching_lines"] = static_cast<double>(matching);
    Figures[std::string(t.name) + "/" + EngineNames[engine]] = {passes * Lines.size() / seconds, matching};
}

void SearchOneLine(benchmark::State& state, int engine, const PathologicalCase& c)
{
    std::unique_ptr<Searcher> searcher = MakeSearcher(engine, c.pattern, PCRE2_NO_START_OPTIMIZE);
    std::string line = std::string(static_cast<size_t>(state.range(0)), 'a') + c.tail;
    int result = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(result = searcher->Search(line));
    state.SetLabel(result < 0 ? "gave up: match limit" : result ? "match" : "no match");
}

// Lines where the engines disagree on matching, or on where group 1 starts.
void CheckAgreement()
{
    for (const Translation& t : CorpusPatterns) {
        std::unique_ptr<Searcher> ours = MakeSearcher(0, t), jit = MakeSearcher(1, t);
        long matching = 0, differ = 0;
        for (const std::string& line : Lines) {
            int a = ours->Search(line), b = jit->Search(line);
            matching += a == 1;
            if (a != b || (a == 1 && ours->Group1() != jit->Group1())) {
                if (differ++ < 5)
                    std::fprintf(stderr, "%s: engines differ on: %s\n", t.name, line.c_str());
            }
        }
        std::printf("%s: %ld of %zu lines match; stringslist and PCRE2 differ on %ld lines (match or group 1)\n",
                    t.name, matching, Lines.size(), differ);
    }
}

void PrintSummary()
{
    std::printf("\n%-16s %-14s %14s %10s %12s\n", "pattern", "engine", "lines/s", "vs jit", "matching");
    for (const Translation& t : CorpusPatterns) {
        double jit = Figures[std::string(t.name) + "/pcre2_jit"].linesPerSecond;
        for (const char* engine : EngineNames) {
            auto found = Figures.find(std::string(t.name) + "/" + engine);
            if (found == Figures.end())
                continue;
            const Figure& f = found->second;
            std::printf("%-16s %-14s %14.0f %9.2fx %12ld\n", t.name, engine, f.linesPerSecond,
                        jit ? f.linesPerSecond / jit : 0.0, f.matching);
        }
    }
}

// ---- Adversarial families: nests and shapes that make a backtracker revisit states ----

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; i++)
        text += piece;
    return text;
}

// One family: the pattern of nesting depth d, and a line of n characters to search.
struct Family {
    const char* name;
    std::string (*pattern)(int d);
    std::string (*line)(int n);
};

std::string As(int n) { return std::string(static_cast<size_t>(n), 'a'); }
std::string AsThenB(int n) { return As(n - 1) + "b"; }
// "acac...ac", ending in c, so that it matches whole.
std::string AsCs(int n)
{
    std::string line(n % 2 ? "c" : "");
    while (static_cast<int>(line.size()) < n)
        line += "ac";
    return line;
}
std::string Words(int n)
{
    std::string line;
    while (static_cast<int>(line.size()) < n)
        line += "Ab cD ";
    line.resize(static_cast<size_t>(n));
    return line;
}

const Family Families[] = {
    {"{{..{a*}*..}*}*b", [](int d) { return Repeat("{", d) + "a*" + Repeat("}*", d) + "b"; }, As},
    {"{{..{a|}*..}*}*b", [](int d) { return Repeat("{", d) + "a|" + Repeat("}*", d) + "b"; }, As},
    {"{{..{a|}*..}*}*b matching", [](int d) { return Repeat("{", d) + "a|" + Repeat("}*", d) + "b"; }, AsThenB},
    {"{{..{a@}@..}@}@b", [](int d) { return Repeat("{", d) + "a@" + Repeat("}@", d) + "b"; }, As},
    {"{{..{a?|a?}*..}*}*b", [](int d) { return Repeat("{", d) + "{a?|a?}" + Repeat("}*", d) + "b"; }, As},
    {"{{..(a|)*..}*}*b", [](int d) { return Repeat("{", d - 1) + "(a|)*" + Repeat("}*", d - 1) + "b"; }, As},
    {"{{..{\\cA?}*..}*}*b", [](int d) { return Repeat("{", d) + "\\cA?" + Repeat("}*", d) + "b"; }, As},
    {"{{..{a?\\C}*..}*}*$", [](int d) { return Repeat("{", d) + "a?\\C" + Repeat("}*", d) + "$"; }, AsThenB},
    {"{{..{<?^?a?}*..}*}*$", [](int d) { return Repeat("{", d) + "<?^?a?" + Repeat("}*", d) + "$"; }, AsThenB},
    {"{{..{[ab]?}*..}*}*c", [](int d) { return Repeat("{", d) + "[ab]?" + Repeat("}*", d) + "c"; }, As},
    // Matches that climb the whole nest at every c.
    {"{{..{a*}*..}*c}*$ on acac", [](int d) { return Repeat("{", d) + "a*" + Repeat("}*", d - 1) + "c}*$"; }, AsCs},
    {"{{..{a*}@..}@c}*$ on acac", [](int d) { return Repeat("{", d) + "a*" + Repeat("}@", d - 1) + "c}*$"; }, AsCs},
    {"{{..{a*}b?}*..c}*$ on acac", [](int d) { return Repeat("{", d) + "a*" + Repeat("b?}*", d - 1) + "c}*$"; },
     AsCs},
    // A match that begins a pass at every level at every character; the same
    // with a first way that tests an anchor, with captures, with a switch out of
    // the search's mode ending every pass.
    {"{{..{a@}+..}+}+$", [](int d) { return Repeat("{", d) + "a@" + Repeat("}+", d) + "$"; }, As},
    {"{{..{a@$?}*..$?}*$", [](int d) { return Repeat("{", d) + "a@" + Repeat("$?}*", d - 1) + "$"; }, As},
    {"{^?{^?..{^?a@}+..}+}+$", [](int d) { return Repeat("{^?", d) + "a@" + Repeat("}+", d) + "$"; }, As},
    {"{..((..(a*}*..}*c}*$ on acac",
     [](int d) {
         int groups = d < 60 ? d : 60;  // a register pair each
         return "{" + Repeat("{", d - groups) + Repeat("(", groups) + "a*" + Repeat("}*", d) + "c}*$";
     },
     AsCs},
    {"{{..{a@\\c}*..\\c}*b}*$", [](int d) { return Repeat("{", d) + "a@" + Repeat("\\c}*", d - 1) + "b}*$"; },
     AsThenB},
    // First passes of one-or-mores that cannot pass empty, begun at every level at every character.
    {"{..((..(a#}+..}+c",
     [](int d) {
         int groups = d < 60 ? d : 60;
         return Repeat("{", d - groups) + Repeat("(", groups) + "a#" + Repeat("}+", d) + "c";
     },
     As},
    {"{\\c{\\c..{\\ca#}+..}+c", [](int d) { return Repeat("{\\c", d) + "a#" + Repeat("}+", d) + "c"; }, As},
    {"{{..{(a)\\c}*..\\c}*b}*$", [](int d) { return Repeat("{", d) + "(a)" + Repeat("\\c}*", d - 1) + "b}*$"; },
     AsThenB},
    {"{a?|a?}..{a?}*b", [](int d) { return Repeat("{a?|a?}", d) + "{a?}*b"; }, As},
    {"{{..{\\w+\\s?}*..}*}*$", [](int d) { return Repeat("{", d) + "\\w+\\s?" + Repeat("}*", d) + "$"; },
     [](int n) { return Words(n - 1) + "!"; }},
};

// Microseconds of CPU time one search of `line` takes, the median of a few runs.
double MicrosecondsPerSearch(const PatternNode* pattern, const std::string& line)
{
    int32_t registers[REGISTER_COUNT];
    std::vector<double> runs;
    for (int run = 0; run < 5; run++) {
        int times = 0;
        double start = CpuSeconds(), seconds = 0;
        do {
            SearchLine(pattern, line.data(), static_cast<int>(line.size()), line.data(), registers, 1);
            times++;
            seconds = CpuSeconds() - start;
        } while (seconds < 0.004);
        runs.push_back(seconds / times * 1e6);
    }
    std::sort(runs.begin(), runs.end());
    return runs[runs.size() / 2];
}

// Time a line for each family at each nesting depth that fits in 511
// characters, on lines of 1023 characters, and at the deepest nest on shorter
// lines; the ratio column is time / (pattern length x line length), which
// stays flat when the work grows linearly with both.
void PrintFamilies()
{
    std::printf("\n%-30s %5s %7s %6s %12s %14s\n", "family", "depth", "pattern", "line", "us/line",
                "ns/(pat*line)");
    double slowest = 0;
    std::string slowestName;
    for (const Family& f : Families) {
        int deepest = 1;
        while (f.pattern(deepest + 1).size() <= 511)
            deepest++;
        std::vector<std::pair<int, int>> runs;
        for (int d : {1, 4, 16, 64})
            if (d < deepest)
                runs.push_back({d, 1023});
        for (int n : {64, 256, 1023})
            runs.push_back({deepest, n});
        for (const auto& run : runs) {
            std::string text = f.pattern(run.first), line = f.line(run.second);
            PatternNode* pattern = CompilePattern(text.c_str());
            if (!pattern) {
                std::printf("%-30s %5d does not compile\n", f.name, run.first);
                continue;
            }
            double us = MicrosecondsPerSearch(pattern, line);
            FreePattern(pattern);
            std::printf("%-30s %5d %7zu %6zu %12.1f %14.4f\n", f.name, run.first, text.size(), line.size(), us,
                        us * 1000 / (text.size() * line.size()));
            if (us > slowest)
                slowest = us, slowestName = std::string(f.name) + " at depth " + std::to_string(run.first);
        }
    }
    std::printf("slowest family line: %.1f us (%s)\n", slowest, slowestName.c_str());
}

// The value of option `name` (as --name=VALUE), taken out of argv; none if absent.
const char* TakeOption(int& argc, char** argv, const char* name)
{
    size_t length = std::strlen(name);
    for (int i = 1; i < argc; i++)
        if (!std::strncmp(argv[i], name, length)) {
            const char* value = argv[i] + length;
            std::memmove(argv + i, argv + i + 1, (argc - i) * sizeof *argv);
            argc--;
            return value;
        }
    return nullptr;
}

std::string FromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2)
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    return bytes;
}

// The slowest search the slow-input fuzzer met (fuzz/fuzz_slow.cpp), timed again here.
void PrintSlowest(const char* path)
{
    std::ifstream in(path ? path : "");
    std::string mode, pattern, line, fuzzUs;
    if (!std::getline(in, mode) || !std::getline(in, pattern) || !std::getline(in, line) || !std::getline(in, fuzzUs)) {
        std::printf("\nslowest input of the slow-input fuzzer: none recorded (%s)\n", path ? path : "no --slowest");
        return;
    }
    pattern = FromHex(pattern), line = FromHex(line);
    PatternNode* compiled = CompilePattern(pattern.c_str());
    double us = compiled ? MicrosecondsPerSearch(compiled, line) : 0;
    FreePattern(compiled);
    std::string shown;
    for (unsigned char c : pattern)
        if (c >= 32 && c < 127) {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            shown += escaped;
        }
    std::printf("\nslowest input of the slow-input fuzzer: %.1f us a line here (%s us in the fuzz build), "
                "mode %s, pattern of %zu characters: %s\n  line: %.60s%s\n",
                us, fuzzUs.c_str(), mode.c_str(), pattern.size(), shown.c_str(), line.c_str(),
                line.size() > 60 ? "..." : "");
}

bool LoadCorpus(int& argc, char** argv)
{
    const char* path = TakeOption(argc, argv, "--corpus=");
    std::ifstream in(path ? path : "");
    if (!in) {
        std::fprintf(stderr, "pattern_bench: give --corpus=FILE (bench/make-corpus FILE builds it)\n");
        return false;
    }
    for (std::string line; std::getline(in, line);)
        Lines.push_back(line);
    return true;
}

void RegisterAll()
{
    for (const Translation& t : CorpusPatterns)
        for (int engine = 0; engine < 4; engine++)
            benchmark::RegisterBenchmark((std::string("corpus/") + t.name + "/" + EngineNames[engine]).c_str(),
                                         SearchCorpus, engine, t)
                ->Unit(benchmark::kMillisecond);
    for (const PathologicalCase& c : Pathological)
        for (int engine = 0; engine < 3; engine++)
            benchmark::RegisterBenchmark(
                (std::string("pathological/") + c.pattern.name + "/" + EngineNames[engine]).c_str(), SearchOneLine,
                engine, c)
                ->Arg(22)->Arg(25)->Arg(30)->Arg(100)->Arg(1023)
                ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv)
{
    const char* slowest = TakeOption(argc, argv, "--slowest=");
    if (!LoadCorpus(argc, argv))
        return 2;
    CheckAgreement();
    RegisterAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    PrintSummary();
    PrintFamilies();
    PrintSlowest(slowest);
    return 0;
}
