// The worst patterns of up to 511 characters on subjects of 1023 characters:
// every search completes, in a thread with a 256 KB stack natively and on the
// main thread of the Windows target, within a budget of steps proportional
// to (pattern length x subject length), with the matcher's shortcuts on and off.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "pattern/matcher.h"
#include "pattern/pattern_node.h"
#include "tests/pattern/pattern_text.h"

#ifndef _WIN32
#include <pthread.h>
#endif

namespace {

std::string Repeat(const std::string& piece, int times)
{
    std::string text;
    for (int i = 0; i < times; i++)
        text += piece;
    return text;
}

// Deepest nesting that fits in 511 characters: `open` * n, core, `close` * n, tail.
std::string Nest(const std::string& open, const std::string& core, const std::string& close,
                 const std::string& tail = "", int most = 511)
{
    int n = static_cast<int>((511 - core.size() - tail.size()) / (open.size() + close.size()));
    n = n < most ? n : most;
    return Repeat(open, n) + core + Repeat(close, n) + tail;
}

std::string AcAc()
{
    std::string line;
    while (line.size() < 1022)
        line += "ac";
    return line;
}

struct Worst {
    std::string pattern;
    std::string subject;
    const char* expected;  // the whole match's registers, or nomatch
};

std::vector<Worst> WorstCases()
{
    std::string as(1023, 'a'), words;
    while (words.size() < 1023)
        words += "ab cd ";
    words.resize(1022);
    std::string last = as.substr(0, 1022) + "b";
    return {
        {"{{(.)}}*", as, "0:0-1023 1:0-1"},
        {"(.)@$", as, "0:0-1023 1:0-1"},
        {"(.)*$", as, "0:0-1023 1:0-1"},
        {"{a|a}*b", as, "nomatch"},
        {"{a+}+b", as, "nomatch"},
        {"{\\w+\\s?}*$", words + "!", "0:1023-1023"},
        {"(a*)*b", as, "nomatch"},
        {"(a*)*b", last, "0:0-1023 1:0-1022"},
        {"{a?}*{a?}*{a?}*{a?}*b", as, "nomatch"},
        {Nest("(", ".*", ")*", "", 63), as, nullptr},
        {Nest("{", "(.*)*", "}*"), as, nullptr},
        {Nest("{", "a?", "}*"), as + "b", nullptr},
        {Nest("{", "a@", "}@"), as + "c", nullptr},
        {Nest("{", "{a?|a?}", "}*", "b", 32), as, "nomatch"},
        {Repeat("{a?|a?}", 36) + "{a?}*b", as, "nomatch"},
        {Repeat("a|", 255) + "b", as, nullptr},
        {Repeat("(.)", 63) + Repeat(".*", 161), as, nullptr},
        {Repeat(".", 511), as, "0:0-511"},
        {Nest("{", "a", "}+", "$"), as, "0:0-1023"},
        {Nest("(", "{a|b}", ")*", "c", 32), as, nullptr},
        {Nest("{", "(a|b)", "}*", "c", 32), as, "nomatch"},
        // Nests of every depth that fits.
        {Nest("{", "{a?|a?}", "}*", "b"), as, "nomatch"},
        {Nest("{", "a|", "}*", "b"), as, "nomatch"},
        {Nest("{", "a|", "}*", "b"), last, "0:0-1023"},
        {Nest("{", "a*", "}*", "b"), as, "nomatch"},
        // Class loops entered again at every position, with no required string to rule the line out.
        {"\\c" + Repeat(".*a*", 100) + "$x", as, "nomatch"},
        // Matches that climb the whole nest at every other character.
        {"{" + Nest("{", "a*", "}*", "c}*$"), AcAc(), "0:0-1022"},
        {"{" + Nest("{", "a*", "}@", "c}*$"), AcAc(), "0:0-1022"},
        {"{" + Nest("{", "a*", "b?}*", "c}*$", 100), AcAc(), "0:0-1022"},
        {Nest("{", "a@", "}+", "$"), as, "0:0-1023"},
        // The same where whether a pass would first come back empty depends on the
        // place, or on capture registers held, or where each pass ends in a case switch.
        {Nest("{", "a@", "$?}*", "$"), as, "0:0-1023"},
        {Nest("{^?", "a@", "}+", "$"), as, "0:0-1023"},
        {"{" + Nest("(", "a*", "}*", "c}*$", 60), AcAc(), "0:0-1022 1:0-1"},
        {"{" + Nest("{", "a@", "\\c}*", "b}*$", 100), last, "0:0-1023"},
        {"{" + Nest("{", "(a)", "\\C}*", "b}*$", 100), last, "0:0-1023 1:0-1"},
        {Nest("{\\c", "a?", "\\C}*", "b"), last, "0:0-1023"},
        // First passes of one-or-mores that cannot pass empty, each beginning with a capture or a switch.
        {Nest("(", "a#", "}+", "c", 60), as, "nomatch"},
        {Nest("{\\c", "a#", "}+", "c"), as, "nomatch"},
    };
}

// Steps a search may take per (pattern character x subject position); a lost
// bound makes the search give up instead of hanging the test.
const long StepsPerCell = 8;

void RunWorstCases(std::vector<std::string>* failures)
{
    for (bool shortcuts : {true, false}) {
        SetMatcherShortcuts(shortcuts);
        for (const Worst& w : WorstCases()) {
            if (w.pattern.size() > 511) {
                failures->push_back("pattern too long: " + w.pattern.substr(0, 40));
                continue;
            }
            SetMatcherStepBudget(StepsPerCell * static_cast<long>(w.pattern.size() * (w.subject.size() + 1)));
            std::string result = SearchText(w.pattern.c_str(), w.subject);
            std::string name = w.pattern.substr(0, 60) + (shortcuts ? "" : " (no shortcuts)");
            if (MatcherGaveUp())
                failures->push_back(name + " ran out of steps");
            else if (result == "error" || (w.expected && result.compare(0, strlen(w.expected), w.expected) != 0))
                failures->push_back(name + " gave " + result.substr(0, 60));
        }
    }
    SetMatcherStepBudget(0);
    SetMatcherShortcuts(true);
}

#ifndef _WIN32
void* RunInThread(void* failures)
{
    RunWorstCases(static_cast<std::vector<std::string>*>(failures));
    return nullptr;
}
#endif

TEST(Depth, WorstPatternsCompleteOnASmallStack)
{
    std::vector<std::string> failures;
#ifdef _WIN32
    RunWorstCases(&failures);
#else
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    ASSERT_EQ(pthread_attr_setstacksize(&attributes, 256 * 1024), 0);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, RunInThread, &failures), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
#endif
    for (const std::string& failure : failures)
        ADD_FAILURE() << failure;
}

}  // namespace
