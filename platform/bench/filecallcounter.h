#pragma once

// For benchmarks only: counts the fsync() and rename() calls of the whole program, by standing in
// for the C library's functions (the executable's definitions win) and calling them on. Include it
// in one source file of a benchmark program.

#include <dlfcn.h>
#include <sys/stat.h>

namespace lume::bench {

struct FileCallCounts
{
    long fileSyncs = 0;
    long folderSyncs = 0;
    long renames = 0;
};

inline FileCallCounts fileCallCounts;

} // namespace lume::bench

extern "C" int fsync(int fd)
{
    struct stat info
    {
    };
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        ++lume::bench::fileCallCounts.folderSyncs;
    else
        ++lume::bench::fileCallCounts.fileSyncs;
    static const auto next = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    return next(fd);
}

extern "C" int rename(const char *from, const char *to) noexcept
{
    ++lume::bench::fileCallCounts.renames;
    static const auto next =
        reinterpret_cast<int (*)(const char *, const char *)>(::dlsym(RTLD_NEXT, "rename"));
    return next(from, to);
}
