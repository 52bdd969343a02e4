#include "files/file_ops.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/utf8_path.h"

namespace kt740 {
namespace {

class Disk : public FileOps {
 public:
  explicit Disk(DiskSync sync) : sync_(sync) {}

  ReadResult Read(const std::string& path, std::size_t limit) override { return ReadFileBytes(path, limit); }

  bool WriteNew(const std::string& path, std::string_view contents) override {
    return WriteNewFile(path, contents, sync_);
  }

  bool Rename(const std::string& from, const std::string& to) override { return RenameReplacing(from, to); }

  void Remove(const std::string& path) override {
    std::error_code ec;
    std::filesystem::remove(PathFromUtf8(path), ec);
  }

 private:
  DiskSync sync_;
};

}  // namespace

FileOps& DiskFileOps(DiskSync sync) {
  static Disk toDisk(DiskSync::ToDisk);
  static Disk toSystem(DiskSync::ToSystem);
  return sync == DiskSync::ToDisk ? toDisk : toSystem;
}

bool ReplaceFiles(FileOps& ops, std::span<FileReplacement> files, ReplaceFailure* failure) {
  auto fail = [&](const std::string& path, ReplaceStep step, const std::string& reason) {
    if (failure) *failure = {path, step, reason};
    return false;
  };
  struct Staged {
    ReadResult old;
    std::string temp;
  };
  std::vector<Staged> staged(files.size());

  for (std::size_t i = 0; i < files.size(); ++i) {
    staged[i].old = ops.Read(files[i].path);
    if (staged[i].old.status == ReadStatus::Failed)
      return fail(files[i].path, ReplaceStep::ReadOld, staged[i].old.reason);
    const std::string& old = staged[i].old.bytes;
    if (old.size() > files[i].contents.size()) files[i].contents.append(old, files[i].contents.size());
  }

  auto removeTemps = [&](std::size_t from) {
    for (std::size_t i = from; i < staged.size(); ++i) {
      if (!staged[i].temp.empty()) ops.Remove(staged[i].temp);
    }
  };

  for (std::size_t i = 0; i < files.size(); ++i) {
    staged[i].temp = TemporaryNameFor(files[i].path);
    if (!ops.WriteNew(staged[i].temp, files[i].contents)) {
      removeTemps(0);
      return fail(files[i].path, ReplaceStep::Write, {});
    }
  }

  for (std::size_t i = 0; i < files.size(); ++i) {
    if (ops.Rename(staged[i].temp, files[i].path)) continue;
    removeTemps(i);
    for (std::size_t j = 0; j < i; ++j) {
      if (staged[j].old.status == ReadStatus::Missing) {
        ops.Remove(files[j].path);
        continue;
      }
      const std::string back = TemporaryNameFor(files[j].path);
      if (!ops.WriteNew(back, staged[j].old.bytes) || !ops.Rename(back, files[j].path)) ops.Remove(back);
    }
    return fail(files[i].path, ReplaceStep::Rename, {});
  }
  return true;
}

}  // namespace kt740
