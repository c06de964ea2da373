#include "settings/file_types.h"

int CFileTypes::ConfigMenu()
{
    return 1;
}
