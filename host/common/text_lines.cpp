// Reading a text file as the editor's lines, and the block that holds them;
// see text_lines.h.
#include "host/common/text_lines.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

// The whole file in bytes; false on a read error. A first piece is read
// before the size is trusted (a folder claims to be huge and then fails);
// after it the rest comes in one read, so the block is never copied.
bool ReadBytes(std::ifstream& in, std::string& bytes)
{
    std::streamoff size = in.seekg(0, std::ios::end) ? std::streamoff(in.tellg()) : -1;
    in.clear();
    in.seekg(0);
    in.clear();
    bytes.resize(64 * 1024);
    size_t used = 0;
    for (;;) {
        in.read(&bytes[used], static_cast<std::streamsize>(bytes.size() - used));
        used += static_cast<size_t>(in.gcount());
        if (!in)
            break;
        // One byte beyond the size, so that the read meets the end; a pipe, or a file that grew, doubles.
        bool sized = size >= 0 && static_cast<unsigned long long>(size) < bytes.max_size() &&
                     used < static_cast<size_t>(size) + 1;
        bytes.resize(sized ? static_cast<size_t>(size) + 1 : bytes.size() * 2);
    }
    bytes.resize(used);
    return !in.bad() && in.eof();
}

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
    Bytes.clear();
    Starts.assign(1, 0);
    std::ifstream in(path, std::ios::binary);
    try {
        if (in && ReadBytes(in, Bytes)) {
            Index();
            return true;
        }
    } catch (const std::exception&) {  // no room for the block or its line starts
        errno = ENOMEM;
    }
    error = "cannot read " + path + ": " + std::strerror(errno);
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
