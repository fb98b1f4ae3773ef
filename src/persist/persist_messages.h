#pragma once

namespace tessary {

// The texts the window shows for the outcomes of saving, loading and deleting saved games.
// "%s" stands for a path or a name.

/// A saved game could not be written (error icon).
inline constexpr const char* kSaveFailedMessage = "Возникла ошибка при сохранении игры.";
/// A game or picture file of a saved game is not ours (exclamation icon); "%s" the file's path.
inline constexpr const char* kUnknownFormatMessage =
    "Ошибка при открытии файла %s.\nНеизвестный формат.";
/// A file of a saved game could not be deleted (exclamation icon); "%s" its name and extension.
inline constexpr const char* kDeleteFailedMessage =
    "Ошибка при попытке удалить файл \"%s\". Удалите его вручную.";
/// A new name while the folder holds the most saved games it may (information icon).
inline constexpr const char* kTooManySavedGamesMessage =
    "Слишком много сохраненных игр. Удалите одну из них, чтобы сохранить текущую.";
/// Memory ran out while a saved game was read or rebuilt (error icon).
inline constexpr const char* kOutOfMemoryMessage = "Недостаточно памяти для выполнения операции.";

// Names the save dialog refuses, so that a name never leads out of the saved-games folder.
inline constexpr const char* kEmptyNameMessage = "Введите название игры.";
inline constexpr const char* kSeparatorInNameMessage =
    "Название игры не может содержать символы \"/\" и \"\\\".";
inline constexpr const char* kNulInNameMessage = "Название игры не может содержать нулевой символ.";
inline constexpr const char* kDotNameMessage = "Названия \".\" и \"..\" нельзя дать игре.";

}  // namespace tessary
