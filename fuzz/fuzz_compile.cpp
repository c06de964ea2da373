// Fuzz target: any byte string compiles or is refused without a crash or a
// leak, and a compiled list is sound: links both ways, Accept last.
#include <stdlib.h>

#include <string>

#include "fuzz/fuzz_input.h"
#include "pattern/pattern_node.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text = TakePart(data, size);
    PatternNode* pattern = CompilePattern(text.c_str());
    const PatternNode* before = nullptr;
    for (const PatternNode* node = pattern; node; before = node, node = node->next) {
        if (node->prev != before)
            abort();
        unsigned word = NodeWord(node);
        if ((word <= AltEnd || IsChoice(node)) && !node->other)
            abort();
    }
    if (before && NodeWord(before) != Accept)
        abort();
    FreePattern(pattern);
    return 0;
}
