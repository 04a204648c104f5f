#pragma once
// Runs a program as a test runs the command line: given arguments, environment additions, a
// working folder and standard input from a file; standard output and error are captured.
#include <map>
#include <string>
#include <vector>

namespace mirel::test {

struct ProcessResult {
  int exitCode = -1;  // -1 when the program did not exit normally (signal, timeout)
  std::string out;
  std::string err;
  std::string failure;  // why the program could not be run or did not finish
};

struct ProcessRequest {
  std::string program;
  std::vector<std::string> arguments;
  std::map<std::string, std::string> environment;  // set on top of the current environment
  std::string workingFolder;
  std::string inputFile;   // "" for an empty standard input
  std::string logFolder;   // where the captured outputs are written
  int timeoutSeconds = 60;
};

ProcessResult RunProcess(const ProcessRequest& request);

}  // namespace mirel::test
