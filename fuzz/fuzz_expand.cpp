// Fuzz target: pattern NUL template NUL subject. Expansion of a match never
// reads outside the subject, answers 0 or -1, and gives no text exactly when
// its length is 0; a template without a backslash comes back as it is.
#include <stdlib.h>
#include <string.h>

#include <string>

#include "fuzz/fuzz_input.h"
#include "pattern/pattern_node.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text = TakePart(data, size);
    std::string templ = TakePart(data, size);
    // The subject on a heap block of its own size, so that a read past it is caught.
    size_t length = size < 1023 ? size : 1023;
    char* subject = static_cast<char*>(malloc(length ? length : 1));
    memcpy(subject, data, length);
    PatternNode* pattern = CompilePattern(text.c_str());
    MatchRegisters registers;
    if (pattern && SearchLine(pattern, subject, static_cast<int>(length), subject, registers.R, 1)) {
        char* out = reinterpret_cast<char*>(&registers);
        int outLength = -1;
        int status = ExpandTemplate(templ.c_str(), subject, registers, &out, &outLength);
        if ((status != 0 && status != -1) || outLength < 0 || (out == nullptr) != (outLength == 0))
            abort();
        if (templ.find('\\') == std::string::npos && std::string(out ? out : "", outLength) != templ)
            abort();
        free(out);
    }
    FreePattern(pattern);
    free(subject);
    return 0;
}
