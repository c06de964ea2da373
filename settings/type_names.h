// The names of the file types, as the configuration lists them: the subkeys
// of the table key in the registry's enumeration order. A key whose name is
// too long to be a type name (64 characters or more) is skipped, so it never
// hides the types enumerated after it.
#ifndef STRINGSLIST_SETTINGS_TYPE_NAMES_H
#define STRINGSLIST_SETTINGS_TYPE_NAMES_H

#include <string>
#include <vector>

class CRegKey;

std::vector<std::string> ListTypeNames(CRegKey& fileTypesKey);

#endif
