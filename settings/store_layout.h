// How a file type is stored, defined once for the plug-in and the programs
// that manage its store: below a registry root, the key RegExp\FileTypes\NAME
// holds the texts FileMask, RX and Present and the number Flags.
#ifndef STRINGSLIST_SETTINGS_STORE_LAYOUT_H
#define STRINGSLIST_SETTINGS_STORE_LAYOUT_H

#include <stdint.h>

// The root the stringslist program hands the plug-in (below HKEY_CURRENT_USER).
inline constexpr char ProgramRegistryRoot[] = "Software\\stringslist";

// The table of file types, below the registry root.
inline constexpr char FileTypesPath[] = "RegExp\\FileTypes";

inline constexpr char FileMaskValue[] = "FileMask";
inline constexpr char PatternValue[] = "RX";
inline constexpr char PresentationValue[] = "Present";
inline constexpr char FlagsValue[] = "Flags";

// Optional texts of a type, each a list of words separated by spaces, for
// text that is not code and heads split over lines (README, File types).
// A type without them is searched line by line as it always was.
inline constexpr char LineCommentValue[] = "LineComment";
inline constexpr char BlockValue[] = "Block";
inline constexpr char NestedBlockValue[] = "NestedBlock";
inline constexpr char QuoteValue[] = "Quote";
inline constexpr char JoinValue[] = "Join";
inline constexpr const char* OptionalValues[] = {LineCommentValue, BlockValue, NestedBlockValue, QuoteValue,
                                                 JoinValue};

enum FileTypeFlag : uint32_t {
    SelectFromCursor = 1,
    SortItems = 2,
    ShiftUnusedParameters = 4,
};

struct FileTypeFlagName {
    FileTypeFlag Bit;
    const char* Name;
};

inline constexpr FileTypeFlagName FileTypeFlagNames[] = {
    {SelectFromCursor, "select from cursor"},
    {SortItems, "sort items"},
    {ShiftUnusedParameters, "shift unused parameters"},
};

enum {
    SETTINGS_TEXT_SIZE = 512,   // a text value is read into 512 bytes: a longer one reads as empty
    PATTERN_TEXT_SIZE = 4096,   // but the strings list reads "RX" into 4096 (README, File types)
    TYPE_NAME_SIZE = 64,        // a type name is read into 64 bytes: a longer one is skipped
};

#endif
