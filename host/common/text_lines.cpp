// Reading a text file as the editor's lines, and the block that holds them;
// see text_lines.h.
#include "host/common/text_lines.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include "platform/file_bytes.h"

namespace {

size_t CountLineFeeds(const std::string& bytes)
{
    size_t count = 0;
    const char* end = bytes.data() + bytes.size();
    for (const char* p = bytes.data(); (p = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)))); p++)
        count++;
    return count;
}

}  // namespace

TextLines::TextLines(std::initializer_list<std::string_view> lines)
{
    for (std::string_view line : lines)
        push_back(line);
}

TextLines::TextLines(const std::vector<std::string>& lines)
{
    for (const std::string& line : lines)
        push_back(line);
}

std::string_view TextLines::operator[](size_t n) const
{
    size_t next = Starts[n + 1];
    size_t length = next - Starts[n] - 1 - (Bytes[next - 1] == '\n');
    return std::string_view(Bytes.data() + Starts[n], length);
}

void TextLines::push_back(std::string_view line)
{
    Bytes.append(line.data(), line.size());
    Bytes += '\0';
    Starts.push_back(Bytes.size());
}

bool TextLines::Read(const std::string& path, std::string& error)
{
    Starts.assign(1, 0);
    int failure = ReadFileBytes(path, Bytes);
    if (!failure) {
        try {
            Index();
            return true;
        } catch (const std::exception&) {  // no room for the line starts
            failure = ENOMEM;
        }
    }
    error = "cannot read " + path + ": " + std::strerror(failure);
    std::string().swap(Bytes);
    std::vector<size_t>{0}.swap(Starts);
    return false;
}

void TextLines::Index()
{
    // A last line without LF gets the NUL its line end would have given it.
    if (!Bytes.empty() && Bytes.back() != '\n')
        Bytes += '\0';
    char* bytes = &Bytes[0];
    size_t end = Bytes.size();
    Starts.reserve(CountLineFeeds(Bytes) + 2);  // growing would hold two copies at once
    for (size_t start = 0; start < end;) {
        const char* lf = static_cast<const char*>(std::memchr(bytes + start, '\n', end - start));
        size_t stop = lf ? static_cast<size_t>(lf - bytes) : end - 1;
        if (lf && stop > start && bytes[stop - 1] == '\r')
            bytes[stop - 1] = '\0';  // the LF stays, marking the dropped CR
        else
            bytes[stop] = '\0';
        start = stop + 1;
        Starts.push_back(start);
    }
}
