// A text file as the editor's lines: split at LF, a CR before the LF dropped,
// a final line end adding no line, an empty file having none, every other byte
// kept. Read as a stream, so a large file is held once, as its lines.
#ifndef STRINGSLIST_HOST_COMMON_TEXT_LINES_H
#define STRINGSLIST_HOST_COMMON_TEXT_LINES_H

#include <string>
#include <vector>

// False, with a reason people can act on, when the file cannot be read.
bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error);

#endif
