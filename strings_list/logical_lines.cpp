// Logical lines: the editor's lines copied and blanked, and joined where the
// type asks; see logical_lines.h.
#include "strings_list/logical_lines.h"

#include <algorithm>
#include <cstring>

#include "frame/editor_access.h"
#include "strings_list/proc_list.h"

namespace {

const std::string NoLine;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

}  // namespace

LogicalLines::LogicalLines(const RegionSyntax& syntax, const char* joinOpeners, int lineCount)
    : Syntax(syntax), Openers(ValueWords(joinOpeners)), LineCount(lineCount)
{
}

const LogicalLines::Copy& LogicalLines::Read(int n)
{
    while (First + static_cast<int>(Kept.size()) <= n) {
        EditorLineRecord record{};
        record.LineNumber = First + static_cast<int>(Kept.size());
        EditorControl(EDITOR_GET_LINE, &record);
        const char* text = record.Text ? record.Text : "";
        // The whole line carries the region state on; the first 1023 characters are searched.
        int length = static_cast<int>(std::strlen(text));
        int kept = length < LINE_BUFFER_SIZE - 1 ? length : LINE_BUFFER_SIZE - 1;
        Copy copy{std::string(text, kept), std::string(kept, ' '), 0};
        int end = BlankRegions(Syntax, State, text, length, &copy.Code[0], kept);
        copy.CodeEnd = static_cast<size_t>(end < kept ? end : kept);
        Kept.push_back(std::move(copy));
    }
    return Kept[n - First];
}

bool LogicalLines::EndsWithOpener(const std::string& code) const
{
    size_t end = code.size();
    while (end > 0 && IsBlank(code[end - 1]))
        end--;
    for (const std::string& opener : Openers)
        if (opener.size() <= end && code.compare(end - opener.size(), opener.size(), opener) == 0)
            return true;
    return false;
}

bool LogicalLines::BeginsWithOpener(const std::string& code) const
{
    size_t start = 0;
    while (start < code.size() && IsBlank(code[start]))
        start++;
    for (const std::string& opener : Openers)
        if (code.compare(start, opener.size(), opener) == 0)
            return true;
    return false;
}

void LogicalLines::Single(int n, LogicalLine& line)
{
    const Copy& copy = Read(n);
    line.Last = n;
    line.Text = copy.Text;
    line.Code = copy.Code;
    line.CodeEnd = copy.CodeEnd;
}

void LogicalLines::Joined(int first, LogicalLine& line)
{
    Single(first, line);
    const size_t room = LINE_BUFFER_SIZE - 1;
    while (!Openers.empty() && line.Last + 1 < LineCount && line.Code.size() + 1 < room) {
        const Copy& next = Read(line.Last + 1);
        if (!EndsWithOpener(line.Code) && !BeginsWithOpener(next.Code))
            break;
        size_t indent = 0;
        while (indent < next.Code.size() && IsBlank(next.Code[indent]))
            indent++;
        size_t taken = next.Code.size() - indent;
        if (taken > room - line.Code.size() - 1)
            taken = room - line.Code.size() - 1;
        size_t start = line.Code.size() + 1;
        line.Text += ' ';
        line.Text.append(next.Text, indent, taken);
        line.Code += ' ';
        line.Code.append(next.Code, indent, taken);
        if (next.CodeEnd > indent)
            line.CodeEnd = start + std::min(next.CodeEnd - indent, taken);
        line.Last++;
    }
}

const std::string& LogicalLines::Previous(int n)
{
    return n > 0 ? Read(n - 1).Text : NoLine;
}

void LogicalLines::Forget(int n)
{
    while (First < n - 1 && !Kept.empty()) {
        Kept.pop_front();
        First++;
    }
}
