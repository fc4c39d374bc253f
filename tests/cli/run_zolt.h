// Runs the zolt binary and captures what it prints.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

struct ZoltRun {
  int exitCode;
  std::string out;  // standard output and standard error, in order
};

inline ZoltRun RunZolt(const std::string& args) {
  std::string command = std::string(ZOLT_BINARY) + " " + args + " 2>&1";
  ZoltRun run{-1, {}};
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buffer{};
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  int status = pclose(pipe);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}
