#pragma once

// The texts of keeping a stage in a file and of the command line, the same for every set of
// windows. A refusal names the file and, where it can, the line, and reads
//   Файл «имя.ou», строка 7: «abc» — не число

// Opening.
inline constexpr const char* kFilePrefix = "Файл «";
inline constexpr const char* kLinePrefix = "», строка ";
inline constexpr const char* kCannotOpenPrefix = "Не удалось открыть «";
inline constexpr const char* kNotAStageFile =
    "это не файл каскада: первой должна стоять строка «format = ou-stage 1»";
inline constexpr const char* kNewerFormatSuffix =
    "» — файл записан более новой версией программы, эта знает только «ou-stage 1»";
inline constexpr const char* kNotANumber = "» — не число";
inline constexpr const char* kNotZeroOrOne = "» — не 0 и не 1";
inline constexpr const char* kNotASweepKind = "» — не linear и не decade";
inline constexpr const char* kNoEqualsSign = "» — нет знака «=»";
inline constexpr const char* kRepeatedKeyInfix = "» уже задан в строке ";
inline constexpr const char* kNotUtf8 = "текст не в кодировке UTF-8";
inline constexpr const char* kTooLarge = "» больше 64 КиБ — это не файл каскада";

// Keys a file lacks or the program does not know.
inline constexpr const char* kNoLineFor = "нет строки ";
inline constexpr const char* kNoLinesFor = "нет строк ";
inline constexpr const char* kFieldLeftBlank = " — поле оставлено пустым";
inline constexpr const char* kFieldsLeftBlank = " — поля оставлены пустыми";
inline constexpr const char* kUnknownKeySkipped = "пропущен неизвестный ключ ";
inline constexpr const char* kUnknownKeysSkipped = "пропущены неизвестные ключи ";
inline constexpr const char* kUnknownKeyLineInfix = "» (строка ";
inline constexpr const char* kNoValueFor = "нет значения ";
inline constexpr const char* kNoValuesFor = "нет значений ";
inline constexpr const char* kWarningFilePrefix = "ou: предупреждение: файл «";
inline constexpr const char* kUnknownKeyPrefix = ": неизвестный ключ «";
inline constexpr const char* kUnknownKeySuffix = "» пропущен";

// Why a file cannot be read.
inline constexpr const char* kNoSuchFile = "такого файла нет";
inline constexpr const char* kIsAFolder = "это папка, а не файл";
inline constexpr const char* kNoReadAccess = "нет доступа к файлу";
inline constexpr const char* kReadError = "ошибка чтения";
inline constexpr const char* kErrorCodePrefix = " (код ";

// The command line.
inline constexpr const char* kUsage =
    "Использование:\n"
    "  ou                      открыть окно с пустым каскадом\n"
    "  ou ФАЙЛ                 открыть каскад из файла (.ou)\n"
    "  ou --csv ТАБЛИЦА ФАЙЛ   рассчитать каскад из файла без окна и записать таблицу\n"
    "                          результатов в ТАБЛИЦУ (CSV), как «Сохранить таблицу…»;\n"
    "                          ТАБЛИЦА «-» — стандартный вывод\n"
    "  ou --spread РАЗБРОС ФАЙЛ [--threads N] [--trials N] [--seed S]\n"
    "                          разброс характеристик каскада из файла по допускам\n"
    "                          деталей: полоса в РАЗБРОС (CSV, «-» — стандартный вывод),\n"
    "                          сводка в стандартный вывод (при «-» — в поток ошибок)\n"
    "  ou --help               эта справка\n"
    "  ou --version            версия программы\n"
    "\n"
    "Коды завершения ou --csv и ou --spread:\n"
    "  0  таблица записана;\n"
    "  1  расчет отверг значение или остановлен ошибкой вычислений (таблица не записана);\n"
    "  2  файл не прочитан, отвергнут, в нём нет значения, таблица не записана или\n"
    "     совпала бы с файлом каскада, либо неверные аргументы.\n";
inline constexpr const char* kUnknownOptionPrefix = "ou: неизвестный ключ «";
inline constexpr const char* kCsvNeedsTwoNames =
    "ou: после --csv нужны два имени: файл таблицы и файл каскада";
inline constexpr const char* kExtraArgumentPrefix = "ou: лишний аргумент «";
inline constexpr const char* kSeeHelp = "Справка: ou --help";
// OUT names the stage file itself.
inline constexpr const char* kTableIsStageFilePrefix = "ou: «";
inline constexpr const char* kTableIsStageFileInfix = "» и «";
inline constexpr const char* kTableIsStageFileSuffix =
    "» — один и тот же файл: таблица заменила бы каскад. Укажите для таблицы другое имя.";
// A window was asked for where there is no screen to open it on.
inline constexpr const char* kNoDisplay =
    "ou: окно открыть негде — нет экрана (переменная DISPLAY или WAYLAND_DISPLAY не задана, "
    "или к экрану не подключиться).\n"
    "Рассчитать каскад без окна: ou --csv ТАБЛИЦА ФАЙЛ (ou --help — подробнее).\n";
