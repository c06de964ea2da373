/// A ledger of accounts.
module app.ledger;

import std.stdio : writeln;

/* A comment that names a class Ghost(int x) */
alias Amount = long;

enum Kind { debit, credit }

struct Entry
{
    string account;
    Amount amount;
}

class Ledger : Object
{
    private Entry[] entries;

    this(size_t capacity) @safe
    {
        entries.reserve(capacity);
    }

    void post(string account, Amount amount) nothrow
    {
        entries ~= Entry(account, amount);
    }

    Amount balance(string account) const @safe pure;

    static if (is(Amount == long))
        enum bool wide = true;
}

interface Report { void print(); }

T total(T)(const Entry[] list)
{
    T sum;
    foreach (e; list)
        sum += e.amount;
    return sum;
}

template Twice(alias f) { auto Twice(int x) { return f(f(x)); } }
