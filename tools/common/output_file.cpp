#include "common/output_file.h"

#include <FreeImage.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#ifdef _WIN32
// Windows opens files as text unless told otherwise, and its handles are not inherited by the
// programs we start anyway.
constexpr int kOpenFlags = O_BINARY;
#else
constexpr int kOpenFlags = O_CLOEXEC;
#endif

namespace tools {

namespace fs = std::filesystem;

namespace {

// Renaming onto a link would replace the link; the file it names is meant.
std::string placementOf(const std::string& target) {
    std::error_code error;
    if (fs::is_symlink(target, error) && fs::exists(target, error))
        return fs::canonical(target, error).string();
    return target;
}

std::string temporaryName(const std::string& placement, int attempt) {
    const fs::path path(placement);
    std::string name = path.stem().string() + ".partial-" + std::to_string(getpid());
    if (attempt > 0)
        name += "-" + std::to_string(attempt);
    return (path.parent_path() / (name + path.extension().string())).string();
}

// Devices and pipes are written in place; everything else through a temporary file.
bool isSpecialFile(const std::string& target) {
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    return !error && fs::exists(status) && !fs::is_regular_file(status) &&
           !fs::is_directory(status);
}

bool writeSpecialFile(const std::string& target, const std::string& bytes, std::string& error) {
    const int descriptor = open(target.c_str(), O_WRONLY | kOpenFlags);
    bool written = descriptor >= 0 && writeAll(descriptor, bytes.data(), bytes.size());
    int cause = errno;
    if (descriptor >= 0 && ::close(descriptor) != 0 && written) {
        written = false;
        cause = errno;
    }
    if (!written)
        error = "cannot write " + target + ": " + std::strerror(cause);
    return written;
}

std::string encodePng(FIBITMAP* bitmap) {
    FIMEMORY* memory = FreeImage_OpenMemory();
    std::string bytes;
    BYTE* data = nullptr;
    DWORD size = 0;
    if (FreeImage_SaveToMemory(FIF_PNG, bitmap, memory, PNG_DEFAULT) &&
        FreeImage_AcquireMemory(memory, &data, &size))
        bytes.assign(reinterpret_cast<const char*>(data), size);
    FreeImage_CloseMemory(memory);
    return bytes;
}

// FreeImage also stores rows bottom-up, but in BGR order.
FIBITMAP* bitmapFromRgb(int width, int height, const std::vector<unsigned char>& rgb) {
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, 24);
    if (bitmap == nullptr)
        return nullptr;
    for (int y = 0; y < height; ++y) {
        BYTE* row = FreeImage_GetScanLine(bitmap, y);
        const unsigned char* source = rgb.data() + static_cast<std::size_t>(y) * width * 3;
        for (int x = 0; x < width; ++x) {
            row[x * 3 + FI_RGBA_RED] = source[x * 3 + 0];
            row[x * 3 + FI_RGBA_GREEN] = source[x * 3 + 1];
            row[x * 3 + FI_RGBA_BLUE] = source[x * 3 + 2];
        }
    }
    return bitmap;
}

}  // namespace

bool writeAll(int descriptor, const void* data, std::size_t size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(descriptor, next, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        next += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

PartialFile::PartialFile(std::string target)
    : target(std::move(target)), placement(placementOf(this->target)) {}

PartialFile::~PartialFile() {
    discard();
}

bool PartialFile::create(std::string& error) {
    std::error_code code;
    if (fs::is_directory(placement, code)) {
        error = failure(std::strerror(EISDIR));
        return false;
    }
    // The process id keeps two runs apart; a name left by an earlier process is not reused.
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = temporaryName(placement, attempt);
        descriptor = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | kOpenFlags, 0666);
        if (descriptor >= 0) {
            created = true;
            return true;
        }
        if (errno != EEXIST)
            break;
    }
    error = failure(std::strerror(errno));
    return false;
}

bool PartialFile::write(const std::string& bytes, std::string& error) {
    if (descriptor >= 0 && writeAll(descriptor, bytes.data(), bytes.size()))
        return true;
    error = failure(std::strerror(descriptor >= 0 ? errno : EBADF));
    discard();
    return false;
}

bool PartialFile::close(std::string& error) {
    if (descriptor < 0)
        return true;
    const int closed = ::close(descriptor);
    descriptor = -1;
    if (closed == 0)
        return true;
    error = failure(std::strerror(errno));
    return false;
}

bool PartialFile::commit(std::string& error) {
    struct stat written {};
    if (!close(error)) {
        discard();
        return false;
    }
    if (stat(temporary.c_str(), &written) != 0 || written.st_size == 0) {
        error = failure("nothing was written");
        discard();
        return false;
    }
    // Replaces an older file of the name on every system (std::rename does not on Windows).
    std::error_code renamed;
    std::filesystem::rename(temporary, placement, renamed);
    if (renamed) {
        error = failure(renamed.message());
        discard();
        return false;
    }
    created = false;
    return true;
}

void PartialFile::discard() {
    if (descriptor >= 0)
        ::close(descriptor);
    descriptor = -1;
    if (created)
        unlink(temporary.c_str());
    created = false;
}

std::string PartialFile::failure(const std::string& cause) const {
    return "cannot write " + target + ": " + cause;
}

bool writeFile(const std::string& target, const std::string& bytes, std::string& error) {
    if (isSpecialFile(target))
        return writeSpecialFile(target, bytes, error);
    PartialFile file(target);
    return file.create(error) && file.write(bytes, error) && file.commit(error);
}

bool checkWritable(const std::string& target, std::string& error) {
    if (isSpecialFile(target))
        return true;
    PartialFile probe(target);
    return probe.create(error);
}

bool checkFolderWritable(const std::string& folder, std::string& error) {
    std::string probe = folder + "/.write-check-XXXXXX";
    const int descriptor = mkstemp(probe.data());
    if (descriptor < 0) {
        error = "cannot write in " + folder + ": " + std::strerror(errno);
        return false;
    }
    ::close(descriptor);
    unlink(probe.c_str());
    return true;
}

bool writePngRgb(const std::string& path, int width, int height,
                 const std::vector<unsigned char>& rgb, std::string& error) {
    FIBITMAP* bitmap = bitmapFromRgb(width, height, rgb);
    const std::string png = bitmap != nullptr ? encodePng(bitmap) : std::string();
    FreeImage_Unload(bitmap);
    if (png.empty()) {
        error = "cannot write " + path + ": the PNG encoder failed";
        return false;
    }
    return writeFile(path, png, error);
}

}  // namespace tools
