#pragma once

namespace tessary {

// The texts of the program's message boxes, UTF-8, each kept here once. "%s" stands for a path
// or a name, "%d" for a number; the window fills them in order.

// The game's lifecycle.

/// Asked before a game in progress is thrown away for a new one (question icon).
inline constexpr const char* kNewGameQuestion = "Создать новую игру?";
/// The close request's question while a game is in progress (question icon).
inline constexpr const char* kExitQuestion = "Выйти из игры?";
/// At start-up, when the last session ended without the exit command and the automatic save
/// holds its game (question icon).
inline constexpr const char* kContinueInterruptedQuestion = "Продолжить прерванную игру?";
/// At exit, when the last automatic save of the game failed (error icon).
inline constexpr const char* kAutosaveFailedMessage =
    "Возникла ошибка при автоматическом сохранении игры.";
/// Memory ran out: while a picture was read, cut or turned, or a game built (error icon).
inline constexpr const char* kOutOfMemoryMessage = "Недостаточно памяти для выполнения операции.";
/// A picture or a saved game's file that is not ours or cannot be read; "%s" the file's path.
inline constexpr const char* kUnknownFormatMessage =
    "Ошибка при открытии файла %s.\nНеизвестный формат.";

// The display.

/// Asked at start-up and after a display-mode change on a display of 8 bits per pixel or less
/// (exclamation icon); width, height and bits per pixel.
inline constexpr const char* kLowColourQuestion =
    "Текущий режим дисплея: %d x %d (%d бит на пиксел).\nДанная программа рассчитана на режимы, "
    "использующие больше 8 бит на пиксел. Программа не будет работать корректно в текущем "
    "режиме.\nПродолжить?\n";
/// After a display-mode change while elements exist (information icon).
inline constexpr const char* kRecreateElementsMessage =
    "Перезагрузите картинку и создайте элементы заново для правильной работы программы.";
/// After a display-mode change while a picture is loaded (information icon).
inline constexpr const char* kReloadPictureMessage =
    "Перезагрузите картинку для правильной работы программы.";

// The settings file.

/// The settings file could not be written (error icon).
inline constexpr const char* kSettingsFileFailedMessage = "Ошибка при открытии файла конфигурации.";
/// Before the default settings are written (no icon).
inline constexpr const char* kDefaultSettingsMessage =
    "Параметры по умолчанию будут записаны в файл конфигурации.\nЭти параметры вступят в силу "
    "при следующем запуске игры.";
/// The extra options file could not be written (error icon); "%s" its path. The options chosen
/// stay in force until the program ends.
inline constexpr const char* kExtraOptionsFileFailedMessage =
    "Возникла ошибка при сохранении дополнительных настроек в файл %s.\nНастройки будут "
    "действовать до выхода из игры.";

// Capture of the field.

/// A capture named with an extension other than BMP or JPEG; "%s" the path.
inline constexpr const char* kCaptureFormatMessage =
    "Файл %s не сохранен: изображение можно сохранить только в формате BMP или JPEG.";
/// A capture file could not be written (error icon); "%s" the path.
inline constexpr const char* kCaptureFailedMessage = "Ошибка при открытии файла %s.";

// Saved games.

/// A saved game could not be written (error icon).
inline constexpr const char* kSaveFailedMessage = "Возникла ошибка при сохранении игры.";
/// A file of a saved game could not be deleted (exclamation icon); "%s" its name and extension.
inline constexpr const char* kDeleteFailedMessage =
    "Ошибка при попытке удалить файл \"%s\". Удалите его вручную.";
/// A new name while the folder holds the most saved games it may (information icon).
inline constexpr const char* kTooManySavedGamesMessage =
    "Слишком много сохраненных игр. Удалите одну из них, чтобы сохранить текущую.";
/// Saving under the name of a listed game (question icon); "%s" the name.
inline constexpr const char* kReplaceSavedGameQuestion =
    "Игра %s уже существует. Заменить существующую игру?";
/// Deleting a listed game (question icon); "%s" the name.
inline constexpr const char* kDeleteSavedGameQuestion = "Удалить сохраненную игру \"%s\"?";

// Names the save dialog refuses, so that a name never leads out of the saved-games folder
// (exclamation icon).
inline constexpr const char* kEmptyNameMessage = "Введите название игры.";
inline constexpr const char* kSeparatorInNameMessage =
    "Название игры не может содержать символы \"/\" и \"\\\".";
inline constexpr const char* kNulInNameMessage = "Название игры не может содержать нулевой символ.";
inline constexpr const char* kDotNameMessage = "Названия \".\" и \"..\" нельзя дать игре.";

// Numbers typed into the dialogs (exclamation icon).

inline constexpr const char* kWholeNumberMessage = "Введите целое число.";
/// "%d" the lowest and the highest value allowed.
inline constexpr const char* kNumberInRangeMessage = "Введите целое число от %d до %d.";
inline constexpr const char* kNonNegativeNumberMessage = "Введите неотрицательное число.";
inline constexpr const char* kPositiveNumberMessage = "Введите положительное число.";
/// The cut would make a picture larger than the program can hold.
inline constexpr const char* kCutTooLargeMessage =
    "Слишком большая картинка: уменьшите число колонок или рядов.";

}  // namespace tessary
