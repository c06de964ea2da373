// Reading and writing .reg files; see reg_file.h. The reader works line by
// line on 8-bit text (UTF-16 files are first turned into UTF-8) and stops at
// the first thing it does not understand, saying where and what it expected.
#include "platform/reg_file.h"

#include <algorithm>
#include <cstdio>
#include <unordered_map>

#include "base/ascii.h"
#include "base/printable.h"

namespace {

const char Header4[] = "REGEDIT4";
const char Header5[] = "Windows Registry Editor Version 5.00";

// ---- text decoding -------------------------------------------------------

void AppendUtf8(std::string& out, uint32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | c >> 6);
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | c >> 18);
        out += char(0x80 | (c >> 12 & 0x3F));
        out += char(0x80 | (c >> 6 & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// UTF-16 bytes (from offset `start`) as UTF-8. Answers false on an odd length
// or a lone surrogate.
bool Utf16ToUtf8(const std::string& bytes, size_t start, bool bigEndian, std::string& out)
{
    if ((bytes.size() - start) % 2)
        return false;
    auto unit = [&](size_t i) {
        unsigned char a = bytes[i], b = bytes[i + 1];
        return bigEndian ? uint32_t(a << 8 | b) : uint32_t(b << 8 | a);
    };
    for (size_t i = start; i < bytes.size(); i += 2) {
        uint32_t c = unit(i);
        if (c >= 0xDC00 && c < 0xE000)
            return false;
        if (c >= 0xD800 && c < 0xDC00) {
            if (i + 2 >= bytes.size())
                return false;
            uint32_t low = unit(i + 2);
            if (low < 0xDC00 || low >= 0xE000)
                return false;
            c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, c);
    }
    return true;
}

bool StartsWith(const std::string& s, const char* prefix)
{
    return s.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// The file's text as 8-bit: a byte-order mark picks UTF-16 or UTF-8.
bool DecodeText(const std::string& bytes, std::string& text)
{
    if (StartsWith(bytes, "\xFF\xFE"))
        return Utf16ToUtf8(bytes, 2, false, text);
    if (StartsWith(bytes, "\xFE\xFF"))
        return Utf16ToUtf8(bytes, 2, true, text);
    text = StartsWith(bytes, "\xEF\xBB\xBF") ? bytes.substr(3) : bytes;
    return true;
}

// ---- the line reader -----------------------------------------------------

// A hash of the text as the registry compares it: ASCII folded to upper case.
uint64_t FoldedHash(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : text)
        hash = (hash ^ (unsigned char)AsciiUpper(c)) * 1099511628211ull;
    return hash;
}

struct Parser {
    std::vector<std::string> Lines;
    size_t Next = 0;  // index of the next line to read
    int Version = 4;
    const std::string* FileName;
    std::string* Error;
    RegFileDocument* Document;
    // Indexes, so that neither many keys nor a long key cost a scan per
    // line: the hash of a folded key path -> positions in Keys; per key, once
    // it holds many values, folded value name -> position in its Values
    // (kept beside Keys, moved with them).
    std::unordered_multimap<uint64_t, size_t> KeyIndex;
    std::vector<std::unordered_map<std::string, size_t>> ValueIndexes;

    bool Fail(size_t lineIndex, const std::string& message)
    {
        *Error = *FileName + ":" + std::to_string(lineIndex + 1) + ": " + message;
        if (lineIndex < Lines.size() && HasLoneCarriageReturn(Lines[lineIndex]))
            *Error += " (the line holds a carriage return without a line feed: line ends must be LF or CR LF)";
        return false;
    }

    // SplitLines leaves no CR at a line's end, so any CR left is a lone one.
    static bool HasLoneCarriageReturn(const std::string& line) { return line.find('\r') != std::string::npos; }
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string TrimRight(const std::string& s)
{
    size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1]))
        end--;
    return s.substr(0, end);
}

size_t SkipBlanks(const std::string& s, size_t i)
{
    while (i < s.size() && IsBlank(s[i]))
        i++;
    return i;
}

// A short, printable excerpt of a line for error messages.
std::string Excerpt(const std::string& line)
{
    std::string out = Printable(line.substr(0, 40));
    return line.size() > 40 ? out + "..." : out;
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

// A quoted text from s[i] (the opening quote) with the escapes \\ and \".
// On success i is just past the closing quote.
bool ReadQuoted(Parser& p, size_t lineIndex, const std::string& s, size_t& i, std::string& out)
{
    for (i++; i < s.size(); i++) {
        if (s[i] == '"') {
            i++;
            return true;
        }
        if (s[i] == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"'))
                return p.Fail(lineIndex, "expected \\\\ or \\\" after a backslash in a quoted text "
                                         "(a backslash must be doubled)");
            i++;
        }
        out += s[i];
    }
    return p.Fail(lineIndex, "expected a closing \" (the quoted text is not terminated)");
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// 1 to 8 hex digits from s[i]; i moves past them.
bool ReadHexNumber(const std::string& s, size_t& i, uint32_t& value)
{
    size_t start = i;
    value = 0;
    while (i < s.size() && HexDigit(s[i]) >= 0 && i - start < 8)
        value = value << 4 | uint32_t(HexDigit(s[i++]));
    return i > start && (i >= s.size() || HexDigit(s[i]) < 0);
}

// Comma-separated hex bytes, the text of every continuation line joined.
bool ReadHexBytes(Parser& p, size_t lineIndex, const std::string& s, std::string& out)
{
    size_t i = SkipBlanks(s, 0);
    while (i < s.size()) {
        int hi = HexDigit(s[i]), lo = i + 1 < s.size() ? HexDigit(s[i + 1]) : -1;
        if (hi < 0 || lo < 0)
            return p.Fail(lineIndex, "expected two hex digits per byte, separated by commas");
        out += char(hi << 4 | lo);
        i = SkipBlanks(s, i + 2);
        if (i == s.size())
            break;
        if (s[i] != ',')
            return p.Fail(lineIndex, "expected a comma between hex bytes");
        i = SkipBlanks(s, i + 1);
        if (i == s.size())
            return p.Fail(lineIndex, "expected a hex byte after the last comma, or a backslash "
                                     "to continue on the next line");
    }
    return true;
}

// The rest of a hex value: the line's text after the colon, joined with the
// continuation lines (a backslash at the end of a line continues it).
std::string JoinContinuations(Parser& p, std::string rest)
{
    rest = TrimRight(rest);
    while (!rest.empty() && rest.back() == '\\' && p.Next < p.Lines.size()) {
        rest.pop_back();
        rest += TrimRight(p.Lines[p.Next++]);
    }
    return rest;
}

// Version 5.00 files hold the text of hex(1), hex(2) and hex(7) as UTF-16.
bool DecodeHexText(Parser& p, size_t lineIndex, RegFileValue& value)
{
    if (p.Version == 5 && (value.Type == RegSz || value.Type == RegExpandSz || value.Type == RegMultiSz)) {
        std::string text;
        if (!Utf16ToUtf8(value.Data, 0, false, text))
            return p.Fail(lineIndex, "expected UTF-16 text (pairs of bytes) in a hex(" +
                                         std::to_string(value.Type) + ") value of a version 5.00 file");
        value.Data = text;
    }
    if (value.Type == RegSz && !value.Data.empty() && value.Data.back() == '\0')
        value.Data.pop_back();
    return true;
}

bool ReadHexValue(Parser& p, size_t lineIndex, const std::string& s, size_t i, RegFileValue& value)
{
    value.Type = RegBinary;
    if (s[i] == '(') {
        i++;
        if (!ReadHexNumber(s, i, value.Type) || i >= s.size() || s[i] != ')')
            return p.Fail(lineIndex, "expected a type number in hex digits and ) after hex(");
        i++;
    }
    if (i >= s.size() || s[i] != ':')
        return p.Fail(lineIndex, "expected : after hex or hex(N)");
    std::string bytes = JoinContinuations(p, s.substr(i + 1));
    return ReadHexBytes(p, lineIndex, bytes, value.Data) && DecodeHexText(p, lineIndex, value);
}

bool ExpectLineEnd(Parser& p, size_t lineIndex, const std::string& s, size_t i)
{
    if (SkipBlanks(s, i) != s.size())
        return p.Fail(lineIndex, "expected the end of the line after the value, found \"" +
                                     Excerpt(s.substr(i)) + "\"");
    return true;
}

// The data after "name"=.
bool ReadValueData(Parser& p, size_t lineIndex, const std::string& s, size_t i, RegFileValue& value)
{
    i = SkipBlanks(s, i);
    if (i < s.size() && s[i] == '"') {
        value.Type = RegSz;
        return ReadQuoted(p, lineIndex, s, i, value.Data) && ExpectLineEnd(p, lineIndex, s, i);
    }
    if (s.compare(i, 6, "dword:") == 0) {
        uint32_t n;
        i += 6;
        if (!ReadHexNumber(s, i, n))
            return p.Fail(lineIndex, "expected 1 to 8 hex digits after dword:");
        value.Type = RegDword;
        value.Data = std::string{char(n), char(n >> 8), char(n >> 16), char(n >> 24)};
        return ExpectLineEnd(p, lineIndex, s, i);
    }
    if (s.compare(i, 3, "hex") == 0)
        return ReadHexValue(p, lineIndex, s, i + 3, value);
    if (i < s.size() && s[i] == '-')
        return p.Fail(lineIndex, "deleting a value (=-) is not supported here");
    return p.Fail(lineIndex, "expected \"text\", dword:, hex: or hex(N): after =");
}

// Where a key holds a value of that name, or values.size(). A few values are
// looked through; past them the key gets an index.
size_t FindValue(Parser& p, const std::string& name)
{
    const size_t FewValues = 16;
    std::vector<RegFileValue>& values = p.Document->Keys.back().Values;
    std::unordered_map<std::string, size_t>& index = p.ValueIndexes.back();
    if (values.size() < FewValues) {
        for (size_t v = 0; v < values.size(); v++)
            if (SameRegName(values[v].Name, name))
                return v;
        return values.size();
    }
    for (size_t v = index.size(); v < values.size(); v++)
        index.emplace(FoldRegName(values[v].Name), v);
    auto found = index.find(FoldRegName(name));
    return found == index.end() ? values.size() : found->second;
}

// A value named twice in a key: the later one wins.
void StoreValue(Parser& p, RegFileValue value)
{
    std::vector<RegFileValue>& values = p.Document->Keys.back().Values;
    size_t known = FindValue(p, value.Name);
    if (known == values.size()) {
        values.push_back(std::move(value));
    } else {
        values[known].Type = value.Type;
        values[known].Data = std::move(value.Data);
    }
}

// The position of the key of that path in Keys, or Keys.size().
size_t FindKey(Parser& p, uint64_t hash, const std::vector<std::string>& path)
{
    auto range = p.KeyIndex.equal_range(hash);
    for (auto at = range.first; at != range.second; ++at)
        if (SameRegPath(p.Document->Keys[at->second].Path, path))
            return at->second;
    return p.Document->Keys.size();
}

// Moves the index entry of the key at `from` to `to`.
void MoveKeyIndex(Parser& p, uint64_t hash, size_t from, size_t to)
{
    auto range = p.KeyIndex.equal_range(hash);
    for (auto at = range.first; at != range.second; ++at)
        if (at->second == from) {
            at->second = to;
            return;
        }
}

bool ReadValueLine(Parser& p, size_t lineIndex, const std::string& s, size_t i)
{
    if (p.Document->Keys.empty())
        return p.Fail(lineIndex, "expected a key line [PATH] before the first value");
    RegFileValue value{"", 0, ""};
    if (s[i] == '@')
        i++;
    else if (!ReadQuoted(p, lineIndex, s, i, value.Name))
        return false;
    i = SkipBlanks(s, i);
    if (i >= s.size() || s[i] != '=')
        return p.Fail(lineIndex, "expected = after the value name");
    if (!ReadValueData(p, lineIndex, s, i + 1, value))
        return false;
    StoreValue(p, value);
    return true;
}

bool ReadKeyLine(Parser& p, size_t lineIndex, const std::string& s, size_t i)
{
    std::string line = TrimRight(s);
    if (line.back() != ']' || line.size() - i < 2)
        return p.Fail(lineIndex, "expected a key path and a closing ] in [PATH]");
    std::string path = line.substr(i + 1, line.size() - i - 2);
    if (!path.empty() && path[0] == '-')
        return p.Fail(lineIndex, "deleting a key ([-PATH]) is not supported here");
    RegKeyPath components = SplitRegPath(path);
    for (const std::string& c : components)
        if (c.empty())
            return p.Fail(lineIndex, "expected key names between the backslashes of [" + Excerpt(path) + "]");
    std::vector<RegFileKey>& keys = p.Document->Keys;
    uint64_t hash = FoldedHash(path);
    size_t found = FindKey(p, hash, components);
    if (found == keys.size()) {
        p.KeyIndex.emplace(hash, keys.size());
        keys.push_back(RegFileKey{std::move(components), {}});
        p.ValueIndexes.emplace_back();
        return true;
    }
    // A key named twice: its values gather under the first section, which
    // becomes the last key, the one value lines go to.
    size_t last = keys.size() - 1;
    if (found != last) {
        uint64_t lastHash = FoldedHash(JoinRegPath(keys[last].Path));
        MoveKeyIndex(p, lastHash, last, SIZE_MAX);  // through a mark: the two hashes may be one
        MoveKeyIndex(p, hash, found, last);
        MoveKeyIndex(p, lastHash, SIZE_MAX, found);
        std::swap(keys[found], keys[last]);
        std::swap(p.ValueIndexes[found], p.ValueIndexes[last]);
    }
    return true;
}

bool ReadHeader(Parser& p)
{
    while (p.Next < p.Lines.size() && TrimRight(p.Lines[p.Next]).empty())
        p.Next++;
    if (p.Next == p.Lines.size())
        return p.Fail(p.Next, "expected the header line REGEDIT4 or " + std::string(Header5) +
                                  " (the file is empty)");
    std::string header = TrimRight(p.Lines[p.Next++]);
    if (header == Header4)
        p.Version = 4;
    else if (header == Header5)
        p.Version = 5;
    else
        return p.Fail(p.Next - 1, "expected the header line REGEDIT4 or " + std::string(Header5) +
                                      ", found \"" + Excerpt(header) + "\"");
    return true;
}

bool ReadBody(Parser& p)
{
    while (p.Next < p.Lines.size()) {
        size_t lineIndex = p.Next++;
        const std::string& s = p.Lines[lineIndex];
        size_t i = SkipBlanks(s, 0);
        if (i == s.size() || s[i] == ';')
            continue;
        bool ok = s[i] == '[' ? ReadKeyLine(p, lineIndex, s, i)
                  : (s[i] == '"' || s[i] == '@') ? ReadValueLine(p, lineIndex, s, i)
                  : p.Fail(lineIndex, "expected [PATH], \"NAME\"=VALUE, @=VALUE, a ; comment or an "
                                      "empty line, found \"" + Excerpt(s) + "\"");
        if (!ok)
            return false;
    }
    return true;
}

// Where the first NUL byte is, as a line index; -1 when there is none.
long NulLine(const std::string& text)
{
    size_t nul = text.find('\0');
    if (nul == std::string::npos)
        return -1;
    return long(std::count(text.begin(), text.begin() + long(nul), '\n'));
}

// ---- the writer ----------------------------------------------------------

std::string Quote(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

bool NeedsHex(const std::string& text)
{
    for (unsigned char c : text)
        if (c < 0x20 || c == 0x7F)
            return true;
    return false;
}

// "name"=hex(N):xx,xx,... wrapped below 80 columns as regedit does.
std::string HexLine(const std::string& head, const std::string& bytes)
{
    std::string out = head;
    size_t column = head.size();
    for (size_t i = 0; i < bytes.size(); i++) {
        char piece[4];
        std::snprintf(piece, sizeof piece, "%02x%s", (unsigned char)bytes[i], i + 1 < bytes.size() ? "," : "");
        if (column + 3 > 76 && i > 0) {
            out += "\\\n  ";
            column = 2;
        }
        out += piece;
        column += 3;
    }
    return out + "\n";
}

std::string FormatValue(const RegFileValue& value)
{
    std::string head = value.Name.empty() ? "@=" : Quote(value.Name) + "=";
    if (value.Type == RegSz && !NeedsHex(value.Data))
        return head + Quote(value.Data) + "\n";
    if (value.Type == RegSz)
        return HexLine(head + "hex(1):", value.Data + '\0');
    if (value.Type == RegDword && value.Data.size() == 4) {
        const unsigned char* d = reinterpret_cast<const unsigned char*>(value.Data.data());
        char number[16];
        std::snprintf(number, sizeof number, "dword:%08x", unsigned(d[0] | d[1] << 8 | d[2] << 16 | unsigned(d[3]) << 24));
        return head + number + "\n";
    }
    if (value.Type == RegBinary)
        return HexLine(head + "hex:", value.Data);
    char type[24];
    std::snprintf(type, sizeof type, "hex(%x):", unsigned(value.Type));
    return HexLine(head + type, value.Data);
}

}  // namespace

bool ParseRegFile(const std::string& bytes, const std::string& fileName, RegFileStrictness strictness,
                  RegFileDocument& document, std::string& error)
{
    document.Keys.clear();
    Parser p;
    p.FileName = &fileName;
    p.Error = &error;
    p.Document = &document;
    std::string text;
    if (!DecodeText(bytes, text))
        return p.Fail(0, "expected UTF-16 text after the byte-order mark (odd length or a broken "
                         "surrogate pair)");
    long nulLine = NulLine(text);
    if (nulLine >= 0)
        return p.Fail(size_t(nulLine), "unexpected NUL byte: this is not a .reg text file");
    if (text.find('\r') != std::string::npos && text.find('\n') == std::string::npos)
        return p.Fail(0, "expected LF or CR LF line ends, found carriage returns alone (CR): convert the "
                         "line ends, for example with: tr '\\r' '\\n'");
    p.Lines = SplitLines(text);
    if (strictness == RegFileComplete && !text.empty() && text.back() != '\n')
        return p.Fail(p.Lines.size() - 1, "expected a line end at the end of the file (the file is cut short)");
    if (!ReadHeader(p) || !ReadBody(p)) {
        document.Keys.clear();
        return false;
    }
    return true;
}

std::string FormatRegFile(const RegFileDocument& document)
{
    std::string out = std::string(Header4) + "\n\n";
    for (const RegFileKey& key : document.Keys) {
        out += "[" + JoinRegPath(key.Path) + "]\n";
        for (const RegFileValue& value : key.Values)
            out += FormatValue(value);
        out += "\n";
    }
    return out;
}

std::string FoldRegName(const std::string& name)
{
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(), AsciiUpper);
    return folded;
}

bool SameRegName(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

namespace {

// Paths share most of their names, spelt alike: equal bytes are compared first.
bool SameRegNameBytesFirst(const std::string& a, const std::string& b)
{
    return a == b || SameRegName(a, b);
}

}  // namespace

bool SameRegPath(const RegKeyPath& a, const RegKeyPath& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameRegNameBytesFirst);
}

bool IsRegPathAtOrBelow(const RegKeyPath& path, const RegKeyPath& top)
{
    return path.size() >= top.size() && std::equal(top.begin(), top.end(), path.begin(), SameRegNameBytesFirst);
}

bool RegNameLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return (unsigned char)AsciiUpper(x) < (unsigned char)AsciiUpper(y);
    });
}

bool RegPathLess(const RegKeyPath& a, const RegKeyPath& b)
{
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; i++)
        if (!SameRegNameBytesFirst(a[i], b[i]))
            return RegNameLess(a[i], b[i]);
    return a.size() < b.size();
}

RegKeyPath SplitRegPath(const std::string& path)
{
    RegKeyPath components;
    size_t start = 0;
    for (;;) {
        size_t end = path.find('\\', start);
        components.push_back(path.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return components;
        start = end + 1;
    }
}

std::string JoinRegPath(const RegKeyPath& path)
{
    std::string joined;
    for (size_t i = 0; i < path.size(); i++)
        joined += (i ? "\\" : "") + path[i];
    return joined;
}
