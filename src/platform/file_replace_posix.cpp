#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace orvel {
namespace {

FileStatus FromErrno(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR: return FileStatus::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return FileStatus::AccessDenied;
    default: return FileStatus::Failed;
  }
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  ~Fd() { Close(); }
  int get() const { return fd_; }
  int Close() {
    int rc = 0;
    if (fd_ >= 0) rc = ::close(fd_);
    fd_ = -1;
    return rc;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

FileStatus ReplaceFileContents(const std::filesystem::path& path, std::string_view bytes) {
  const std::string target = path.string();
  struct stat st {};
  if (::stat(target.c_str(), &st) == 0) {
    // Mirror the Windows read-only attribute, which binds even an administrator.
    if (!S_ISREG(st.st_mode)) return FileStatus::Failed;
    if ((st.st_mode & S_IWUSR) == 0) return FileStatus::AccessDenied;
  } else if (errno != ENOENT) {
    return FromErrno(errno);
  }

  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  std::random_device rd;
  std::string temp;
  int fd = -1;
  for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
    temp = (folder / (path.filename().string() + "." + std::to_string(rd() % 1000000) + ".tmp"))
               .string();
    fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno != EEXIST) return FromErrno(errno);
  }
  if (fd < 0) return FileStatus::Failed;
  Fd file(fd);
  if (!WriteAll(file.get(), bytes) || ::fsync(file.get()) != 0) {
    const int err = errno;
    file.Close();
    ::unlink(temp.c_str());
    return FromErrno(err);
  }
  if (file.Close() != 0 || ::rename(temp.c_str(), target.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    return FromErrno(err);
  }
  return FileStatus::Ok;
}

}  // namespace orvel
