#include "refdata/read_only_vfs.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace kelvara {
namespace {

constexpr char kVfsName[] = "kelvara-read-only";

// The layer every call that is not about the main database goes to.
sqlite3_vfs* DefaultVfs() {
  static sqlite3_vfs* const vfs = sqlite3_vfs_find(nullptr);
  return vfs;
}

struct ReadOnlyFile {
  sqlite3_file base;
  int fd;
};

int FileDescriptor(sqlite3_file* file) {
  return reinterpret_cast<ReadOnlyFile*>(file)->fd;
}

int Close(sqlite3_file* file) {
  close(FileDescriptor(file));
  return SQLITE_OK;
}

int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
  auto* bytes = static_cast<char*>(buffer);
  int done = 0;
  while (done < amount) {
    const ssize_t n = pread(FileDescriptor(file), bytes + done,
                            static_cast<std::size_t>(amount - done),
                            static_cast<off_t>(offset + done));
    if (n < 0) {
      if (errno == EINTR) continue;
      return SQLITE_IOERR_READ;
    }
    if (n == 0) break;
    done += static_cast<int>(n);
  }
  if (done < amount) {
    // SQLite requires the missing part to be zeros.
    std::memset(bytes + done, 0, static_cast<std::size_t>(amount - done));
    return SQLITE_IOERR_SHORT_READ;
  }
  return SQLITE_OK;
}

int Write(sqlite3_file*, const void*, int, sqlite3_int64) {
  return SQLITE_READONLY;
}
int Truncate(sqlite3_file*, sqlite3_int64) { return SQLITE_READONLY; }
int Sync(sqlite3_file*, int) { return SQLITE_OK; }

int FileSize(sqlite3_file* file, sqlite3_int64* size) {
  struct stat status;
  if (fstat(FileDescriptor(file), &status) != 0) return SQLITE_IOERR_FSTAT;
  *size = status.st_size;
  return SQLITE_OK;
}

// Nothing writes the file, so there is nothing to lock against.
int Lock(sqlite3_file*, int) { return SQLITE_OK; }
int Unlock(sqlite3_file*, int) { return SQLITE_OK; }
int CheckReservedLock(sqlite3_file*, int* reserved) {
  *reserved = 0;
  return SQLITE_OK;
}
int FileControl(sqlite3_file*, int, void*) { return SQLITE_NOTFOUND; }
int SectorSize(sqlite3_file*) { return 4096; }
int DeviceCharacteristics(sqlite3_file*) { return SQLITE_IOCAP_IMMUTABLE; }

const sqlite3_io_methods kReadOnlyMethods = {
    1,  // no shared memory, no memory mapping
    Close,       Read,       Write,
    Truncate,    Sync,       FileSize,
    Lock,        Unlock,     CheckReservedLock,
    FileControl, SectorSize, DeviceCharacteristics,
    nullptr,     nullptr,    nullptr,
    nullptr,     nullptr,    nullptr,
};

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags,
         int* out_flags) {
  file->pMethods = nullptr;
  if ((flags & SQLITE_OPEN_MAIN_DB) == 0) {
    return DefaultVfs()->xOpen(DefaultVfs(), name, file, flags, out_flags);
  }
  if ((flags & (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) != 0 ||
      name == nullptr) {
    return SQLITE_CANTOPEN;
  }
  const int fd = open(name, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return SQLITE_CANTOPEN;
  reinterpret_cast<ReadOnlyFile*>(file)->fd = fd;
  file->pMethods = &kReadOnlyMethods;
  if (out_flags != nullptr) *out_flags = SQLITE_OPEN_READONLY;
  return SQLITE_OK;
}

int Delete(sqlite3_vfs*, const char* name, int sync_dir) {
  return DefaultVfs()->xDelete(DefaultVfs(), name, sync_dir);
}

int Access(sqlite3_vfs*, const char* name, int flags, int* result) {
  return DefaultVfs()->xAccess(DefaultVfs(), name, flags, result);
}

// The store passes absolute paths already; they are used as given.
int FullPathname(sqlite3_vfs*, const char* name, int size, char* out) {
  const std::size_t length = std::strlen(name);
  if (name[0] != '/' || length + 1 > static_cast<std::size_t>(size)) {
    return DefaultVfs()->xFullPathname(DefaultVfs(), name, size, out);
  }
  std::memcpy(out, name, length + 1);
  return SQLITE_OK;
}

int Randomness(sqlite3_vfs*, int size, char* out) {
  return DefaultVfs()->xRandomness(DefaultVfs(), size, out);
}
int Sleep(sqlite3_vfs*, int microseconds) {
  return DefaultVfs()->xSleep(DefaultVfs(), microseconds);
}
int CurrentTime(sqlite3_vfs*, double* now) {
  return DefaultVfs()->xCurrentTime(DefaultVfs(), now);
}
int GetLastError(sqlite3_vfs*, int size, char* out) {
  return DefaultVfs()->xGetLastError(DefaultVfs(), size, out);
}
int CurrentTimeInt64(sqlite3_vfs*, sqlite3_int64* now) {
  return DefaultVfs()->xCurrentTimeInt64(DefaultVfs(), now);
}

sqlite3_vfs MakeVfs() {
  sqlite3_vfs vfs{};
  vfs.iVersion = 2;
  vfs.szOsFile =
      std::max(static_cast<int>(sizeof(ReadOnlyFile)), DefaultVfs()->szOsFile);
  vfs.mxPathname = DefaultVfs()->mxPathname;
  vfs.zName = kVfsName;
  vfs.xOpen = Open;
  vfs.xDelete = Delete;
  vfs.xAccess = Access;
  vfs.xFullPathname = FullPathname;
  vfs.xRandomness = Randomness;
  vfs.xSleep = Sleep;
  vfs.xCurrentTime = CurrentTime;
  vfs.xGetLastError = GetLastError;
  vfs.xCurrentTimeInt64 = CurrentTimeInt64;
  return vfs;
}

}  // namespace

const char* ReadOnlyVfsName() {
  static const bool registered = [] {
    // SQLite's allocation statistics take a lock on every allocation, a fifth
    // of a lookup's time; nothing reads them. This only takes effect when the
    // store is the first user of SQLite in the process (it is in the program).
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    static sqlite3_vfs vfs = MakeVfs();
    return sqlite3_vfs_register(&vfs, /*makeDflt=*/0) == SQLITE_OK;
  }();
  return registered ? kVfsName : nullptr;
}

}  // namespace kelvara
