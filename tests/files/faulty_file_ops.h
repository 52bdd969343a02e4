// The real file system with faults on demand: the n-th write or rename fails (a write leaves
// half its bytes behind, as a full disk would), and chosen paths cannot be read.
#pragma once

#include <set>
#include <string>

#include "files/file_ops.h"

namespace kt740::test {

class FaultyFileOps : public FileOps {
 public:
  int failAt = -1;  // index among the WriteNew and Rename calls, -1 never
  int calls = 0;
  std::set<std::string> unreadable;

  ReadResult Read(const std::string& path, std::size_t limit) override {
    if (unreadable.count(path)) return {ReadStatus::Failed, {}, {}};
    return DiskFileOps().Read(path, limit);
  }
  bool WriteNew(const std::string& path, std::string_view contents) override {
    if (calls++ == failAt) {
      DiskFileOps().WriteNew(path, contents.substr(0, contents.size() / 2));
      return false;
    }
    return DiskFileOps().WriteNew(path, contents);
  }
  bool Rename(const std::string& from, const std::string& to) override {
    if (calls++ == failAt) return false;
    return DiskFileOps().Rename(from, to);
  }
  void Remove(const std::string& path) override { DiskFileOps().Remove(path); }
};

}  // namespace kt740::test
