// Everything the plug-in does to the host's editor and every message box it
// shows goes through here, over the editor control and message services.
#ifndef STRINGSLIST_FRAME_EDITOR_ACCESS_H
#define STRINGSLIST_FRAME_EDITOR_ACCESS_H

#include "frame/plugin_interface.h"

enum { WORD_BUFFER_SIZE = 512 };

// Sends one editor control command; results come back in the record.
int EditorControl(int command, void* record);

// Shows a message box: title, the text cut at each line feed (in place), then
// the buttons of the set chosen by type & 15. Answers the chosen button's
// result code, 0 when none was chosen. Its guards: README, Guarded behaviour.
int ShowMessage(char* text, const char* title, int type, const char* help, int hostFlags);

// Fills buffer (WORD_BUFFER_SIZE bytes) with the word under the cursor.
char* GetWordAtCursor(char* buffer);

void SetEditorPosition(int line, int column, int tabColumn, int topScreenLine, int leftColumn,
                       int overtype);
void ColorEditorText(int line, int startColumn, int endColumn, int color);

#endif
