#include "persist/autosave_slots.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <fstream>
#include <functional>
#include <iterator>
#include <system_error>
#include <vector>

#include "core/file_replace.h"
#include "persist/save_game.h"
#include "persist/saved_game_reader.h"
#include "persist/saved_game_store.h"

namespace tessary {

namespace fs = std::filesystem;

namespace {

// The folders of the automatic save. Besides the two slots, a write uses these, which only a
// cut-off write leaves behind:
constexpr const char* kCurrent = "current";
constexpr const char* kPrevious = "previous";
constexpr const char* kPartial = "partial";      // the new slot while it is written
constexpr const char* kReady = "ready";          // the new slot, complete
constexpr const char* kOutgoing = "outgoing";    // the current slot a write of its game replaces
constexpr const char* kDropped = "dropped";      // the previous slot a new game pushes out
constexpr const char* kDiscarded = "discarded";  // the current slot of a completed game
constexpr const char* kMarker = "running";
constexpr const char* kAboutFile = "about.txt";

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

void RemoveAll(const fs::path& path) {
    std::error_code error;
    fs::remove_all(path, error);
}

// Makes the folder's entries (new names, renames) durable, so that a power cut cannot undo
// one rename and keep a later one.
bool SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool isSynced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && isSynced;
}

// Renames within `folder`, durably.
bool Move(const fs::path& folder, const char* from, const char* to) {
    std::error_code error;
    fs::rename(folder / from, folder / to, error);
    return !error && SyncFolder(folder);
}

// The identity and picture name of a slot's game: "id=" and 16 hex digits, a line break,
// then "name=" and the name to the end of the file (a name may hold any character).
std::string AboutText(std::uint64_t gameId, std::string_view pictureName) {
    char digits[17] = {};
    const auto end = std::to_chars(digits, digits + 16, gameId, 16).ptr;
    std::string text = "id=" + std::string(digits, end) + "\nname=";
    text += pictureName;
    return text;
}

struct About {
    std::uint64_t gameId = 0;
    std::string pictureName;
};

std::optional<About> ReadAbout(const fs::path& slot) {
    std::ifstream in(slot / kAboutFile, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const std::size_t lineEnd = text.find('\n');
    if (!text.starts_with("id=") || lineEnd == std::string::npos ||
        text.compare(lineEnd + 1, 5, "name=") != 0) {
        return std::nullopt;
    }
    About about;
    const auto [end, error] =
        std::from_chars(text.data() + 3, text.data() + lineEnd, about.gameId, 16);
    if (error != std::errc() || end != text.data() + lineEnd) {
        return std::nullopt;
    }
    about.pictureName = text.substr(lineEnd + 6);
    return about;
}

// A link to the slot's picture file, or a copy where the file system has no links.
bool ReusePicture(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::create_hard_link(from, to, error);
    if (!error) {
        return true;
    }
    return fs::copy_file(from, to, error) && !error;
}

bool WriteGameFile(const fs::path& path, const SavedGameSnapshot& game) {
    FileReplacement file(path);
    return file.isOpen() && WriteSavedGame(file.stream(), game) && file.finish() && file.commit();
}

// Writes the new slot's three files into `partial`, each synced, and the folder synced.
// `heldPicture` is the current slot's picture file when the slot holds this game, else empty.
bool BuildSlot(const fs::path& partial, const AutosaveSnapshot& snapshot,
               const fs::path& heldPicture) {
    RemoveAll(partial);
    std::error_code error;
    if (!fs::create_directory(partial, error)) {
        return false;
    }
    const fs::path picturePath = SavedPicturePath(partial.string(), kAutosaveGameName);
    bool isWritten = false;
    if (!heldPicture.empty() && Exists(heldPicture)) {
        isWritten =
            ReusePicture(heldPicture, picturePath) &&
            WriteGameFile(SavedGamePath(partial.string(), kAutosaveGameName), snapshot.game);
    } else if (snapshot.picture) {
        isWritten = WriteSavedGameFiles(partial.string(), kAutosaveGameName, *snapshot.picture,
                                        [&](std::ostream& out) {
                                            return WriteSavedGame(out, snapshot.game);
                                        }) == SaveResult::Saved;
    }
    return isWritten &&
           ReplaceFile(partial / kAboutFile, AboutText(snapshot.gameId, snapshot.pictureName)) &&
           SyncFolder(partial);
}

}  // namespace

fs::path AutosaveFolder() {
    return fs::path(SavedGamesFolder()).parent_path() / "autosave";
}

fs::path AutosaveSlotFolder(const fs::path& folder, AutosaveSlot slot) {
    return folder / (slot == AutosaveSlot::Current ? kCurrent : kPrevious);
}

void RecoverAutosaveSlots(const fs::path& folder) {
    RemoveAll(folder / kPartial);
    RemoveAll(folder / kDiscarded);
    // A complete new slot that did not get its place yet takes it; one whose place is still
    // held by the old slot was cut off before anything moved, and goes.
    const auto restore = [&](const char* leftover, const char* slot) {
        if (!Exists(folder / leftover)) {
            return;
        }
        if (!Exists(folder / slot)) {
            Move(folder, leftover, slot);
        } else {
            RemoveAll(folder / leftover);
        }
    };
    restore(kReady, kCurrent);
    restore(kOutgoing, kCurrent);
    restore(kDropped, kPrevious);
}

bool WriteAutosaveSlot(const fs::path& folder, const AutosaveSnapshot& snapshot, int stepLimit) {
    RecoverAutosaveSlots(folder);
    std::error_code error;
    fs::create_directories(folder, error);
    const fs::path current = folder / kCurrent;
    const std::optional<About> held = ReadAbout(current);
    const bool isSameGame = held && held->gameId == snapshot.gameId;
    const bool isHeld = Exists(current);

    std::vector<std::function<bool()>> steps;
    steps.push_back([&] {
        return BuildSlot(folder / kPartial, snapshot,
                         isSameGame
                             ? fs::path(SavedPicturePath(current.string(), kAutosaveGameName))
                             : fs::path());
    });
    steps.push_back([&] { return Move(folder, kPartial, kReady); });
    if (isSameGame) {
        steps.push_back([&] { return Move(folder, kCurrent, kOutgoing); });
    } else if (isHeld) {
        if (Exists(folder / kPrevious)) {
            steps.push_back([&] { return Move(folder, kPrevious, kDropped); });
        }
        steps.push_back([&] { return Move(folder, kCurrent, kPrevious); });
    }
    steps.push_back([&] { return Move(folder, kReady, kCurrent); });

    for (int k = 0; k < static_cast<int>(steps.size()) && k < stepLimit; ++k) {
        if (!steps[k]()) {
            // Nothing moved yet after a failed build; after a failed move the recovery puts
            // every slot back whole, the old one or the new one.
            RecoverAutosaveSlots(folder);
            return false;
        }
    }
    if (stepLimit >= static_cast<int>(steps.size())) {
        RemoveAll(folder / kOutgoing);
        RemoveAll(folder / kDropped);
    }
    return true;
}

bool ClearCurrentAutosaveSlot(const fs::path& folder) {
    RecoverAutosaveSlots(folder);
    if (!Exists(folder / kCurrent)) {
        return true;
    }
    // Moved out of the way in one step, so that a kill never leaves half a slot.
    if (!Move(folder, kCurrent, kDiscarded)) {
        return false;
    }
    RemoveAll(folder / kDiscarded);
    return true;
}

std::optional<AutosaveSlotSummary> DescribeAutosaveSlot(const fs::path& folder, AutosaveSlot slot) {
    const fs::path slotFolder = AutosaveSlotFolder(folder, slot);
    const std::string gamePath = SavedGamePath(slotFolder.string(), kAutosaveGameName);
    std::ifstream in(gamePath, std::ios::binary);
    const std::optional<SavedGameHeader> header = ReadSavedGameHeader(in);
    struct stat status {};
    if (!header || ::stat(gamePath.c_str(), &status) != 0) {
        return std::nullopt;
    }
    const About about = ReadAbout(slotFolder).value_or(About());
    return AutosaveSlotSummary{about.gameId, about.pictureName, header->rows * header->columns,
                               header->elapsedSeconds, status.st_mtime};
}

bool MarkSessionRunning(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return ReplaceFile(folder / kMarker, "");
}

void MarkSessionEnded(const fs::path& folder) {
    std::error_code error;
    fs::remove(folder / kMarker, error);
}

bool WasSessionInterrupted(const fs::path& folder) {
    return Exists(folder / kMarker) &&
           DescribeAutosaveSlot(folder, AutosaveSlot::Current).has_value();
}

}  // namespace tessary
