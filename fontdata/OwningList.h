#pragma once
// An ordered list that owns what it holds: append at the tail, walk from the head, find and remove
// by position; emptying it deletes every item.
#include <cstddef>
#include <memory>
#include <vector>

template <typename T> class OwningList {
public:
    size_t GetCount() const { return m_items.size(); }
    bool IsEmpty() const { return m_items.empty(); }
    T* GetAt(size_t index) const { return index < m_items.size() ? m_items[index].get() : nullptr; }
    T* AddTail(std::unique_ptr<T> item) {
        m_items.push_back(std::move(item));
        return m_items.back().get();
    }
    // Hands the item over to the caller.
    std::unique_ptr<T> RemoveAt(size_t index) {
        if (index >= m_items.size()) return nullptr;
        auto item = std::move(m_items[index]);
        m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(index));
        return item;
    }
    void RemoveAll() { m_items.clear(); }
    // Position of an item, or npos.
    size_t Find(const T* item) const {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].get() == item) return i;
        return npos;
    }
    static constexpr size_t npos = static_cast<size_t>(-1);

    auto begin() const { return Iter{m_items.begin()}; }
    auto end() const { return Iter{m_items.end()}; }

private:
    using Vec = std::vector<std::unique_ptr<T>>;
    struct Iter {
        typename Vec::const_iterator it;
        T* operator*() const { return it->get(); }
        Iter& operator++() {
            ++it;
            return *this;
        }
        bool operator!=(const Iter& o) const { return it != o.it; }
        bool operator==(const Iter& o) const { return it == o.it; }
    };
    Vec m_items;
};
