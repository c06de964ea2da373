// The failed-state memory of the matcher (see failed_states.h).
#include "pattern/failed_states.h"

#include <string.h>

#include "pattern/search_limit.h"

namespace {

// Beyond this many dense bits (a very long subject with many choices) every
// state goes to the hash table, which grows only with the states met.
const uint64_t DenseLimit = MostSearchTableBytes * 8;

uint64_t Mix(uint64_t x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdULL;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ULL;
    return x ^ (x >> 33);
}

}  // namespace

void FailedStates::Reset(int choices, int length)
{
    choices_ = choices;
    positions_ = uint64_t(length) + 1;
    uint64_t bits = (uint64_t(length) + 1) * uint64_t(choices) * 2;
    useDense_ = bits <= DenseLimit;
    // Only the words written since the last search can hold a bit.
    if (dirty_)
        memset(dense_.data(), 0, dirty_ * sizeof(uint64_t));
    dirty_ = 0;
    size_t words = static_cast<size_t>((bits + 63) / 64);
    if (useDense_ && dense_.size() < words)
        dense_.resize(words);
    if (++generation_ == 0) {
        for (Entry& entry : table_)
            entry.generation = 0;
        generation_ = 1;
    }
    used_ = 0;
}

void FailedStates::Reserve(int choices, int length)
{
    uint64_t bits = (uint64_t(length) + 1) * uint64_t(choices) * 2;
    size_t words = static_cast<size_t>((bits + 63) / 64);
    if (bits <= DenseLimit && dense_.size() < words)
        dense_.resize(words);
}

int FailedStates::FirstFailedAfter(int slot, int from, int to, unsigned mode)
{
    if (!dirty_ && !used_)
        return to + 1;  // nothing has failed yet: the common first pass
    if (!useDense_) {
        for (int k = from + 1; k <= to; k++)
            if (Has(slot, k, mode, 0))
                return k;
        return to + 1;
    }
    // Bits of one mode sit at every other place: this mask keeps them.
    const uint64_t modeBits = (mode & 1) ? 0xAAAAAAAAAAAAAAAAULL : 0x5555555555555555ULL;
    uint64_t first = Index(slot, from + 1, mode), last = Index(slot, to, mode);
    for (uint64_t word = first >> 6; first <= last && word <= last >> 6; word++) {
        uint64_t bits = dense_[word] & modeBits;
        if (word == first >> 6)
            bits &= ~uint64_t(0) << (first & 63);
        if (word == last >> 6 && (last & 63) != 63)
            bits &= (uint64_t(2) << (last & 63)) - 1;
        if (bits)
            return from + 1 + static_cast<int>(((word << 6) + __builtin_ctzll(bits) - first) / 2);
    }
    return to + 1;
}

bool FailedStates::HasHashed(uint64_t key, uint64_t passBits)
{
    return !table_.empty() && Find(key, passBits)->generation == generation_;
}

void FailedStates::AddHashed(uint64_t key, uint64_t passBits)
{
    if ((used_ + 1) * 2 > table_.size())
        Grow();
    Entry* entry = Find(key, passBits);
    if (entry->generation != generation_) {
        *entry = Entry{passBits, key, generation_};
        used_++;
    }
}

// The entry of the key, or the free slot where it would go.
FailedStates::Entry* FailedStates::Find(uint64_t key, uint64_t passBits)
{
    size_t mask = table_.size() - 1;
    for (size_t i = Mix(key ^ Mix(passBits)) & mask;; i = (i + 1) & mask) {
        Entry& entry = table_[i];
        if (entry.generation != generation_ || (entry.key == key && entry.passBits == passBits))
            return &entry;
    }
}

void FailedStates::Grow()
{
    size_t size = table_.empty() ? 1024 : table_.size() * 2;
    CheckSearchTable(size, sizeof(Entry));
    std::vector<Entry> old;
    old.swap(table_);
    table_.assign(size, Entry{0, 0, 0});
    used_ = 0;
    for (const Entry& entry : old)
        if (entry.generation == generation_) {
            *Find(entry.key, entry.passBits) = entry;
            used_++;
        }
}
