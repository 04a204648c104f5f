#include "cli/process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace mirel::test {

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// In the child: only async-signal-safe calls between fork and exec.
[[noreturn]] void Exec(const ProcessRequest& request, const std::vector<char*>& argv, const std::vector<char*>& envp,
                       int in, int out, int err) {
  if (::chdir(request.workingFolder.c_str()) != 0) ::_exit(126);
  ::dup2(in, 0);
  ::dup2(out, 1);
  ::dup2(err, 2);
  ::execve(request.program.c_str(), argv.data(), envp.data());
  ::_exit(127);
}

}  // namespace

ProcessResult RunProcess(const ProcessRequest& request) {
  ProcessResult result;
  const std::string outPath = request.logFolder + "/stdout.log";
  const std::string errPath = request.logFolder + "/stderr.log";
  const int in = ::open(request.inputFile.empty() ? "/dev/null" : request.inputFile.c_str(), O_RDONLY | O_CLOEXEC);
  const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (in < 0 || out < 0 || err < 0) {
    result.failure = "cannot open the input or the logs";
    for (int fd : {in, out, err}) if (fd >= 0) ::close(fd);
    return result;
  }

  std::vector<std::string> words{request.program};
  words.insert(words.end(), request.arguments.begin(), request.arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // The current environment with the request's variables in place of their old values.
  std::vector<std::string> variables;
  for (char** entry = environ; *entry; ++entry) {
    const std::string variable = *entry;
    if (!request.environment.count(variable.substr(0, variable.find('=')))) variables.push_back(variable);
  }
  for (const auto& [name, value] : request.environment) variables.push_back(name + "=" + value);
  std::vector<char*> envp;
  for (std::string& variable : variables) envp.push_back(variable.data());
  envp.push_back(nullptr);

  const pid_t child = ::fork();
  if (child == 0) Exec(request, argv, envp, in, out, err);
  ::close(in);
  ::close(out);
  ::close(err);
  if (child < 0) {
    result.failure = "fork failed";
    return result;
  }

  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(request.timeoutSeconds);
  int status = 0;
  while (true) {
    const pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) break;
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(child, SIGKILL);
      ::waitpid(child, &status, 0);
      result.failure = "timed out after " + std::to_string(request.timeoutSeconds) + " s";
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  if (result.failure.empty()) {
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    else result.failure = "ended by signal " + std::to_string(WTERMSIG(status));
  }
  result.out = ReadAll(outPath);
  result.err = ReadAll(errPath);
  return result;
}

}  // namespace mirel::test
