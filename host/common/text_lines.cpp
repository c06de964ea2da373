// Reading a text file as the editor's lines; see text_lines.h.
#include "host/common/text_lines.h"

#include <cerrno>
#include <cstring>
#include <fstream>

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (in) {
        for (std::string line; std::getline(in, line);) {
            // getline meets the end of the file only on a last line without LF, whose CR is kept.
            if (!line.empty() && line.back() == '\r' && !in.eof())
                line.pop_back();
            lines.push_back(std::move(line));
        }
        if (!in.bad())
            return true;
    }
    error = "cannot read " + path + ": " + std::strerror(errno);
    return false;
}
