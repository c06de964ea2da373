// The names of the file types, as the configuration and the lookup list them:
// the subkeys of the table key in the registry's enumeration order, without
// the names too long to be a type's (README, Guarded behaviour).
#ifndef STRINGSLIST_SETTINGS_TYPE_NAMES_H
#define STRINGSLIST_SETTINGS_TYPE_NAMES_H

#include <string>
#include <vector>

class CRegKey;

std::vector<std::string> ListTypeNames(CRegKey& fileTypesKey);

#endif
