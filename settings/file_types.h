// CFileTypes, the file-type table. It holds nothing: the types live in the
// registry below "<registry root>\RegExp\FileTypes", one key per type, and are
// read afresh at every use.
#ifndef STRINGSLIST_SETTINGS_FILE_TYPES_H
#define STRINGSLIST_SETTINGS_FILE_TYPES_H

#include <stdint.h>

#include "settings/store_layout.h"

class CRegKey;

struct FileTypeSettings {
    char Pattern[PATTERN_TEXT_SIZE];  // longer than the other texts: the C family's patterns need it
    char Presentation[SETTINGS_TEXT_SIZE];
    uint32_t Flags;
    // The optional texts (store_layout.h); empty when the type has none.
    char LineComments[SETTINGS_TEXT_SIZE];
    char Blocks[SETTINGS_TEXT_SIZE];
    char NestedBlocks[SETTINGS_TEXT_SIZE];
    char Quotes[SETTINGS_TEXT_SIZE];
    char Joins[SETTINGS_TEXT_SIZE];
};

class CFileTypes {
public:
    // Fills settings from the first type whose file mask matches the file
    // name; leaves it unchanged when none does. Answers whether one matched.
    int FindFileType(const char* fileName, FileTypeSettings* settings);
    // Runs the configuration menu until it is cancelled. Always 1.
    int ConfigMenu();
    // Shows the file-type dialog loaded from the source type (the named type
    // when there is no source) and writes the type back on "Save". Answers 1
    // when it saved, 0 otherwise.
    int EditFileType(CRegKey& fileTypesKey, const char* name, const char* source);
};

#endif
