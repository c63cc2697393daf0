// A list numbered from 1, as every list of the engine is numbered where it
// shows (window properties, operation arguments).
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace skin {

template <typename T>
class OneBasedList {
 public:
  using value_type = T;

  int count() const { return static_cast<int>(items_.size()); }
  bool empty() const { return items_.empty(); }
  bool valid(int k) const { return k >= 1 && k <= count(); }

  T& at(int k) { return items_.at(static_cast<size_t>(k) - 1); }
  const T& at(int k) const { return items_.at(static_cast<size_t>(k) - 1); }
  // Null when k is out of range.
  T* find(int k) { return valid(k) ? &items_[static_cast<size_t>(k) - 1] : nullptr; }
  const T* find(int k) const { return valid(k) ? &items_[static_cast<size_t>(k) - 1] : nullptr; }

  // Appends and returns the new record's number.
  int append(T item) {
    items_.push_back(std::move(item));
    return count();
  }
  void insert_front(T item) { items_.insert(items_.begin(), std::move(item)); }
  void remove(int k) { items_.erase(items_.begin() + (k - 1)); }
  void clear() { items_.clear(); }

  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<T> items_;
};

// A family list of child controls: it starts with one empty record, which
// the first registration takes over. A record with a null hwnd is free: its
// control went, and the next registration takes it. Records never move, since
// their numbers are kept in other controls' properties.
template <typename T>
class ChildList : public OneBasedList<T> {
 public:
  ChildList() { this->append(T{}); }

  // Takes the first free record, else appends; returns the record's number.
  int add(T item) {
    for (int k = 1; k <= this->count(); ++k)
      if (this->at(k).hwnd == nullptr) {
        this->at(k) = std::move(item);
        return k;
      }
    return this->append(std::move(item));
  }
};

}  // namespace skin
