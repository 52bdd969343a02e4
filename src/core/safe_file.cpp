#include "core/safe_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#include "core/utf8_path.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define KT740_POSIX_FILES 1
#endif

namespace kt740 {
namespace {

namespace fs = std::filesystem;

void SetReason(std::string* reason, const std::string& text) {
  if (reason) *reason = text;
}

std::string ErrnoText(int error) {
  return std::generic_category().message(error);
}

}  // namespace

ReadResult ReadFileBytes(const std::string& path, std::size_t limit) {
  const fs::path p = PathFromUtf8(path);
  std::error_code ec;
  const fs::file_status st = fs::status(p, ec);
  if (st.type() == fs::file_type::not_found) return {ReadStatus::Missing, {}, {}};
  if (ec) return {ReadStatus::Failed, {}, ec.message()};
  if (st.type() != fs::file_type::regular) return {ReadStatus::Failed, {}, "not a regular file"};
  errno = 0;
  std::ifstream in(p, std::ios::binary);
  if (!in) return {ReadStatus::Failed, {}, errno != 0 ? ErrnoText(errno) : std::string()};
  std::string bytes;
  char chunk[16384];
  while (bytes.size() < limit && in) {
    in.read(chunk, static_cast<std::streamsize>(std::min(sizeof chunk, limit - bytes.size())));
    bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) return {ReadStatus::Failed, {}, errno != 0 ? ErrnoText(errno) : std::string()};
  return {ReadStatus::Ok, std::move(bytes), {}};
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  ReadResult r = ReadFileBytes(path);
  if (r.status != ReadStatus::Ok) return std::nullopt;
  return std::move(r.bytes);
}

#ifdef KT740_POSIX_FILES
bool WriteNewFile(const std::string& path, std::string_view contents, DiskSync sync, std::string* reason) {
  const fs::path p = PathFromUtf8(path);
  const int fd = ::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    SetReason(reason, ErrnoText(errno));
    return false;
  }
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < contents.size()) {
    const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
    if (n <= 0) {
      SetReason(reason, ErrnoText(n < 0 ? errno : ENOSPC));
      ok = false;
    } else {
      done += static_cast<std::size_t>(n);
    }
  }
  if (ok && sync == DiskSync::ToDisk && ::fsync(fd) != 0) {
    SetReason(reason, ErrnoText(errno));
    ok = false;
  }
  if (::close(fd) != 0 && ok) {
    SetReason(reason, ErrnoText(errno));
    ok = false;
  }
  return ok;
}
#else
bool WriteNewFile(const std::string& path, std::string_view contents, DiskSync, std::string* reason) {
  std::ofstream out(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  if (!out) {
    SetReason(reason, ErrnoText(errno));
    return false;
  }
  out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
  out.flush();
  if (!out) SetReason(reason, ErrnoText(errno));
  return static_cast<bool>(out);
}
#endif

bool RenameReplacing(const std::string& from, const std::string& to, std::string* reason) {
  const fs::path source = PathFromUtf8(from);
  const fs::path target = PathFromUtf8(to);
  std::error_code ec;
  const fs::file_status old = fs::status(target, ec);
  if (!ec && old.type() == fs::file_type::regular) fs::permissions(source, old.permissions(), ec);
  ec.clear();
  fs::rename(source, target, ec);
  if (ec) SetReason(reason, ec.message());
  return !ec;
}

std::string TemporaryNameFor(const std::string& path) {
  static std::mt19937 gen{std::random_device{}()};
  return path + ".tmp" + std::to_string(gen() % 1000000000u);
}

bool WriteFileReplacing(const std::string& path, std::string_view contents, std::string* reason) {
  const std::string temp = TemporaryNameFor(path);
  if (!WriteNewFile(temp, contents, DiskSync::ToDisk, reason) || !RenameReplacing(temp, path, reason)) {
    std::error_code ec;
    fs::remove(PathFromUtf8(temp), ec);
    return false;
  }
  return true;
}

}  // namespace kt740
