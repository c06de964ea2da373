// Editor access over the host's services: editor control, the word under the
// cursor, and message boxes built from their fixed tables; see editor_access.h.
#include "frame/editor_access.h"

#include <cstring>
#include <iterator>

#include "frame/host_services.h"

namespace {

struct Button {
    int Result;
    char Caption[8];
};

struct ButtonSetRow {
    int Count;
    Button Buttons[8];
};

// Indexed by the low four bits of the message type; numbered as the Windows message box.
const ButtonSetRow ButtonSet[] = {
    {1, {{1, "OK"}}},
    {2, {{1, "OK"}, {2, "Cancel"}}},
    {3, {{3, "Abort"}, {4, "Retry"}, {5, "Ignore"}}},
    {3, {{6, "Yes"}, {7, "No"}, {2, "Cancel"}}},
    {2, {{6, "Yes"}, {7, "No"}}},
    {2, {{4, "Retry"}, {2, "Cancel"}}},
};

const int MaxMessageStrings = 8;  // title, lines and buttons together

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

int EditorControl(int command, void* record)
{
    return StartupInfo.EditorControl ? StartupInfo.EditorControl(command, record) : 0;
}

int ShowMessage(char* text, const char* title, int type, const char* help, int hostFlags)
{
    unsigned row = type & 15;
    if (row >= std::size(ButtonSet))
        row = 0;  // outside the table: a plain "OK" box
    const ButtonSetRow& set = ButtonSet[row];

    const char* strings[MaxMessageStrings];
    int count = 0;
    strings[count++] = title;
    // Lines that would push the buttons out of the eight strings are left off.
    const int maxLines = MaxMessageStrings - 1 - set.Count;
    for (char* line = text; line;) {
        char* end = std::strchr(line, '\n');
        if (end)
            *end = '\0';
        if (count - 1 < maxLines)
            strings[count++] = line;
        line = end ? end + 1 : nullptr;
    }
    for (int i = 0; i < set.Count; i++)
        strings[count++] = set.Buttons[i].Caption;

    unsigned flags = hostFlags;
    if (type & 0x10)
        flags |= 2;
    if (type & 0x30)
        flags |= 1;
    if (!StartupInfo.Message)
        return 0;
    int answer = StartupInfo.Message(StartupInfo.ModuleNumber, flags, help, strings, count, set.Count);
    return answer >= 0 && answer < set.Count ? set.Buttons[answer].Result : 0;
}

char* GetWordAtCursor(char* buffer)
{
    buffer[0] = '\0';
    EditorStateRecord state{};
    EditorControl(EDITOR_GET_INFO, &state);
    EditorLineRecord line{};
    line.LineNumber = state.CursorLine;
    EditorControl(EDITOR_GET_LINE, &line);
    const char* text = line.Text;
    if (!text)
        return buffer;

    // A cursor past the end stands on the line's NUL, which counts as part of the word before it.
    int length = static_cast<int>(std::strlen(text));
    int column = state.CursorColumn < 0 ? 0 : state.CursorColumn > length ? length : state.CursorColumn;
    if (IsSpace(text[column]))
        return buffer;
    while (column > 0 && !IsSpace(text[column]))
        column--;
    while (IsSpace(text[column]))
        column++;
    int n = 0;
    while (text[column + n] && !IsSpace(text[column + n]) && n < WORD_BUFFER_SIZE - 1)
        n++;
    std::memcpy(buffer, text + column, n);
    buffer[n] = '\0';
    return buffer;
}

void SetEditorPosition(int line, int column, int tabColumn, int topScreenLine, int leftColumn,
                       int overtype)
{
    EditorPositionRecord position{line, column, tabColumn, topScreenLine, leftColumn, overtype};
    EditorControl(EDITOR_SET_POSITION, &position);
}

void ColorEditorText(int line, int startColumn, int endColumn, int color)
{
    EditorColorRecord record{line, 0, startColumn, endColumn, color};
    EditorControl(EDITOR_ADD_COLOR, &record);
}
