// A temporary folder for a test, and whole-file reads and writes.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

struct TempDir {
  std::filesystem::path path;
  explicit TempDir(const std::string& purpose)
      : path(std::filesystem::temp_directory_path() / ("zolt-" + purpose + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
};

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}
