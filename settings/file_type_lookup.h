// The file-type lookup rule, written once for the plug-in and for the program
// that manages its store: the file type of a file is the first type key below
// "<registry root>\RegExp\FileTypes", in the registry's enumeration order,
// whose file mask is found in the file name. The mask is read as every text
// of a type is, whatever its registry value type; an empty, missing or
// malformed mask matches no name; a key whose name is too long to be a type's
// is skipped (README, Guarded behaviour).
#ifndef STRINGSLIST_SETTINGS_FILE_TYPE_LOOKUP_H
#define STRINGSLIST_SETTINGS_FILE_TYPE_LOOKUP_H

#include <string>

// The name of the file type of fileName among the types below registryRoot
// (a key path below HKEY_CURRENT_USER); false, with name empty, when no type
// is for it. The table key is opened as the plug-in opens it: created when
// missing.
bool FindFileTypeName(const char* registryRoot, const char* fileName, std::string& name);

#endif
