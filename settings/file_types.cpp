// The file-type table: the lookup's settings of a run, read from the type
// that the lookup rule (file_type_lookup.h) picks.
#include "settings/file_types.h"

#include <string>

#include "frame/host_services.h"
#include "settings/file_type_lookup.h"
#include "settings/reg_key.h"

int CFileTypes::FindFileType(const char* fileName, FileTypeSettings* settings)
{
    std::string name;
    if (!settings || !FindFileTypeName(GetRegistryRoot(), fileName, name))
        return 0;
    CRegKey table(HKEY_CURRENT_USER, FileTypesPath, 1);
    CRegKey type(table.Key, name.c_str(), 0);
    type.ReadString(PatternValue, settings->Pattern, sizeof settings->Pattern);
    type.ReadString(PresentationValue, settings->Presentation, sizeof settings->Presentation);
    DWORD flags = 0;
    type.ReadDword(FlagsValue, &flags);
    settings->Flags = flags;
    type.ReadString(LineCommentValue, settings->LineComments, sizeof settings->LineComments);
    type.ReadString(BlockValue, settings->Blocks, sizeof settings->Blocks);
    type.ReadString(NestedBlockValue, settings->NestedBlocks, sizeof settings->NestedBlocks);
    type.ReadString(QuoteValue, settings->Quotes, sizeof settings->Quotes);
    type.ReadString(JoinValue, settings->Joins, sizeof settings->Joins);
    return 1;
}
