// The host message service in the terminal: a centred box with a title, the
// text lines (wrapped to the screen, scrolled when they do not fit) and a row
// of buttons; arrows or Tab pick a button, Enter or its letter chooses it, Esc
// answers negative. Also the host's own help boxes.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_MESSAGE_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_MESSAGE_H

#include <string>
#include <vector>

enum { MessageWarning = 1 };  // message flag: shown in the warning colours

// Answers the index of the chosen button from 0; negative when none was
// chosen. Without buttons the box is drawn and left on the screen at once.
int RunMessage(unsigned flags, const std::string& title, const std::vector<std::string>& lines,
               const std::vector<std::string>& buttons);

// A help box of key descriptions with an "OK" button.
void ShowHelp(const std::string& title, const std::vector<std::string>& lines);

// A line cut into pieces of at most `width` screen columns, at spaces where
// it can be; no piece is empty unless the line is.
std::vector<std::string> WrapLine(const std::string& line, int width, bool utf8);

#endif
