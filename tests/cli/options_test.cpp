#include "options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace noralim::cli {
namespace {

// The parsed command in words, so each row states the whole outcome.
std::string Describe(const Command& command) {
  if (std::holds_alternative<ShowHelp>(command)) return "help";
  if (std::holds_alternative<ShowVersion>(command)) return "version";
  if (const auto* error = std::get_if<UsageError>(&command)) return "error: " + error->message;
  const auto& o = std::get<Options>(command);
  std::ostringstream out;
  out << (o.json ? "json " : "") << (o.trace ? "trace " : "") << (o.summary ? "summary " : "") << "j" << o.jobs;
  for (const auto& p : o.puzzles) out << " p:" << p;
  for (const auto& f : o.files) out << " f:" << f;
  return out.str();
}

struct OptionsCase {
  const char* name;
  std::vector<std::string> args;
  std::string outcome;
};

void PrintTo(const OptionsCase& c, std::ostream* os) { *os << c.name; }

class OptionsTest : public ::testing::TestWithParam<OptionsCase> {};

TEST_P(OptionsTest, ParsesTheCommandLine) {
  std::vector<std::string> args = GetParam().args;
  // Pin the thread count so the rows do not depend on the machine.
  if (std::find(args.begin(), args.end(), "-j3") == args.end()) args.insert(args.begin(), "-j1");
  EXPECT_EQ(Describe(ParseArguments(args)), GetParam().outcome);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, OptionsTest,
    ::testing::Values(
        OptionsCase{"NothingReadsStandardInput", {}, "j1 f:-"},
        OptionsCase{"TraceImpliesJson", {"--trace", "a.txt"}, "json trace j1 f:a.txt"},
        OptionsCase{"JobsJoinedOrApart", {"-j3", "-j", "2"}, "j2 f:-"},
        OptionsCase{"PuzzlesAloneReadNoStandardInput", {"-p", "x", "--puzzle", "y", "--summary"}, "summary j1 p:x p:y"},
        OptionsCase{"PuzzlesThenFiles", {"-p", "x", "-", "b"}, "j1 p:x f:- f:b"},
        OptionsCase{"DashDashEndsOptions", {"--", "--json", "-p"}, "j1 f:--json f:-p"},
        OptionsCase{"HelpAnywhere", {"a", "-h"}, "help"}, OptionsCase{"Version", {"--version"}, "version"},
        OptionsCase{"PuzzleWithoutValue", {"-p"}, "error: -p takes a puzzle"},
        OptionsCase{"TooManyJobs", {"-j", "257"}, "error: -j takes a number of threads from 1 to 256"},
        OptionsCase{"JobsNotANumber", {"-jx"}, "error: -j takes a number of threads from 1 to 256"},
        OptionsCase{"Unknown", {"--fast"}, "error: unknown option '--fast'"}),
    [](const ::testing::TestParamInfo<OptionsCase>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace noralim::cli
