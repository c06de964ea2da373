// The line list writes on standard error when no file type is for a file.
#ifndef STRINGSLIST_HOST_CLI_NO_FILE_TYPE_H
#define STRINGSLIST_HOST_CLI_NO_FILE_TYPE_H

#include <stddef.h>

#include <string>

// Says on standard error that no type below root is for file: where the
// types are and how many (typeCount), or how to import the shipped ones into
// an empty table.
void ExplainNoFileType(size_t typeCount, const std::string& root, const std::string& file);

#endif
