#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// Saved games live in one folder: a game named G is the game file G.tsy and the picture file
// G.bmp side by side. The extensions are matched in any letter case, as on the file systems the
// games were first kept on: "G.TSY" with "G.BMP" is the game G as well. The name itself is
// matched exactly. Every function takes the folder, normally SavedGamesFolder().

/// The most saved games the folder may hold; a new name is refused at this count.
inline constexpr std::size_t kMaxSavedGames = 1000;

/// ProgramFiles().playerFolder + "save": beside the program, or in the player's data folder
/// when the program is installed.
std::string SavedGamesFolder();

/// folder + "/" + name + ".tsy", or the game's file with the extension in another letter case
/// when only such a file exists (so that it is read, replaced and told about under its own
/// name); empty for an empty name.
std::string SavedGamePath(std::string_view folder, std::string_view name);
/// folder + "/" + name + ".bmp", or the picture file in another letter case as above; empty for
/// an empty name.
std::string SavedPicturePath(std::string_view folder, std::string_view name);

/// The text the save dialog shows for a name that cannot be a saved game's, or null for a good
/// name. Refused: the empty name, "." and "..", and names with '/', '\\' or NUL, so that no name
/// reaches outside the folder.
const char* SavedGameNameProblem(std::string_view name);

/// The names of the saved games in the folder: every regular file ending in ".tsy" in any
/// letter case, without the extension, each name once, in byte order. A game whose picture
/// file is missing is listed too, so that the player can delete it. Empty when the folder does
/// not exist.
std::vector<std::string> ListSavedGames(std::string_view folder);

/// Deletes the game file and the picture file of a saved game (and a ".jpg" picture of that
/// name when there is one), in every letter case of their extensions, so that the game is no
/// longer listed. Missing files are no error. Returns the name and extension of each file that
/// exists but could not be deleted, for the message.
std::vector<std::string> DeleteSavedGame(std::string_view folder, std::string_view name);

}  // namespace tessary
