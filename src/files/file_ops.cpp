#include "files/file_ops.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define KT740_POSIX_FILES 1
#endif

namespace kt740 {
namespace {

namespace fs = std::filesystem;

#ifdef KT740_POSIX_FILES
bool WriteFile(const std::string& path, std::string_view contents, DiskSync sync) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) {
      ok = false;
    } else {
      done += static_cast<std::size_t>(n);
    }
  }
  if (ok && sync == DiskSync::ToDisk && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  return ok;
}
#else
bool WriteFile(const std::string& path, std::string_view contents, DiskSync) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.flush();
  return static_cast<bool>(out);
}
#endif

class Disk : public FileOps {
 public:
  explicit Disk(DiskSync sync) : sync_(sync) {}

  ReadResult Read(const std::string& path, std::size_t limit) override {
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found) return {ReadStatus::Missing, {}};
    if (ec || st.type() != fs::file_type::regular) return {ReadStatus::Failed, {}};
    std::ifstream in(path, std::ios::binary);
    if (!in) return {ReadStatus::Failed, {}};
    std::string bytes;
    char chunk[16384];
    while (bytes.size() < limit && in) {
      in.read(chunk, static_cast<std::streamsize>(std::min(sizeof chunk, limit - bytes.size())));
      bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) return {ReadStatus::Failed, {}};
    return {ReadStatus::Ok, std::move(bytes)};
  }

  bool WriteNew(const std::string& path, std::string_view contents) override {
    return WriteFile(path, contents, sync_);
  }

  bool Rename(const std::string& from, const std::string& to) override {
    std::error_code ec;
    const fs::file_status old = fs::status(to, ec);
    if (!ec && old.type() == fs::file_type::regular) fs::permissions(from, old.permissions(), ec);
    ec.clear();
    fs::rename(from, to, ec);
    return !ec;
  }

  void Remove(const std::string& path) override {
    std::error_code ec;
    fs::remove(path, ec);
  }

 private:
  DiskSync sync_;
};

std::string TemporaryNameFor(const std::string& path) {
  static std::mt19937 gen{std::random_device{}()};
  return path + ".tmp" + std::to_string(gen() % 1000000000u);
}

}  // namespace

FileOps& DiskFileOps(DiskSync sync) {
  static Disk toDisk(DiskSync::ToDisk);
  static Disk toSystem(DiskSync::ToSystem);
  return sync == DiskSync::ToDisk ? toDisk : toSystem;
}

bool ReplaceFiles(FileOps& ops, std::span<FileReplacement> files) {
  struct Staged {
    ReadResult old;
    std::string temp;
  };
  std::vector<Staged> staged(files.size());

  for (std::size_t i = 0; i < files.size(); ++i) {
    staged[i].old = ops.Read(files[i].path);
    if (staged[i].old.status == ReadStatus::Failed) return false;
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
      return false;
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
    return false;
  }
  return true;
}

}  // namespace kt740
