// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

#include "cli/summary.h"

#include <algorithm>

namespace noralim::cli {

namespace {

constexpr std::array kStatusOrder = {GridStatus::Solved, GridStatus::Open, GridStatus::Invalid};
constexpr long kBarWidth = 40;
// Up to this many rows every sweep count from min to max gets one, so gaps
// show; beyond it only the counts that occurred.
constexpr int kMaxDenseRows = 50;

}  // namespace

void Summary::Add(GridStatus status, int sweeps) {
  ++statuses_[static_cast<std::size_t>(status)];
  const auto k = static_cast<std::size_t>(sweeps);
  if (k >= sweeps_.size()) sweeps_.resize(k + 1);
  ++sweeps_[k];
}

void Summary::AddRating(int solutions, std::optional<Level> level) {
  ++solutions_[static_cast<std::size_t>(solutions)];
  if (level) ++levels_[static_cast<std::size_t>(*level)];
}

long Summary::Total() const {
  long total = 0;
  for (const long n : statuses_) total += n;
  return total;
}

// The lower median: the sweep count of the puzzle at position (total-1)/2 in
// sorted order, so the figure is always a count some puzzle really had.
int Summary::Median() const {
  long remaining = (Total() - 1) / 2;
  for (std::size_t sweeps = 0; sweeps < sweeps_.size(); ++sweeps) {
    if (remaining < sweeps_[sweeps]) return static_cast<int>(sweeps);
    remaining -= sweeps_[sweeps];
  }
  return 0;
}

std::string Summary::RatingLines() const {
  std::string out;
  const auto count = [&](long n, std::string_view what, std::string_view after) {
    out += std::to_string(n);
    out += ' ';
    out += what;
    out += after;
  };
  out += "solutions: ";
  count(solutions_[0], "none", ", ");
  count(solutions_[1], "one", ", ");
  count(solutions_[2], "two or more", "\nratings:");
  for (int level = 1; level <= kLevelCount; ++level) {
    out += level == 1 ? " " : ", ";
    out += LevelName(static_cast<Level>(level));
    out += ' ';
    out += std::to_string(levels_[static_cast<std::size_t>(level)]);
  }
  out += '\n';
  return out;
}

std::string Summary::Text() const {
  const long total = Total();
  std::string out = std::to_string(total) + (total == 1 ? " puzzle:" : " puzzles:");
  const char* separator = " ";
  for (const GridStatus status : kStatusOrder) {
    out += separator + std::to_string(statuses_[static_cast<std::size_t>(status)]) + " ";
    out += StatusName(status);
    separator = ", ";
  }
  out += '\n';
  if (solutions_ != decltype(solutions_){}) out += RatingLines();  // some puzzle was rated
  if (sweeps_.empty()) return out;
  const int low =
      static_cast<int>(std::find_if(sweeps_.begin(), sweeps_.end(), [](long n) { return n > 0; }) - sweeps_.begin());
  const int high = static_cast<int>(sweeps_.size()) - 1;
  out += "sweeps: min " + std::to_string(low) + ", median " + std::to_string(Median()) + ", max " +
         std::to_string(high) + "\n";
  const long most = *std::max_element(sweeps_.begin(), sweeps_.end());
  const int label_width = static_cast<int>(std::to_string(high).size());
  const auto row = [&](int sweeps, long count) {
    // A bar of at least one mark for any count above zero.
    const long bar = count == 0 ? 0 : std::max(1L, count * kBarWidth / most);
    const std::string label = std::to_string(sweeps);
    out += std::string(static_cast<std::size_t>(label_width) - label.size(), ' ') + label + " | ";
    out += std::string(static_cast<std::size_t>(bar), '#');
    out += std::string(static_cast<std::size_t>(kBarWidth - bar + 1), ' ') + std::to_string(count) + "\n";
  };
  const bool dense = high - low < kMaxDenseRows;
  for (int sweeps = low; sweeps <= high; ++sweeps) {
    const long count = sweeps_[static_cast<std::size_t>(sweeps)];
    if (dense || count > 0) row(sweeps, count);
  }
  return out;
}

}  // namespace noralim::cli
