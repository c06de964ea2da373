// Machine-readable output: C-style escapes and TAB-joined fields, one line per call.
#include "host/cli/porcelain.h"

namespace {

struct Escape {
    char Byte;
    const char* Text;
};

const Escape NamedEscapes[] = {{'\\', "\\\\"}, {'\t', "\\t"}, {'\n', "\\n"}};

}  // namespace

std::string EscapeField(const std::string& field)
{
    static const char Hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(field.size());
    for (char c : field) {
        const Escape* named = nullptr;
        for (const Escape& e : NamedEscapes)
            if (e.Byte == c)
                named = &e;
        unsigned char b = static_cast<unsigned char>(c);
        if (named) {
            out += named->Text;
        } else if (b < 0x20 || b >= 0x7F) {
            out += "\\x";
            out += Hex[b >> 4];
            out += Hex[b & 15];
        } else {
            out += c;
        }
    }
    return out;
}

std::string PorcelainLine(const std::vector<std::string>& fields)
{
    std::string line;
    for (size_t i = 0; i < fields.size(); i++) {
        if (i)
            line += '\t';
        line += EscapeField(fields[i]);
    }
    line += '\n';
    return line;
}
