#pragma once
// Checked fixed-size tables, indexed as the stored formats count (from 1 unless said otherwise).
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/errors.hpp"

namespace halvorin {

[[noreturn]] void table_index_error(const char* name, int index, int lo, int hi);

// A one-dimensional table with indexes Lo..Hi; any other index throws InternalError.
template <typename T, int Hi, int Lo = 1>
class Table {
 public:
  explicit Table(const char* name = "table") : name_(name) { fill(T{}); }
  T& operator[](int i) {
    if (i < Lo || i > Hi) table_index_error(name_, i, Lo, Hi);
    return v_[static_cast<size_t>(i - Lo)];
  }
  const T& operator[](int i) const {
    if (i < Lo || i > Hi) table_index_error(name_, i, Lo, Hi);
    return v_[static_cast<size_t>(i - Lo)];
  }
  void fill(const T& x) { v_.fill(x); }
  static constexpr int lo() { return Lo; }
  static constexpr int hi() { return Hi; }

 private:
  const char* name_;
  std::array<T, Hi - Lo + 1> v_{};
};

// A two-dimensional table with indexes 1..Rows and 1..Cols.
template <typename T, int Rows, int Cols>
class Table2 {
 public:
  explicit Table2(const char* name = "table") : name_(name) { fill(T{}); }
  T& operator()(int r, int c) {
    check(r, c);
    return v_[static_cast<size_t>((r - 1) * Cols + (c - 1))];
  }
  const T& operator()(int r, int c) const {
    check(r, c);
    return v_[static_cast<size_t>((r - 1) * Cols + (c - 1))];
  }
  void fill(const T& x) { v_.fill(x); }
  // True when every entry equals the other table's (the names, kept for messages, may differ).
  bool same_entries(const Table2& other) const { return v_ == other.v_; }
  static constexpr int rows() { return Rows; }
  static constexpr int cols() { return Cols; }

 private:
  void check(int r, int c) const {
    if (r < 1 || r > Rows) table_index_error(name_, r, 1, Rows);
    if (c < 1 || c > Cols) table_index_error(name_, c, 1, Cols);
  }
  const char* name_;
  std::array<T, static_cast<size_t>(Rows) * Cols> v_{};
};

// A one-dimensional table with indexes 1..size(), sized when what it describes is read; any
// other index throws InternalError.
template <typename T>
class SizedTable {
 public:
  explicit SizedTable(const char* name, int size) : name_(name) { resize(size); }
  // Sizes the table anew; every entry holds T{}.
  void resize(int size) { v_.assign(static_cast<size_t>(size), T{}); }
  T& operator[](int i) { return v_[index(i)]; }
  const T& operator[](int i) const { return v_[index(i)]; }
  void fill(const T& x) { std::fill(v_.begin(), v_.end(), x); }
  int size() const { return static_cast<int>(v_.size()); }

 private:
  size_t index(int i) const {
    if (i < 1 || i > size()) table_index_error(name_, i, 1, size());
    return static_cast<size_t>(i - 1);
  }
  const char* name_;
  std::vector<T> v_;
};

// A two-dimensional table with indexes 1..rows() and 1..cols(), sized when what it describes is
// read.
template <typename T>
class SizedTable2 {
 public:
  SizedTable2(const char* name, int rows, int cols) : name_(name) { resize(rows, cols); }
  // Sizes the table anew; every entry holds T{}.
  void resize(int rows, int cols) {
    rows_ = rows;
    cols_ = cols;
    v_.assign(static_cast<size_t>(rows) * static_cast<size_t>(cols), T{});
  }
  T& operator()(int r, int c) { return v_[index(r, c)]; }
  const T& operator()(int r, int c) const { return v_[index(r, c)]; }
  void fill(const T& x) { std::fill(v_.begin(), v_.end(), x); }
  // True when both tables have the same size and entries (the names, kept for messages, may
  // differ).
  bool same_entries(const SizedTable2& other) const {
    return rows_ == other.rows_ && cols_ == other.cols_ && v_ == other.v_;
  }
  int rows() const { return rows_; }
  int cols() const { return cols_; }

 private:
  size_t index(int r, int c) const {
    if (r < 1 || r > rows_) table_index_error(name_, r, 1, rows_);
    if (c < 1 || c > cols_) table_index_error(name_, c, 1, cols_);
    return static_cast<size_t>(r - 1) * static_cast<size_t>(cols_) + static_cast<size_t>(c - 1);
  }
  const char* name_;
  int rows_ = 0, cols_ = 0;
  std::vector<T> v_;
};

// A two-dimensional table with rows 1..Rows and columns 1..cols(). It starts with MinCols
// columns (or those its constructor names) and widens to the room the material needs, keeping what
// it holds; an index outside the current size throws like the fixed tables.
template <typename T, int Rows, int MinCols>
class GrowTable2 {
 public:
  explicit GrowTable2(const char* name = "table", int min_cols = MinCols)
      : name_(name), cols_(min_cols), v_(std::make_unique<T[]>(size(min_cols))) {}
  T& operator()(int r, int c) { return v_[index(r, c)]; }
  const T& operator()(int r, int c) const { return v_[index(r, c)]; }
  void fill(const T& x) { std::fill_n(v_.get(), size(cols_), x); }
  // Widens the table to at least `cols` columns; the new entries hold `x`.
  void make_room(int cols, const T& x = T{}) {
    if (cols <= cols_) return;
    auto wider = std::make_unique<T[]>(size(cols));
    std::fill_n(wider.get(), size(cols), x);
    for (size_t r = 0; r < static_cast<size_t>(Rows); ++r)
      std::copy_n(v_.get() + r * static_cast<size_t>(cols_), cols_,
                  wider.get() + r * static_cast<size_t>(cols));
    v_ = std::move(wider);
    cols_ = cols;
  }
  static constexpr int rows() { return Rows; }
  int cols() const { return cols_; }

 private:
  static size_t size(int cols) { return static_cast<size_t>(Rows) * static_cast<size_t>(cols); }
  size_t index(int r, int c) const {
    if (r < 1 || r > Rows) table_index_error(name_, r, 1, Rows);
    if (c < 1 || c > cols_) table_index_error(name_, c, 1, cols_);
    return static_cast<size_t>(r - 1) * static_cast<size_t>(cols_) + static_cast<size_t>(c - 1);
  }
  const char* name_;
  int cols_;
  std::unique_ptr<T[]> v_;
};

// Cuts a text to the most characters its stored field may hold.
inline std::string cut(std::string s, size_t max) {
  if (s.size() > max) s.resize(max);
  return s;
}

// The character at 1-based position i of a line read as if blank-padded: past the end it is a
// blank.
inline char at(const std::string& s, int i) {
  return (i >= 1 && static_cast<size_t>(i) <= s.size()) ? s[static_cast<size_t>(i - 1)] : ' ';
}

}  // namespace halvorin
