// SPDX-License-Identifier: MIT
// Copyright 2026 The Noralim developers

// {"noralim":"state","version":1,"cells":[81 texts, box-major],"kinds":"gew..",
//  "steps":[[[cell,"kinds before and after","before","after"],...],...],"at":N,
//  (a step that changes the puzzle's source: {"cells":[...],"source":[before,after]})
//  "source":{"title":..,"file":..,"line":N},"outcome":"..","highlight":D}
// A kind is a letter: 'g' given, 'e' entry, 'w' written.
#include "ui/statecodec.h"

#include <cstdint>
#include <nlohmann/json.hpp>
#include <utility>

#include "reader/message.h"

namespace noralim::ui {

namespace {

using nlohmann::json;

constexpr std::string_view kKindLetters = "egw";

char KindLetter(Origin kind) { return kKindLetters[static_cast<std::size_t>(kind)]; }

Origin KindOf(char letter) {
  const auto at = kKindLetters.find(letter);
  if (at == std::string_view::npos) {
    throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "a cell's kind is not one of g, e, w"));
  }
  return static_cast<Origin>(at);
}

// An integer of type T, or an error for a fraction, a string or a value out
// of T's range: the library's own conversion truncates a float silently and
// leaves one out of range undefined.
template <class T>
T IntegerOf(const json& value) {
  if (value.is_number_unsigned()) {
    if (const auto n = value.get<std::uint64_t>(); std::in_range<T>(n)) return static_cast<T>(n);
  } else if (value.is_number_integer()) {
    if (const auto n = value.get<std::int64_t>(); std::in_range<T>(n)) return static_cast<T>(n);
  }
  throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "a number is out of range"));
}

json StepJson(const Change& change) {
  json cells = json::array();
  for (const CellChange& cell : change.cells) {
    const std::string kinds = {KindLetter(cell.kind_before), KindLetter(cell.kind_after)};
    cells.push_back(json::array({cell.cell, kinds, cell.before, cell.after}));
  }
  if (change.source_before == change.source_after) return cells;
  return {{"cells", std::move(cells)}, {"source", json::array({change.source_before, change.source_after})}};
}

SharedChange StepOf(const json& step) {
  Change change;
  const json* cells = &step;
  if (step.is_object()) {
    cells = &step.at("cells");
    const json& sources = step.at("source");
    change.source_before = sources.at(0).get<std::string>();
    change.source_after = sources.at(1).get<std::string>();
  }
  for (const json& cell : cells->get_ref<const json::array_t&>()) {
    const auto& kinds = cell.at(1).get_ref<const std::string&>();
    if (cell.size() != 4 || kinds.size() != 2) {
      throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "a changed cell is not 4 values"));
    }
    change.cells.push_back({IntegerOf<CellIndex>(cell.at(0)), KindOf(kinds[0]), KindOf(kinds[1]),
                            cell.at(2).get<std::string>(), cell.at(3).get<std::string>()});
  }
  return std::make_shared<const Change>(std::move(change));
}

KeptGrid GridOf(const json& state) {
  KeptGrid grid;
  const auto& cells = state.at("cells").get_ref<const json::array_t&>();
  const auto& kinds = state.at("kinds").get_ref<const std::string&>();
  if (cells.size() != grid.texts.size() || kinds.size() != grid.kinds.size()) {
    throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "not 81 cells"));
  }
  for (std::size_t k = 0; k < grid.texts.size(); ++k) {
    auto text = DecodeUtf8(cells[k].get_ref<const std::string&>());
    if (!text) throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "a cell is not UTF-8"));
    grid.texts[k] = std::move(*text);
    grid.kinds[k] = KindOf(kinds[k]);
  }
  return grid;
}

WindowState StateOf(const json& state) {
  if (state.at("noralim") != "state") {
    throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "not a state of this program"));
  }
  if (IntegerOf<int>(state.at("version")) > kStateVersion) {
    throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "written by a newer version"));
  }
  const json& source = state.at("source");
  KeptGrid grid = GridOf(state);
  grid.source = source.at("title").get<std::string>();
  std::vector<SharedChange> steps;
  for (const json& step : state.at("steps").get_ref<const json::array_t&>()) steps.push_back(StepOf(step));
  auto history = GridHistory::Rebuild(std::move(grid), std::move(steps), IntegerOf<std::size_t>(state.at("at")));
  if (!history) throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "the steps do not fit the grid"));
  WindowState out{std::move(*history), {}, {}, IntegerOf<int>(state.at("highlight"))};
  if (out.highlight < 0 || out.highlight > kUnitSize) {
    throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "no digit to highlight"));
  }
  out.source = {source.at("title").get<std::string>(), source.at("file").get<std::string>(),
                IntegerOf<long>(source.at("line"))};
  out.outcome = state.at("outcome").get<std::string>();
  return out;
}

}  // namespace

std::string EncodeState(const WindowState& state) {
  const KeptGrid& grid = state.history.Current();
  json cells = json::array();
  std::string kinds;
  for (std::size_t k = 0; k < grid.texts.size(); ++k) {
    cells.push_back(EncodeUtf8(grid.texts[k]));
    kinds.push_back(KindLetter(grid.kinds[k]));
  }
  json steps = json::array();
  for (const SharedChange& step : state.history.Steps()) steps.push_back(StepJson(*step));
  json out = {{"noralim", "state"},
              {"version", kStateVersion},
              {"cells", std::move(cells)},
              {"kinds", kinds},
              {"steps", std::move(steps)},
              {"at", state.history.At()},
              {"source", {{"title", state.source.title}, {"file", state.source.file}, {"line", state.source.line}}},
              {"outcome", state.outcome},
              {"highlight", state.highlight}};
  // Replaces a byte that is no UTF-8 by U+FFFD rather than throwing.
  return out.dump(-1, ' ', false, json::error_handler_t::replace) + '\n';
}

std::variant<WindowState, StateError> DecodeState(std::string_view text) {
  // A state is three levels deep: no input may make the parser or the
  // value's destructor recurse deeper than a few more.
  constexpr int kMaxDepth = 6;
  const json::parser_callback_t shallow = [](int depth, json::parse_event_t, json&) {
    if (depth > kMaxDepth) throw std::invalid_argument(NORALIM_TRANSLATE_NOOP("noralim", "nested too deep"));
    return true;
  };
  // What is wrong, in a few words for the notice the user reads.
  try {
    return StateOf(json::parse(text, shallow));
  } catch (const json::parse_error& e) {
    const bool cut = std::string_view(e.what()).find("end of input") != std::string_view::npos;
    return StateError{cut ? NORALIM_TRANSLATE_NOOP("noralim", "cut short")
                          : NORALIM_TRANSLATE_NOOP("noralim", "not JSON")};
  } catch (const json::exception&) {
    return StateError{NORALIM_TRANSLATE_NOOP("noralim", "not a state of this program")};
  } catch (const std::invalid_argument& e) {
    return StateError{e.what()};
  }
}

}  // namespace noralim::ui
