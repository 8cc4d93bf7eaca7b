#pragma once

// Files the tools write appear under their names only when complete. The bytes go to a
// temporary file beside the target, which is renamed into place once every write and the close
// succeeded and the file is not empty; on any failure it is removed. A full disk, a read-only
// folder or an interrupted run then never leaves a short or empty file under the name a person
// or a script takes for the result.

#include <cstddef>
#include <string>
#include <vector>

namespace tools {

// A temporary file beside `target` ("show.mp4" is written as "show.partial-<pid>.mp4", so the
// extension still tells a helper program the format), moved onto the target by commit() and
// removed if it never is.
class PartialFile {
  public:
    explicit PartialFile(std::string target);
    ~PartialFile();
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;

    // Creates the empty temporary file. False with the reason in `error`.
    bool create(std::string& error);
    // The temporary name, for a helper program that writes the file itself.
    const std::string& path() const { return temporary; }
    // The name the file gets once complete.
    const std::string& targetPath() const { return target; }
    // Appends to the temporary file. False with the reason in `error`.
    bool write(const std::string& bytes, std::string& error);
    // Closes the file and renames it onto the target when it holds anything. False with the
    // reason in `error`; the temporary file is gone then.
    bool commit(std::string& error);
    // Removes the temporary file; the target stays as it was.
    void discard();

  private:
    bool close(std::string& error);
    std::string failure(const std::string& cause) const;

    std::string target;     // as the user named it, for messages
    std::string placement;  // where the file goes: the target, or the file a link names
    std::string temporary;
    int descriptor = -1;
    bool created = false;
};

// Writes `bytes` as the file `target` through a PartialFile. A target that exists and is not a
// regular file (a device such as /dev/null, a named pipe) is written directly: renaming onto
// it would replace it. False with the reason in `error`.
bool writeFile(const std::string& target, const std::string& bytes, std::string& error);

// Before a long run: false with the reason when `target` could not be written (a missing or
// read-only folder, a directory in its place). Leaves nothing behind.
bool checkWritable(const std::string& target, std::string& error);

// The same for a folder the files go into: false with the reason when nothing can be made in
// it (read-only, no permission).
bool checkFolderWritable(const std::string& folder, std::string& error);

// Writes all `size` bytes to an open file or pipe, resuming after signals and short writes.
// False with errno set when a write fails.
bool writeAll(int descriptor, const void* data, std::size_t size);

// RGB rows (bottom row first) as a PNG file at `path`, through writeFile(). False with the
// reason in `error`.
bool writePngRgb(const std::string& path, int width, int height,
                 const std::vector<unsigned char>& rgb, std::string& error);

}  // namespace tools
