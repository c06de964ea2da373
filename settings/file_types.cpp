// The file-type lookup: the first type, in the registry's enumeration order,
// whose file mask is found in the file name gives the settings of a run.
// Nothing is cached; the table is read afresh at every lookup.
#include "settings/file_types.h"

#include <cstring>

#include "pattern/pattern.h"
#include "settings/reg_key.h"
#include "settings/type_names.h"

namespace {

bool MaskMatches(const char* mask, const char* fileName)
{
    PatternNode* pattern = CompilePattern(mask);
    if (!pattern)
        return false;  // an empty or malformed mask never matches
    int32_t registers[REGISTER_COUNT];
    int length = static_cast<int>(std::strlen(fileName));
    int found = SearchLine(pattern, fileName, length, fileName, registers, 1);
    FreePattern(pattern);
    return found == 1;
}

// Fills settings from the type's key when its mask is found in the file name.
bool MatchType(HKEY table, const char* name, const char* fileName, FileTypeSettings* settings)
{
    CRegKey type(table, name, 0);
    char mask[SETTINGS_TEXT_SIZE];
    type.ReadString(FileMaskValue, mask, sizeof mask);
    if (!MaskMatches(mask, fileName))
        return false;
    type.ReadString(PatternValue, settings->Pattern, sizeof settings->Pattern);
    type.ReadString(PresentationValue, settings->Presentation, sizeof settings->Presentation);
    DWORD flags = 0;
    type.ReadDword(FlagsValue, &flags);
    settings->Flags = flags;
    return true;
}

}  // namespace

int CFileTypes::FindFileType(const char* fileName, FileTypeSettings* settings)
{
    if (!fileName || !settings)
        return 0;
    CRegKey table(HKEY_CURRENT_USER, FileTypesPath, 1);
    // Names too long to be a type's are left out of the list, so they hide no type.
    for (const std::string& name : ListTypeNames(table))
        if (MatchType(table.Key, name.c_str(), fileName, settings))
            return 1;
    return 0;
}
