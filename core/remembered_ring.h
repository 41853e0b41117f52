#pragma once
// A small store of the last N values found, each with the key it was found under; the oldest goes
// first when a new one comes. For results a thread keeps so as not to compute them again. The entries
// live on the heap: a thread's own stores stay small where threads have small stacks.
#include <vector>

template <class Key, class Value, int N> class RememberedRing {
public:
    // The newest-added value under `key` for which `holds(value)` is true, or nullptr.
    template <class Holds> const Value* Find(const Key& key, Holds holds) const {
        for (int i = 0; i < N; ++i) {
            if (m_used[i] && m_entries[i].key == key && holds(m_entries[i].value)) return &m_entries[i].value;
        }
        return nullptr;
    }
    const Value* Find(const Key& key) const {
        return Find(key, [](const Value&) { return true; });
    }
    void Add(const Key& key, const Value& value) {
        m_entries[m_next] = {key, value};
        m_used[m_next] = true;
        m_next = (m_next + 1) % N;
    }

private:
    struct Entry {
        Key key;
        Value value;
    };
    std::vector<Entry> m_entries = std::vector<Entry>(N);
    std::vector<bool> m_used = std::vector<bool>(N, false);
    int m_next = 0; // the oldest entry, replaced next
};
