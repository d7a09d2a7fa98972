#include "solver/status.h"

namespace noralim {

std::string_view StatusName(GridStatus status) {
  switch (status) {
    case GridStatus::Cycle:
      return "cycle";
    case GridStatus::Invalid:
      return "invalid";
    case GridStatus::Solved:
      return "solved";
    case GridStatus::Open:
      break;
  }
  return "open";
}

}  // namespace noralim
