#pragma once

#include <filesystem>

namespace tessary {

/// Creates a file beside `path` under a name no file has yet (path + "." + six characters, by
/// mkostemp), so that no file of the player's is ever opened, and sets `created` to it. It takes
/// the permissions of the file at `path` when there is one, else those of a newly created file.
/// Returns the open descriptor, or -1 when no name is free or the folder refuses.
int CreateUniqueFileBeside(const std::filesystem::path& path, std::filesystem::path& created);

}  // namespace tessary
