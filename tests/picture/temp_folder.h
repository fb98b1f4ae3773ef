#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tessary::testing {

/// A fresh folder for one test's files, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::filesystem::path path(const std::string& name) const { return folder_ / name; }
    /// Writes `bytes` to the file `name` and returns its path.
    std::filesystem::path write(const std::string& name,
                                const std::vector<std::uint8_t>& bytes) const;
    /// The files now in the folder, by name.
    std::vector<std::string> names() const;

private:
    std::filesystem::path folder_;
};

/// The whole content of a file (empty when it can't be read).
std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path);

}  // namespace tessary::testing
