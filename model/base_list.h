#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace trelvix {

/// A list of object references, the base of every list of the model. It never owns or frees
/// the objects it refers to: emptying it only forgets them. Item access by index is checked:
/// At gives nullptr for any index outside 0..Count-1 and never throws.
template<class T>
class tBaseList
{
public:
  tBaseList() = default;
  tBaseList(const tBaseList&) = delete;
  tBaseList& operator=(const tBaseList&) = delete;
  virtual ~tBaseList() = default;

  int Count() const { return static_cast<int>(m_items.size()); }
  bool empty() const { return m_items.empty(); }

  /// How many times an entry was replaced, inserted before the end or removed: appending alone
  /// leaves it as it is, so an index of the entries can take in what was appended since.
  std::uint64_t rearrangements() const { return m_rearrangements; }

  /// The item at index, or nullptr when the index is negative or not below Count.
  T* At(int index) const
  {
    return index >= 0 && index < Count() ? m_items[static_cast<std::size_t>(index)] : nullptr;
  }

  /// Replaces the item at index; false (nothing changed) when the index is out of range.
  bool AtPut(int index, T* item)
  {
    if (index < 0 || index >= Count())
      return false;
    m_items[static_cast<std::size_t>(index)] = item;
    ++m_rearrangements;
    return true;
  }

  /// Inserts before index (index Count appends); false when the index is out of range.
  bool AtInsert(int index, T* item)
  {
    if (index < 0 || index > Count())
      return false;
    m_items.insert(m_items.begin() + index, item);
    ++m_rearrangements;
    return true;
  }

  void Add(T* item) { m_items.push_back(item); }

  /// Position of item (identity), or -1.
  int IndexOf(const T* item) const
  {
    const auto it = std::find(m_items.begin(), m_items.end(), item);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
  }

  bool Contains(const T* item) const { return IndexOf(item) >= 0; }

  /// Appends item only when the list does not hold it yet.
  void Store(T* item)
  {
    if (!Contains(item))
      m_items.push_back(item);
  }

  /// Appends, in order, each item of other that this list does not hold yet.
  void AddItems(const tBaseList& other)
  {
    if (&other == this)
      return;
    for (T* item : other.m_items)
      Store(item);
  }

  /// Removes the first reference to item; the item is not freed. Gives its former position or -1.
  int Remove(const T* item)
  {
    const int index = IndexOf(item);
    if (index >= 0) {
      m_items.erase(m_items.begin() + index);
      ++m_rearrangements;
    }
    return index;
  }

  /// Removes the entry at index (no effect out of range); the item is not freed.
  void Delete(int index)
  {
    if (index >= 0 && index < Count()) {
      m_items.erase(m_items.begin() + index);
      ++m_rearrangements;
    }
  }

  /// Forgets every entry; the items themselves are not freed.
  virtual void deleteall()
  {
    m_items.clear();
    ++m_rearrangements;
  }

  auto begin() const { return m_items.begin(); }
  auto end() const { return m_items.end(); }

protected:
  std::vector<T*> m_items;

private:
  std::uint64_t m_rearrangements = 0;
};

} // namespace trelvix
