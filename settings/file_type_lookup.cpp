// The file-type lookup rule; see file_type_lookup.h. Nothing is cached: the
// table is read afresh at every lookup.
#include "settings/file_type_lookup.h"

#include <cstring>

#include "pattern/pattern.h"
#include "settings/reg_key.h"
#include "settings/store_layout.h"
#include "settings/type_names.h"

namespace {

bool MaskMatches(const char* mask, const char* fileName)
{
    PatternNode* pattern = CompilePattern(mask);
    if (!pattern)
        return false;
    int32_t registers[REGISTER_COUNT];
    int length = static_cast<int>(std::strlen(fileName));
    int found = SearchLine(pattern, fileName, length, fileName, registers, 1);
    FreePattern(pattern);
    return found == 1;
}

}  // namespace

bool FindFileTypeName(const char* registryRoot, const char* fileName, std::string& name)
{
    name.clear();
    if (!fileName)
        return false;
    CRegKey table(HKEY_CURRENT_USER, registryRoot, FileTypesPath);
    for (const std::string& type : ListTypeNames(table)) {
        CRegKey key(table.Key, type.c_str(), 0);
        char mask[SETTINGS_TEXT_SIZE];
        key.ReadString(FileMaskValue, mask, sizeof mask);
        if (MaskMatches(mask, fileName)) {
            name = type;
            return true;
        }
    }
    return false;
}
