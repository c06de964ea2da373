// Listing the type keys below the table key.
#include "settings/type_names.h"

#include <cstring>

#include "settings/file_types.h"
#include "settings/reg_key.h"

namespace {

// Room for any name the registry can hold (255 characters), so a name too
// long to be a type's is told from the end of the list.
enum { KEY_NAME_BUFFER_SIZE = 256 };

}  // namespace

std::vector<std::string> ListTypeNames(CRegKey& fileTypesKey)
{
    std::vector<std::string> names;
    char name[KEY_NAME_BUFFER_SIZE];
    for (DWORD index = 0; fileTypesKey.EnumSubkey(index, name, sizeof name); index++)
        if (std::strlen(name) < TYPE_NAME_SIZE)
            names.push_back(name);
    return names;
}
