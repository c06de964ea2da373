/* A tiny parser: the strings list shows definitions, not prototypes.
   used for this (to be sure prose in a comment is no function) */
#include <stdio.h>
#define MAX_DEPTH 64
#define CHECK(x) do { if (!(x)) abort(); } while (0)

static int parse_value(const char *text, int depth);

struct token {
    int kind;
};

typedef struct {
    int line;
} position;

enum state { START, DONE };

typedef int (*visit_fn)(struct token *t);

static int
parse_value (const char *text, int depth)
{
    if (depth > MAX_DEPTH)
        return -1;
    for (int i = 0; text[i]; i++)
        CHECK(text[i] != '\n');
    return 0;
}

int parse(const char *text) { return parse_value(text, 0); }

const struct token *first_token(const char *text,
                                int flags)
{
    static struct token t = { 0 };
    return &t;
}

weak_alias (parse, parse_document)

/*
struct old_token parse_old(const char *text)
*/
// int parse_commented(const char *text)
static const char *banner = "int not_a_head(void)";

/* Heads split over lines, K&R, attributes, macros before a head. */
static int
split_head (const char *text,
            int flags)
{
    int n = count_items(text,
                        flags);
    if (n < 0 &&
        flags)
        return report_error(text,
                            n);
    n = parse(
        text);
    return n;
}

static int split_prototype(const char *text,
                           int flags);
static int unnamed_prototype (FTS *, int)
     ATTRIBUTE_PURE;

int
old_style (a, b)
     int a;
     char *b;
{
    return a;
}

long old_same_line(a, b)
     long a, b;
{
    return a + b;
}

static inline int inline_twice(int x) { return 2 * x; }

__attribute__((unused)) static int
unused_helper(void)
{
    return 0;
}

static void NORETURN PRINTF_STYLE(1, 2)
die(const char *format, ...)
{
    list_for_each(item, head) {
        CHECK(item)
    }
    exit(1);
}

struct gnu_tag
{
    int field;
};

typedef struct {
    struct gnu_tag *next;
} *tag_list;
