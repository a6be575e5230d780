#pragma once

// The texts of getting results out, the same for every set of windows: the commands of the
// result table and of the graph window, and what their save dialogs propose.

// SgResult.
inline constexpr const char* kCopyCommand = "Копировать";
inline constexpr const char* kSelectAllCommand = "Выделить всё";
inline constexpr const char* kSaveTableCommand = "Сохранить таблицу…";
inline constexpr const char* kSaveTableCaption = "Сохранить таблицу";
inline constexpr const char* kCsvFilter = "Таблица CSV (*.csv)";
inline constexpr const char* kCsvExtension = "csv";
inline constexpr const char* kSuggestedTableName = "результаты.csv";
// Why a copy of the table did not reach the clipboard, which keeps what it held.
inline constexpr const char* kCopyNoMemory = "Не удалось скопировать таблицу: не хватает памяти.";
inline constexpr const char* kCopyClipboardBusy =
    "Не удалось скопировать таблицу: буфер обмена занят другой программой.";

// Why a save fails (after the file's name, before the reason).
inline constexpr const char* kCannotSavePrefix = "Не удалось сохранить «";
// The table saved over the stage file open in the window would take its place.
inline constexpr const char* kTableOverStageFile =
    "это открытый файл каскада — таблица заменила бы его";

// The graph window.
inline constexpr const char* kCopyPictureCommand = "Копировать рисунок";
inline constexpr const char* kSavePictureCommand = "Сохранить рисунок…";
inline constexpr const char* kCharacteristicPointsCommand = "Характерные точки…";
inline constexpr const char* kSavePictureCaption = "Сохранить рисунок";
inline constexpr const char* kPngFilter = "Рисунок PNG (*.png)";
inline constexpr const char* kPngExtension = "png";
inline constexpr const char* kSuggestedPictureName = "график.png";

// What a copy of the table that cannot be made says.
inline constexpr const char* kCopyNotRectangle =
    "Эту команду нельзя применить к несмежным диапазонам: выделите одну прямоугольную область.";
// A picture the toolkit could not encode as PNG.
inline constexpr const char* kPictureNotEncoded = "Не удалось сохранить рисунок.";
