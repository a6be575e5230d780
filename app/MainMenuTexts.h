#pragma once

// The main window's menu bar and what its commands ask and say, the same for every set of
// windows. The letter after "&" is a menu's or an item's access key, underlined as Russian
// programs underline it (Alt+Ф opens "Файл"); both toolkits read the "&" themselves.

inline constexpr const char* kFileMenu = "&Файл";
inline constexpr const char* kOpenCommand = "&Открыть…";
inline constexpr const char* kSaveCommand = "&Сохранить";
inline constexpr const char* kSaveAsCommand = "Сохранить &как…";
inline constexpr const char* kExitCommand = "В&ыход";

inline constexpr const char* kSweepMenu = "&Расчет";
inline constexpr const char* kLinearSweepCommand = "&Линейный шаг";
inline constexpr const char* kDecadeSweepCommand = "Л&огарифмический шаг";

// The file dialogs for stage files.
inline constexpr const char* kOpenStageCaption = "Открыть каскад";
inline constexpr const char* kSaveStageCaption = "Сохранить каскад";
inline constexpr const char* kStageFilter = "Каскад ОУ (*.ou)";
inline constexpr const char* kStageExtension = "ou";
inline constexpr const char* kSuggestedStageName = "каскад.ou";

// The caption: "имя.ou — ОУ", "*" in front while the stage differs from the file.
inline constexpr const char* kCaptionSeparator = " — ";
inline constexpr const char* kModifiedMark = "*";

// Before the stage is closed with changes not in a file.
inline constexpr const char* kSaveChangesPrefix = "Сохранить изменения в «";
inline constexpr const char* kSaveChangesSuffix = "»?";
inline constexpr const char* kSaveChangesToNewStage = "Сохранить изменения в новом каскаде?";

// A recent file that is gone when chosen.
inline constexpr const char* kRecentFileGonePrefix = "Файл «";
inline constexpr const char* kRecentFileGoneSuffix = "» не найден; он убран из списка.";
