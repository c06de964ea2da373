// Reading the file the terminal host shows: the editor's lines (split at LF,
// a CR before the LF dropped, a final line end adding no line, every other
// byte kept), with a reason people can act on when it cannot be shown.
#ifndef STRINGSLIST_HOST_TERMINAL_TERMINAL_FILE_H
#define STRINGSLIST_HOST_TERMINAL_TERMINAL_FILE_H

#include <string>

#include "host/common/text_lines.h"

struct ViewedFile {
    TextLines Lines;
    bool Binary = false;  // holds NUL bytes near its start
};

// Files larger than this are refused rather than read into memory whole.
enum : long long { ViewedFileLimit = 256LL << 20 };

bool ReadViewedFile(const std::string& path, ViewedFile& file, std::string& error);

#endif
