// The strings-list scan: look up the file type, compile its pattern once,
// search every editor line once, and turn the first match of each line into
// an item: the line itself, or the presentation template with its keywords
// and group references filled in. The items live only for the run. A type
// with optional values is searched in logical lines instead (regions blanked,
// heads joined; logical_lines.h), and so is one whose template names the
// previous line; a type without them is read line by line as before.
#include "strings_list/proc_list.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "base/ascii.h"
#include "frame/editor_access.h"
#include "pattern/pattern.h"
#include "settings/file_types.h"
#include "strings_list/logical_lines.h"
#include "strings_list/regions.h"
#include "strings_list/text_arena.h"

namespace {

struct Keyword {
    const char* Name;
    size_t Compared;  // only this many leading characters must agree
};

enum { KEYWORD_LINE, KEYWORD_INDEX, KEYWORD_PERCENT, KEYWORD_PREVIOUS, KEYWORD_NONE };

const Keyword Keywords[] = {
    {"LINE", 4},
    {"INDEX", 5},
    {"PERCENT", 5},
    {"PREV", 4},
};

// The first keyword whose leading characters the text after a "%" spells.
int FindKeyword(const char* text)
{
    for (int k = 0; k < KEYWORD_NONE; k++) {
        size_t i = 0;
        while (i < Keywords[k].Compared && text[i] && AsciiLower(text[i]) == AsciiLower(Keywords[k].Name[i]))
            i++;
        if (i == Keywords[k].Compared)
            return k;
    }
    return KEYWORD_NONE;
}

// Appends to a keyword buffer, dropping what would not fit.
void Append(char* output, size_t& length, const char* text, size_t count)
{
    size_t room = KEYWORD_BUFFER_SIZE - 1 - length;
    if (count > room)
        count = room;
    std::memcpy(output + length, text, count);
    length += count;
}

// Text that the template expansion reads back as it stands: each backslash
// doubled, and never cut between the two.
void AppendLiteral(char* output, size_t& length, const char* text)
{
    for (const char* p = text; *p; p++) {
        size_t count = *p == '\\' ? 2 : 1;
        if (count > KEYWORD_BUFFER_SIZE - 1 - length)
            return;
        Append(output, length, *p == '\\' ? "\\\\" : p, count);
    }
}

void AppendKeywordValue(int keyword, char* output, size_t& length, int line, int index, int totalLines,
                        const char* previousLine)
{
    if (keyword == KEYWORD_PREVIOUS) {
        AppendLiteral(output, length, previousLine);
        return;
    }
    char value[24];
    int n = 0;
    if (keyword == KEYWORD_LINE)
        n = std::snprintf(value, sizeof value, "%lld", static_cast<long long>(line) + 1);
    else if (keyword == KEYWORD_INDEX)
        n = std::snprintf(value, sizeof value, "%lld", static_cast<long long>(index) + 1);
    else if (keyword == KEYWORD_PERCENT)
        n = std::snprintf(value, sizeof value, "%lld%%",
                          totalLines > 0 ? 100LL * line / totalLines : 0LL);
    if (n > 0)
        Append(output, length, value, static_cast<size_t>(n));
}

// Walks a template: its plain text, a "%%" giving one "%", to text(p, count);
// each "%NAME%" to keyword(the keyword NAME spells).
template <typename Text, typename Word>
void WalkTemplate(const char* templ, Text text, Word keyword)
{
    for (const char* p = templ; *p;) {
        if (*p != '%') {
            text(p++, 1);
        } else if (p[1] == '%') {
            text(p, 1);
            p += 2;
        } else if (const char* close = std::strchr(p + 1, '%')) {
            keyword(FindKeyword(p + 1));
            p = close + 1;
        } else {
            p++;  // a lone "%" is dropped; the rest is plain text
        }
    }
}

}  // namespace

char* ExpandProcListKeywords(const char* templ, char* output, int line, int index, int totalLines,
                             const char* previousLine)
{
    size_t length = 0;
    WalkTemplate(
        templ, [&](const char* p, size_t count) { Append(output, length, p, count); },
        [&](int keyword) {
            AppendKeywordValue(keyword, output, length, line, index, totalLines, previousLine);
        });
    output[length] = '\0';
    return output;
}

void ShiftGroups(int32_t* registers)
{
    int to = 0;
    for (int from = 0; from < GROUP_COUNT; from++) {
        if (registers[from] == -1)
            continue;
        registers[to] = registers[from];
        registers[GROUP_COUNT + to] = registers[GROUP_COUNT + from];
        to++;
    }
    for (; to < GROUP_COUNT; to++)
        registers[to] = registers[GROUP_COUNT + to] = -1;
}

namespace {

// One run's working storage, reused for every line; the items and their texts
// on the heap (README, Guarded behaviour).
struct Scan {
    const FileTypeSettings& Settings;
    int TotalLines;
    std::vector<ProcListItem> Items;
    TextArena Texts;
    MatchRegisters Registers;
    char KeywordText[KEYWORD_BUFFER_SIZE];
};

// The presentation text of a match; an expansion error gives the empty text.
const char* PresentationText(Scan& scan, const char* line, int lineNumber, const char* previousLine)
{
    if (scan.Settings.Flags & ShiftUnusedParameters)
        ShiftGroups(scan.Registers.R);
    ExpandProcListKeywords(scan.Settings.Presentation, scan.KeywordText, lineNumber,
                           static_cast<int>(scan.Items.size()), scan.TotalLines, previousLine);
    char* text = nullptr;
    int length = 0;
    ExpandTemplate(scan.KeywordText, line, scan.Registers, &text, &length);
    const char* stored = scan.Texts.Store(text ? text : "", text ? static_cast<size_t>(length) : 0);
    std::free(text);
    return stored;
}

// Adds the item of a match in line, the searched text (length bytes) of the
// editor line lineNumber. False when the item table is full.
bool AddItem(Scan& scan, const char* line, size_t length, int lineNumber, const char* previousLine)
{
    const char* text = scan.Settings.Presentation[0] ? PresentationText(scan, line, lineNumber, previousLine)
                                                     : scan.Texts.Store(line, length);
    scan.Items.push_back({lineNumber, text ? text : ""});
    return scan.Items.size() < MAX_PROCLIST_ITEMS;
}

// Searches one line; a match adds an item. False when the item table is full.
bool ScanLine(Scan& scan, const PatternNode* pattern, int lineNumber)
{
    EditorLineRecord record{};
    record.LineNumber = lineNumber;
    EditorControl(EDITOR_GET_LINE, &record);
    const char* line = record.Text ? record.Text : "";
    // The host's text stays put until the next editor command, so it is searched where it lies.
    int length = static_cast<int>(strnlen(line, LINE_BUFFER_SIZE - 1));
    if (!SearchLine(pattern, line, length, line, scan.Registers.R, 1))
        return true;
    return AddItem(scan, line, std::strlen(line), lineNumber, "");
}

bool ScanEditorLines(Scan& scan, const PatternNode* pattern)
{
    for (int i = 0; i < scan.TotalLines; i++)
        if (!ScanLine(scan, pattern, i))
            return false;
    return true;
}

bool SearchCode(Scan& scan, const PatternNode* pattern, const LogicalLine& line)
{
    const char* code = line.Code.c_str();
    return SearchLine(pattern, code, static_cast<int>(line.CodeEnd), code, scan.Registers.R, 1) != 0;
}

// Searches logical lines: the item of a join stays on its first line, and
// the lines it took make none of their own; a join that makes no item leaves
// each of its lines to be searched in its own right.
bool ScanLogicalLines(Scan& scan, const PatternNode* pattern)
{
    const FileTypeSettings& s = scan.Settings;
    RegionSyntax syntax = ReadRegionSyntax(s.LineComments, s.Blocks, s.NestedBlocks, s.Quotes);
    LogicalLines lines(syntax, s.Joins, scan.TotalLines);
    LogicalLine line;
    for (int i = 0; i < scan.TotalLines;) {
        lines.Joined(i, line);
        bool found = SearchCode(scan, pattern, line);
        if (!found && line.Last > i) {
            lines.Single(i, line);
            found = SearchCode(scan, pattern, line);
        }
        if (found && !AddItem(scan, line.Text.c_str(), line.Text.size(), i, lines.Previous(i).c_str()))
            return false;
        int next = found ? line.Last + 1 : i + 1;
        lines.Forget(next);
        i = next;
    }
    return true;
}

bool NamesPreviousLine(const char* templ)
{
    bool named = false;
    WalkTemplate(
        templ, [](const char*, size_t) {}, [&](int keyword) { named |= keyword == KEYWORD_PREVIOUS; });
    return named;
}

bool UsesLogicalLines(const FileTypeSettings& s)
{
    return s.LineComments[0] || s.Blocks[0] || s.NestedBlocks[0] || s.Quotes[0] || s.Joins[0] ||
           NamesPreviousLine(s.Presentation);
}

void WarnItemLimit()
{
    char text[64];
    std::snprintf(text, sizeof text, "Can be only %i items", static_cast<int>(MAX_PROCLIST_ITEMS));
    ShowMessage(text, "Warning", 0, "No topic", 0);
}

}  // namespace

int RunProcList(CFileTypes* fileTypes, int& chosenLine)
{
    EditorStateRecord state{};
    EditorControl(EDITOR_GET_INFO, &state);
    // The host's name may not outlive later editor commands; the run keeps its own.
    std::string fileName = state.FileName ? state.FileName : "";
    state.FileName = fileName.c_str();

    // When no type matches, the settings stay empty and the list is empty.
    FileTypeSettings settings{};
    if (fileTypes)
        fileTypes->FindFileType(state.FileName, &settings);

    Scan scan{settings, state.LineCount, {}, {}, {}, {}};
    scan.Items.reserve(MAX_PROCLIST_ITEMS);
    // Released however the run ends, a failed allocation included.
    std::unique_ptr<PatternNode, void (*)(PatternNode*)> pattern(CompilePattern(settings.Pattern),
                                                                 FreePattern);
    // No line is read without a pattern (README, Guarded behaviour).
    if (pattern && !(UsesLogicalLines(settings) ? ScanLogicalLines(scan, pattern.get())
                                                 : ScanEditorLines(scan, pattern.get())))
        WarnItemLimit();
    pattern.reset();

    ShowProcListMenu(chosenLine, scan.Items.data(), static_cast<int>(scan.Items.size()), settings.Flags,
                     state);
    return chosenLine;
}
