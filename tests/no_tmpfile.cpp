// Loaded with LD_PRELOAD: open and openat fail with EOPNOTSUPP when asked for
// an unnamed file (O_TMPFILE), as they do on file systems without them (FAT,
// many network and FUSE ones); everything else goes on to the C library.
#include <cerrno>
#include <cstdarg>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

bool Unnamed(int flags) { return (flags & O_TMPFILE) == O_TMPFILE; }

// The mode, which comes only with a file to be made.
mode_t Mode(int flags, va_list rest) { return (flags & O_CREAT) || Unnamed(flags) ? mode_t(va_arg(rest, int)) : 0; }

int Refuse()
{
    errno = EOPNOTSUPP;
    return -1;
}

int Open(const char* name, const char* path, int flags, mode_t mode)
{
    using Function = int (*)(const char*, int, ...);
    return Unnamed(flags) ? Refuse() : reinterpret_cast<Function>(dlsym(RTLD_NEXT, name))(path, flags, mode);
}

int OpenAt(const char* name, int folder, const char* path, int flags, mode_t mode)
{
    using Function = int (*)(int, const char*, int, ...);
    return Unnamed(flags) ? Refuse() : reinterpret_cast<Function>(dlsym(RTLD_NEXT, name))(folder, path, flags, mode);
}

} // namespace

extern "C" {

int open(const char* path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = Mode(flags, rest);
    va_end(rest);
    return Open("open", path, flags, mode);
}

int open64(const char* path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = Mode(flags, rest);
    va_end(rest);
    return Open("open64", path, flags, mode);
}

int openat(int folder, const char* path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = Mode(flags, rest);
    va_end(rest);
    return OpenAt("openat", folder, path, flags, mode);
}

int openat64(int folder, const char* path, int flags, ...)
{
    va_list rest;
    va_start(rest, flags);
    const mode_t mode = Mode(flags, rest);
    va_end(rest);
    return OpenAt("openat64", folder, path, flags, mode);
}

} // extern "C"
