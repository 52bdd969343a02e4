// Files held in memory, so that the fuzz targets run the real open and save procedures.
#pragma once

#include <map>
#include <string>

#include "files/file_ops.h"

namespace kt740::fuzz {

class MemoryFileOps : public FileOps {
 public:
  std::map<std::string, std::string> files;

  ReadResult Read(const std::string& path, std::size_t limit) override {
    const auto it = files.find(path);
    if (it == files.end()) return {ReadStatus::Missing, {}, {}};
    return {ReadStatus::Ok, it->second.substr(0, limit), {}};
  }
  bool WriteNew(const std::string& path, std::string_view contents) override {
    files[path] = std::string(contents);
    return true;
  }
  bool Rename(const std::string& from, const std::string& to) override {
    const auto it = files.find(from);
    if (it == files.end()) return false;
    files[to] = it->second;
    files.erase(from);
    return true;
  }
  void Remove(const std::string& path) override { files.erase(path); }
};

}  // namespace kt740::fuzz
