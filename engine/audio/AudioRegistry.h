#pragma once
#include <cstddef>
#include <memory>
#include <vector>

// One of the sound manager's registries (sounds or music pieces), numbered
// from 0 in registration order. An entry refers to the application's
// variable that holds the object and reads through it on every use, so
// putting another object into the variable, or emptying it, changes what
// the number plays; the variable must outlive the registry's use of it. A
// sound that registers itself as it loads is entered as the object itself,
// and that entry is emptied when the sound is destroyed. Entries are never
// removed, so numbers stay stable; the registry owns nothing.
template <typename T>
class AudioRegistry {
public:
    void add(std::unique_ptr<T>& variable) { entries.push_back({&variable, nullptr}); }
    void add(T& object) { entries.push_back({nullptr, &object}); }
    std::size_t count() const { return entries.size(); }

    // The object at index; null for an index out of range or an empty entry.
    T* at(int index) const {
        // A negative index wraps to a huge one and is out of range like any other.
        const auto slot = static_cast<std::size_t>(index);
        return slot < entries.size() ? entries[slot].current() : nullptr;
    }

    // Empties the entries of an object that registered itself and is going away.
    void forget(const T* object) {
        for (Entry& entry : entries)
            if (entry.object == object)
                entry.object = nullptr;
    }

private:
    struct Entry {
        std::unique_ptr<T>* variable;
        T* object;
        T* current() const { return variable ? variable->get() : object; }
    };
    std::vector<Entry> entries;
};
