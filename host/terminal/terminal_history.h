// The recall lists of dialog edit fields, one per history name, kept in the
// registry store under the host's root: key History\<name>, string values
// "0" (the newest) to "15". Failures to read or write leave the list as it
// can be read; a history is a convenience, never a reason to stop.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_HISTORY_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_HISTORY_H

#include <string>
#include <vector>

class EditLine;

enum { HistoryLimit = 16 };

std::vector<std::string> LoadHistory(const std::string& root, const std::string& name);
// Puts text first, dropping an equal older entry and what passes the limit.
// Empty texts are not kept.
void RememberHistory(const std::string& root, const std::string& name, const std::string& text);

// Walking a field's history with Up and Down: Up goes to older entries, Down
// back towards what was typed, which comes back as it was.
class HistoryRecall {
public:
    std::vector<std::string> Entries;  // newest first

    bool Older(EditLine& line);
    bool Newer(EditLine& line);

private:
    int Position = -1;  // -1: the typed text
    std::string Typed;
};

#endif
