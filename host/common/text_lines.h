// A text file as the editor's lines: split at LF, a CR before the LF dropped,
// a final line end adding no line, an empty file having none, every other byte
// kept. The lines live in one block of the file's bytes with each line end
// turned into a NUL, plus where each line starts: a large file costs about its
// own size, not a string per line.
#ifndef STRINGSLIST_HOST_COMMON_TEXT_LINES_H
#define STRINGSLIST_HOST_COMMON_TEXT_LINES_H

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

class TextLines {
public:
    TextLines() = default;
    // Lines given as they stand (a line holds no LF), for hosts built in code.
    TextLines(std::initializer_list<std::string_view> lines);
    TextLines(const std::vector<std::string>& lines);

    size_t size() const { return Starts.size() - 1; }
    bool empty() const { return size() == 0; }
    // Every byte of line n, NULs included, without its line end.
    std::string_view operator[](size_t n) const;
    // Line n as the plug-in reads it: its bytes up to a NUL that always follows them.
    const char* CString(size_t n) const { return Bytes.data() + Starts[n]; }

    void push_back(std::string_view line);

    // Replaces the lines with the file's. False, with a reason people can act
    // on, when it cannot be read; the lines are then empty.
    bool Read(const std::string& path, std::string& error);

private:
    // Turns the line ends of the bytes read into NULs and notes where lines start.
    void Index();

    // Each line's bytes, then a NUL where its line end was. A line whose CR
    // was dropped keeps its LF after that NUL: the one mark that tells it from
    // a line that ends in a NUL of its own.
    std::string Bytes;
    // Where each line starts in Bytes, and last where the next one would.
    std::vector<size_t> Starts{0};
};

#endif
