#pragma once
// 1-based containers of the project model: slot 0 never holds data and every
// index is checked, so no table can be read or written outside its capacity.

#include <array>
#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

namespace avizad {

// Thrown when an index lies outside a table; a programming error, never user input.
class IndexError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// Thrown when an addition would exceed a table's capacity.
class CapacityError : public std::length_error {
public:
    using std::length_error::length_error;
};

// A fixed array of N slots numbered 1..N.
template <typename T, int N>
class Array1 {
public:
    static constexpr int kSize = N;

    T& operator[](int i) { return items_[slot(i)]; }
    const T& operator[](int i) const { return items_[slot(i)]; }
    static constexpr int size() { return N; }
    static constexpr bool contains(int i) { return i >= 1 && i <= N; }

    void fill(const T& value) { items_.fill(value); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const Array1&) const = default;

private:
    static std::size_t slot(int i) {
        if (i < 1 || i > N) {
            throw IndexError("index " + std::to_string(i) + " outside 1.." + std::to_string(N));
        }
        return static_cast<std::size_t>(i - 1);
    }
    std::array<T, N> items_{};
};

// A list of at most `capacity` items numbered 1..count(); positions are stable
// until an item is removed, which moves the following items one place down.
template <typename T>
class List1 {
public:
    explicit List1(int capacity) : capacity_(capacity) {}

    int count() const { return static_cast<int>(items_.size()); }
    int capacity() const { return capacity_; }
    bool empty() const { return items_.empty(); }
    bool full() const { return count() >= capacity_; }

    T& operator[](int i) { return items_[slot(i)]; }
    const T& operator[](int i) const { return items_[slot(i)]; }

    // Appends at position count() + 1; throws CapacityError when full.
    T& add(T item = T{}) {
        if (full()) {
            throw CapacityError("list is full (" + std::to_string(capacity_) + " items)");
        }
        items_.push_back(std::move(item));
        return items_.back();
    }
    // Removes item i and moves i + 1 .. count() one position down.
    void removeAt(int i) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(slot(i))); }
    // Sets the count; new items are default values. Throws CapacityError above capacity.
    void resize(int n) {
        if (n < 0 || n > capacity_) {
            throw CapacityError("count " + std::to_string(n) + " outside 0.." +
                                std::to_string(capacity_));
        }
        items_.resize(static_cast<std::size_t>(n));
    }
    void clear() { items_.clear(); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const List1& other) const { return items_ == other.items_; }

private:
    std::size_t slot(int i) const {
        if (i < 1 || i > count()) {
            throw IndexError("index " + std::to_string(i) + " outside 1.." +
                             std::to_string(count()));
        }
        return static_cast<std::size_t>(i - 1);
    }
    int capacity_;
    std::vector<T> items_;
};

}  // namespace avizad
