// The command line as a user runs it: a real process, real files, exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

struct ProcessRun {
  int status;
  std::string out;
  std::string err;
};

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs noralim-solve with the shell arguments `args` and standard input `input`.
ProcessRun Solve(const std::string& args, const std::string& input = "") {
  const std::string dir = ::testing::TempDir();
  const std::string in = dir + "/solve_in.txt";
  const std::string out = dir + "/solve_out.txt";
  const std::string err = dir + "/solve_err.txt";
  std::ofstream(in, std::ios::binary) << input;
  const std::string command = std::string(NORALIM_SOLVE) + " " + args + " <" + in + " >" + out + " 2>" + err;
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(out), Slurp(err)};
}

const std::string kSamples = std::string(NORALIM_SAMPLES) + "/puzzles.txt";

TEST(NoralimSolveTest, SolvesTheSamplesWithEveryStatus) {
  const ProcessRun run = Solve(kSamples);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_NE(
      run.out.find("849713625175269384236458971713982546524136798968574213452391867381627459697845132 solved 7\n"),
      std::string::npos);
  for (const char* status : {" open ", " cycle ", " solved "}) EXPECT_NE(run.out.find(status), std::string::npos);
}

TEST(NoralimSolveTest, RejectedLinesAreNamedAndTheRestIsStillSolved) {
  const std::string good(81, '.');
  const ProcessRun run =
      Solve("- " + kSamples, "# header\n" + good + "\n" + good.substr(1) + "\n" + good + "x\n" + good + "\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "-:3: expected 81 cells, got 80\n-:4: unexpected character 'x' at column 82\n");
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2 + 5);
}

TEST(NoralimSolveTest, JsonOutputKeepsInputOrderAndLineNumbers) {
  const std::string empty(81, '.');
  const ProcessRun run = Solve(
      "--json", empty + "\n\n{\"id\": 9, \"cells\": [" + std::string(std::size_t{80} * 3, ' ') + "]}\n" + empty + "\n");
  EXPECT_EQ(run.status, 1);  // the object with no cells is rejected
  EXPECT_EQ(run.out.substr(0, 10), "{\"line\":1,");
  EXPECT_NE(run.out.find("\n{\"line\":4,"), std::string::npos);
}

TEST(NoralimSolveTest, ThreadsGiveTheSameOutputInInputOrder) {
  // Enough lines for several batches, mixed with rejected ones.
  const std::string samples = Slurp(kSamples);
  std::string input;
  for (int k = 0; k < 1000; ++k) input += samples + (k % 100 == 0 ? "\nbad line\n" : "\n");
  const ProcessRun one = Solve("-j 1 --json", input);
  const ProcessRun two = Solve("-j2 --json", input);
  EXPECT_EQ(one.status, 1);
  EXPECT_GT(std::count(one.out.begin(), one.out.end(), '\n'), 4096);
  EXPECT_EQ(one.out, two.out);
  EXPECT_EQ(one.err, two.err);
}

TEST(NoralimSolveTest, UsageAndFileErrorsExitWithTwo) {
  EXPECT_EQ(Solve("--bogus").status, 2);
  EXPECT_EQ(Solve("-j 0").status, 2);
  const ProcessRun missing = Solve("/nonexistent/puzzles.txt " + kSamples);
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("/nonexistent/puzzles.txt"), std::string::npos);
  EXPECT_FALSE(missing.out.empty());  // the readable file is still solved
  const ProcessRun help = Solve("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Usage: noralim-solve"), std::string::npos);
}

TEST(NoralimSolveTest, AFullOutputDeviceIsAnErrorNotASuccess) {
  const std::string command = std::string(NORALIM_SOLVE) + " " + kSamples + " >/dev/full 2>/dev/null";
  const int raw = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 2);
}

TEST(NoralimSolveTest, AReaderThatGoesAwayEndsTheRunQuietly) {
  // Far more output than a pipe holds, so the writes meet the closed pipe.
  const std::string samples = Slurp(kSamples);
  std::string input;
  for (int k = 0; k < 20000; ++k) input += samples;
  const std::string dir = ::testing::TempDir();
  std::ofstream(dir + "/big.txt", std::ios::binary) << input;
  // The parent's SIGPIPE disposition is inherited; ignore it to show the
  // program does not rely on it.
  const std::string command = "trap '' PIPE; " + std::string(NORALIM_SOLVE) + " -j 1 " + dir + "/big.txt 2>" + dir +
                              "/pipe_err.txt | head -n 1 >" + dir + "/pipe_out.txt";
  ASSERT_EQ(std::system(command.c_str()), 0);
  const std::string out = Slurp(dir + "/pipe_out.txt");
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1);
  EXPECT_EQ(Slurp(dir + "/pipe_err.txt"), "");
}

TEST(NoralimSolveTest, PuzzleArgumentsAndVersion) {
  const ProcessRun run = Solve("-p " + std::string(81, '.') + " --puzzle '[\"1\"]'", "not read\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, std::string(81, '.') + " open 2\n");
  EXPECT_EQ(run.err, "-p:2: expected 81 cells, got 1\n");
  EXPECT_EQ(Solve("-p").status, 2);
  EXPECT_EQ(Solve("--version").out, "1.01\n");
}

TEST(NoralimSolveTest, BinaryInputIsRejectedLineByLineWithoutACrash) {
  std::string junk;
  for (int k = 0; k < 5000; ++k) junk.push_back(static_cast<char>((k * 7919) % 256));
  const ProcessRun run = Solve("", junk);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "");
  EXPECT_NE(run.err.find("-:1: "), std::string::npos);
}

}  // namespace
