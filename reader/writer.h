// Writing a grid's texts as a line the reader reads back unchanged.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "status.h"

namespace noralim {

// The 81 texts in row-major order as JSON strings (UTF-8).
nlohmann::ordered_json CellsArray(const GridTexts& texts);

// The puzzle line (81 characters, '.' for empty), when every text is empty or
// one digit 1-9; nullopt otherwise.
std::optional<std::string> PuzzleLine(const GridTexts& texts);

// The puzzle line when there is one, else the JSON object line {"cells":[...]}.
std::string GridLine(const GridTexts& texts);

}  // namespace noralim
