// The host menu service in the terminal: a centred double-framed box with a
// title and a bottom line, the selected entry highlighted, cursor keys,
// Enter to choose and Esc to cancel, the caller's break keys reported
// through the break code, and type-to-filter.
//
// Whatever is filtered or skipped, an index answered is always the index of
// the entry in the caller's array.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_MENU_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_MENU_H

#include <string>
#include <vector>

#include "frame/plugin_interface.h"

enum { MenuShowAmpersand = 1 };  // menu flag: '&' is text, not a hotkey mark

struct MenuRequest {
    int X = -1, Y = -1;   // -1: centred
    int MaxHeight = 0;    // entry rows; 0: as many as fit
    unsigned Flags = 0;
    std::string Title, Bottom, Help;
    std::vector<int> BreakKeys;  // virtual-key codes, modifiers in the high word
    const PluginMenuItem* Items = nullptr;
    int Count = 0;
};

struct MenuResult {
    int Index = -1;      // negative: cancelled
    int BreakCode = -1;  // position of the break key in the list, -1 for none
};

MenuResult RunMenu(const MenuRequest& request);

// An entry's text as shown: up to its NUL, '&' marks removed unless shown.
std::string MenuEntryText(const PluginMenuItem& item, unsigned flags);

// The entries a filter leaves, as indices into the caller's array: those whose
// shown text contains the filter, ignoring ASCII case. An empty filter leaves
// every entry, separators included; any other filter drops the separators.
std::vector<int> FilterMenuEntries(const PluginMenuItem* items, int count, unsigned flags,
                                   const std::string& filter);

#endif
