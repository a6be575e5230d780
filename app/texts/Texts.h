#pragma once

#include <array>

// Every text the user reads, in Russian, exactly as the program shows it, window by window. The
// code refers to them by name and holds no text of its own, so proofreading or a translation is
// this one file. The Qt Designer layouts (ui/qt/*.ui) repeat the labels and are checked against
// these. Pieces that a number completes end or begin where the number goes.

// ─── The main window "ОУ" ─────────────────────────────────────────────────────────────────────

inline constexpr const char* kMainCaption = "ОУ";
// The caption with a stage file: "имя.ou — ОУ", "*" in front while the stage differs from it.
inline constexpr const char* kCaptionSeparator = " — ";
inline constexpr const char* kModifiedMark = "*";

// The labels, buttons and check box as laid out (Label1 … Label5, BuRas, Button1 … Button3,
// CheckBox1) and Button2's hover hint.
inline constexpr const char* kResultsTitle = "Результаты  расчета";
inline constexpr const char* kInputTitle = "Исходные данные";
inline constexpr const char* kSweepTitle = "считать на частотах, Гц";
inline constexpr const char* kCalculateButton = "расчет";
inline constexpr const char* kGraphButton = "график";
inline constexpr const char* kHelpButton = "??";
inline constexpr const char* kResetButton = "сброс";
inline constexpr const char* kLogScaleCheckBox = "логарифм. шкала";
inline constexpr const char* kHelpButtonHint = "есть вопросы?.. тычь сюда";
// Label5, over the sweep fields EdOt, EdDo and EdDf, by the kind of sweep.
inline constexpr const char* kLinearSweepLabel =
    "от                          до                 с  шагом";
inline constexpr const char* kDecadeSweepLabel =
    "от                          до                 точек на декаду";
// Label5's words, each over its sweep field: "от", "до", then the third field's name, over a
// decade sweep in full or, where that does not fit, in its standard abbreviation.
inline constexpr const char* kSweepFromWord = "от";
inline constexpr const char* kSweepToWord = "до";
inline constexpr const char* kStepWords = "с  шагом";
inline constexpr const char* kPointsPerDecadeWords = "точек на декаду";
inline constexpr const char* kPointsPerDecadeShort = "точек/дек.";
// EdDf's name in full, its tooltip and accessible name, by the kind of sweep.
inline constexpr const char* kStepFieldName = "шаг, Гц";
inline constexpr const char* kPointsPerDecadeFieldName = "точек на декаду";
// Label3, followed by the locale's decimal separator.
inline constexpr const char* kSeparatorLabel = "разделитель - ";

// The mark of a text cut to fit its cell or label; the whole text shows in a tooltip.
inline constexpr const char* kCutMark = "…";

// SgIsh: its headings, then column 0 of rows 1 to 13, the parameters with their units of entry.
inline constexpr std::array<const char*, 2> kParameterHeadings = {"параметр", "значение"};
inline constexpr std::array<const char*, 13> kParameterNames = {
    "R1,кОм", "R2,кОм", "R3,кОм", "R4,кОм", "R5,кОм",     "C1,мкФ", "C2,пФ",
    "C3,мкФ", "C4,пФ",  "C5,пФ",  "k0,раз", "Rвх оу,МОм", "f1,МГц"};
// SgResult, row 0; the two gain headings begin with a blank.
inline constexpr std::array<const char*, 3> kResultHeadings = {"частота, Гц", " |k|, раз",
                                                               " |k|, дБ"};

// "расчет" refusing a value.
inline constexpr const char* kInputShorted = "что, в самом деле вход закорочен?";
inline constexpr const char* kNoSignalThroughC1 = "через С1=0 сигнал не пройдет";
inline constexpr const char* kNoGain = "сколько-сколько К усиления?..";
inline constexpr const char* kNoInputResistance = "Rвх=0?.. Маловато будет";
inline constexpr const char* kNoUnityGainFrequency = "f1=0?.. Так не бывает";
inline constexpr const char* kNoStartFrequency = "fнач=0?..Хотя бы 0.1 Гц";
inline constexpr const char* kNoEndFrequency = "fкон=0?..Нельзя";
inline constexpr const char* kEndBelowStart = "fкон<fнач?..Нельзя";
// {value}: the field as "расчет" read it.
inline constexpr const char* kBadStep = "шаг f={value}?..нельзя";
inline constexpr const char* kTooManySteps = "шаг f={value}?..слишком много точек";
inline constexpr const char* kDecadeStartNotAbove0 =
    "fнач={value}?..для логарифмического шага нужна fнач>0";
inline constexpr const char* kBadPointsPerDecade =
    "точек на декаду={value}?..нужно целое от 1 до 1000000";
inline constexpr const char* kTooManyDecadePoints = "точек на декаду={value}?..слишком много точек";

// The menu bar. The letter after "&" is a menu's or an item's access key, underlined as Russian
// programs underline it (Alt+Ф opens "Файл"); both toolkits read the "&" themselves.
inline constexpr const char* kFileMenu = "&Файл";
inline constexpr const char* kOpenCommand = "&Открыть…";
inline constexpr const char* kSaveCommand = "&Сохранить";
inline constexpr const char* kSaveAsCommand = "Сохранить &как…";
inline constexpr const char* kExitCommand = "В&ыход";
inline constexpr const char* kSweepMenu = "&Расчет";
inline constexpr const char* kLinearSweepCommand = "&Линейный шаг";
inline constexpr const char* kDecadeSweepCommand = "Л&огарифмический шаг";
inline constexpr const char* kLaggingPhaseCommand = "&Фаза ОУ: запаздывающая (реальный ОУ)";
// The tolerance analysis's items: its dialog in "Расчет", its band saved in "Файл".
inline constexpr const char* kSpreadCommand = "&Разброс…";
inline constexpr const char* kSaveSpreadCommand = "Сохранить &разброс…";

// The file dialogs for stage files.
inline constexpr const char* kOpenStageCaption = "Открыть каскад";
inline constexpr const char* kSaveStageCaption = "Сохранить каскад";
inline constexpr const char* kStageFilter = "Каскад ОУ (*.ou)";
inline constexpr const char* kStageExtension = "ou";
inline constexpr const char* kSuggestedStageName = "каскад.ou";

// Before the stage is closed with changes not in a file.
inline constexpr const char* kSaveChanges = "Сохранить изменения в «{file}»?";
inline constexpr const char* kSaveChangesToNewStage = "Сохранить изменения в новом каскаде?";

// A recent file that is gone when chosen.
inline constexpr const char* kRecentFileGone = "Файл «{file}» не найден; он убран из списка.";

// SgResult's commands and what its save dialog proposes. "Сохранить таблицу…" stands in the
// "Файл" menu too, with its access key.
inline constexpr const char* kCopyCommand = "Копировать";
inline constexpr const char* kSelectAllCommand = "Выделить всё";
inline constexpr const char* kSaveTableCommand = "Сохранить &таблицу…";
inline constexpr const char* kSaveTableCaption = "Сохранить таблицу";
inline constexpr const char* kCsvFilter = "Таблица CSV (*.csv)";
inline constexpr const char* kCsvExtension = "csv";
inline constexpr const char* kSuggestedTableName = "результаты.csv";
// Why a copy of the table did not reach the clipboard, which keeps what it held.
inline constexpr const char* kCopyNoMemory = "Не удалось скопировать таблицу: не хватает памяти.";
inline constexpr const char* kCopyClipboardBusy =
    "Не удалось скопировать таблицу: буфер обмена занят другой программой.";
// What a copy of the table that cannot be made says.
inline constexpr const char* kCopyNotRectangle =
    "Эту команду нельзя применить к несмежным диапазонам: выделите одну прямоугольную область.";

// ─── The graph window "график" ────────────────────────────────────────────────────────────────

inline constexpr const char* kGraphCaption = "график";
// The axis titles: gain ratio over f, or decibels over log10(f).
inline constexpr const char* kRatioTitle = "k, раз";
inline constexpr const char* kFrequencyTitle = "f, Гц";
inline constexpr const char* kDecibelTitle = "k, дБ";
inline constexpr const char* kLogFrequencyTitle = "log(f)";
inline constexpr const char* kNoPoints = "Нет рассчитанных точек";

// The commands of its menu and keys, and what its save dialog proposes.
inline constexpr const char* kCopyPictureCommand = "Копировать рисунок";
inline constexpr const char* kSavePictureCommand = "Сохранить рисунок…";
inline constexpr const char* kCharacteristicPointsCommand = "Характерные точки…";
inline constexpr const char* kRememberCurveCommand = "Запомнить кривую";
inline constexpr const char* kForgetCurvesCommand = "Забыть кривые";
inline constexpr const char* kSavePictureCaption = "Сохранить рисунок";
inline constexpr const char* kPngFilter = "Рисунок PNG (*.png)";
inline constexpr const char* kPngExtension = "png";
inline constexpr const char* kSuggestedPictureName = "график.png";
// A picture the toolkit could not encode as PNG.
inline constexpr const char* kPictureNotEncoded = "Не удалось сохранить рисунок.";

// The legend of the kept curves: "1: R4 = 150 кОм, fкон = 1000 Гц", "2: как текущая — не
// рисуется в дБ", then the current curve.
inline constexpr const char* kCurrentCurveLegend = "текущая";
inline constexpr const char* kSameAsCurrent = "как текущая";
inline constexpr const char* kNotDrawnInDecibels = " — не рисуется в дБ";
inline constexpr const char* kStartName = "fнач";
inline constexpr const char* kEndName = "fкон";
inline constexpr const char* kStepName = "шаг";
inline constexpr const char* kPointsPerDecadeName = "точек на декаду";
inline constexpr const char* kHertz = "Гц";
// After the differences a shortened legend line names: " и ещё 11".
inline constexpr const char* kMoreDifferences = " и ещё ";

// The readout under the pointer: "f = 1010 Гц, |k| = 21.0892 (26.4812 дБ)".
inline constexpr const char* kReadoutFrequency = "f = ";
inline constexpr const char* kReadoutRatio = " Гц, |k| = ";
inline constexpr const char* kReadoutDecibels = " дБ)";

// "Характерные точки…":
//   Максимум: |k| = 21.0892 (26.4812 дБ) при f = 1234.57 Гц
//   Нижняя граница −3 дБ: 15.9155 Гц        (a missing side reads "нет в диапазоне")
//   Верхняя граница −3 дБ: 98765 Гц
//   Полоса: 98749 Гц
inline constexpr const char* kCharacteristicPeak =
    "Максимум: |k| = {ratio} ({decibels} дБ) при f = {frequency} Гц";
inline constexpr const char* kCharacteristicLowerEdge = "Нижняя граница −3 дБ: {edge}";
inline constexpr const char* kCharacteristicUpperEdge = "Верхняя граница −3 дБ: {edge}";
inline constexpr const char* kCharacteristicBand = "Полоса: {band} Гц";
inline constexpr const char* kInHertz = "{frequency} Гц";
inline constexpr const char* kEdgeOutOfRange = "нет в диапазоне";

// ─── "Подбор номиналов…": the stage designed from its requirements ─────────────────────────────

inline constexpr const char* kDesignCommand = "&Подбор номиналов…";
// The dialog; the requirements' labels are the limits' of "Разброс…" (kLimitLabels).
inline constexpr const char* kDesignCaption = "Подбор номиналов";
inline constexpr const char* kRequirementsHeading = "требования (пусто: нет требования)";
inline constexpr const char* kDesignPartsHeading = "подбирать";
inline constexpr const char* kRangeFromHeading = "от";
inline constexpr const char* kRangeToHeading = "до";
inline constexpr const char* kResistorSeriesLabel = "ряд резисторов";
inline constexpr const char* kCapacitorSeriesLabel = "ряд конденсаторов";
inline constexpr const char* kDesignTolerancesNote =
    "Допуски, распределение и число испытаний — из «Разброс…».";
// A field refused; {need} as the settings' refusals.
inline constexpr const char* kRangeRefused = "диапазон {parameter}: {from} … {to}?..{need}";
inline constexpr const char* kRangeHoldsNoValue =
    "В диапазоне {parameter} от {from} до {to} нет значений ряда {series}.";
inline constexpr const char* kDesignNeedsPart = "Отметьте хотя бы одну деталь для подбора.";
inline constexpr const char* kDesignNeedsRequirement =
    "Задайте хотя бы одно требование: усиление не меньше или не больше, нижнюю или верхнюю "
    "границу.";

inline constexpr const char* kDesignProgressText = "Подбор номиналов: поиск…";

// The results box: a line saying how the best stands, the candidates best first, and its buttons,
// "Применить" the default.
inline constexpr const char* kDesignResultsCaption = "Подбор номиналов: кандидаты";
inline constexpr const char* kDesignBestMeets =
    "Лучший из кандидатов ({count}) выполняет все требования при номинальных значениях.";
inline constexpr const char* kDesignNoneMeetsInBox =
    "Ни один кандидат не выполняет требования при номинальных значениях: у лучшего "
    "{requirement}. Ниже — ближайшие.";
inline constexpr const char* kDesignNoCandidate =
    "Не удалось рассчитать ни одного кандидата в заданных диапазонах.";
inline constexpr const char* kDesignListLegend =
    "* — подобранная деталь; значения в единицах таблицы параметров (кОм, мкФ, пФ).";
// A candidate's line; {mark} is kDesignMissesMark for one that misses a requirement.
inline constexpr const char* kDesignCandidateLine =
    "{number}. {mark}выход {yield} % ({low} … {high} %); запас {margin} дБ; пик {peak} дБ на "
    "{peakAt}; границы −3 дБ: {lower} … {upper}; номиналов {distinct}; {values}";
inline constexpr const char* kDesignMissesMark = "не выполняет требования; ";
inline constexpr const char* kNotCalculated = "—";
inline constexpr const char* kDesignValue = "{part}={value}{chosen}";
inline constexpr const char* kChosenMark = "*";
inline constexpr const char* kApplyButton = "&Применить";

// The requirement a stage misses most, {found} the stage's and {limit} the required; a frequency
// with its unit (kFrequencyUnits), a gain in dB.
inline constexpr const char* kGainBelowRequired =
    "усиление {found} дБ, требуется не меньше {limit} дБ";
inline constexpr const char* kGainAboveRequired =
    "усиление {found} дБ, требуется не больше {limit} дБ";
inline constexpr const char* kLowerEdgeAboveRequired =
    "нижняя граница {found}, требуется не выше {limit}";
inline constexpr const char* kUpperEdgeBelowRequired =
    "верхняя граница {found}, требуется не ниже {limit}";
// A frequency in the unit that keeps it between 1 and 1000: "41,2 кГц".
inline constexpr const char* kFrequencyInHertz = "{value} Гц";
inline constexpr const char* kFrequencyInKilohertz = "{value} кГц";
inline constexpr const char* kFrequencyInMegahertz = "{value} МГц";

// The requirements on the graph: beside each edge limit's dashed line.
inline constexpr const char* kLowerEdgeMarking = "нижняя граница ≤ {limit}";
inline constexpr const char* kUpperEdgeMarking = "верхняя граница ≥ {limit}";

// ─── The tolerance analysis "Разброс…" ────────────────────────────────────────────────────────

// The dialog. The parameters' labels are the parameter grid's (kParameterNames).
inline constexpr const char* kSpreadCaption = "Разброс";
inline constexpr const char* kToleranceHeading = "допуск, %";
inline constexpr const char* kDistributionLabel = "распределение";
inline constexpr const char* kUniformChoice = "равномерное";
inline constexpr const char* kNormalChoice = "нормальное (допуск = 3σ)";
inline constexpr const char* kAnalysisLabel = "анализ";
inline constexpr const char* kMonteCarloChoice = "Монте-Карло";
inline constexpr const char* kCornersChoice = "крайние сочетания";
inline constexpr const char* kTrialsLabel = "число испытаний";
inline constexpr const char* kSeedLabel = "начальное число";
inline constexpr const char* kLimitsHeading = "пределы (пусто: нет предела)";
// The limits' labels in the dialog's order: the range of frequencies, the gain's bounds over it,
// the edges.
inline constexpr std::array<const char*, 6> kLimitLabels = {
    "частоты для усиления: от, Гц", "частоты для усиления: до, Гц", "усиление не меньше, дБ",
    "усиление не больше, дБ",       "нижняя граница не выше, Гц",   "верхняя граница не ниже, Гц"};
inline constexpr const char* kOkButton =
    "ОК"; // Cyrillic, as the message boxes' (and kCancelButton)

// What a refused value of a setting needs, the same in the dialog, the stage file and the command
// line.
inline constexpr const char* kNeedTolerance = "нужно число от 0 до 100, не включая 100";
inline constexpr const char* kNeedTrials = "нужно целое от 1 до 100000";
inline constexpr const char* kNeedSeed = "нужно целое от 0 до 18446744073709551615";
inline constexpr const char* kNeedDistribution = "не uniform и не normal";
inline constexpr const char* kNeedAnalysis = "не montecarlo и не corners";
inline constexpr const char* kNeedNumber = "не число";
inline constexpr const char* kNeedPositiveFrequency = "нужна частота больше 0";
inline constexpr const char* kNeedThreads = "нужно целое от 1 до 256";
inline constexpr const char* kNeedParts = "нужны детали из R1 … R5, C1 … C5, каждая один раз";
inline constexpr const char* kNeedResistorSeries = "не E12, E24, E48 и не E96";
inline constexpr const char* kNeedCapacitorSeries = "не E6, E12 и не E24";
inline constexpr const char* kNeedRange = "нужны два числа больше 0, меньшее первым";
// In the stage file: «100» — нужно число от 0 до 100, не включая 100
inline constexpr const char* kValueNeeds = "«{value}» — {need}";
// On the command line.
inline constexpr const char* kOptionRefused = "ou: {option}: «{value}» — {need}";
inline constexpr const char* kOptionNeedsValue = "ou: после {option} нужно число";

// A field of the dialog refused, named as its label: {value} as typed, {need} as above.
inline constexpr const char* kToleranceRefused = "допуск {parameter}={value}?..{need}";
inline constexpr const char* kTrialsRefused = "испытаний {value}?..{need}";
inline constexpr const char* kSeedRefused = "начальное число {value}?..{need}";
inline constexpr const char* kLimitUnreadable = "{label}={value}?..нужно число или пусто";

// The progress box, shown when the analysis takes longer than a moment; its "Отмена"
// (kCancelButton) stops it.
inline constexpr const char* kSpreadProgressText = "Разброс: испытания…";

// The results box; its buttons with their access keys, "Закрыть" the default.
inline constexpr const char* kSpreadResultsCaption = "Разброс: итоги";
inline constexpr const char* kCopyResultsButton = "&Копировать";
inline constexpr const char* kSaveBandButton = "&Сохранить разброс…";
inline constexpr const char* kCloseResultsButton = "&Закрыть";
// "Копировать" found the clipboard held by another program; it keeps what it held.
inline constexpr const char* kCopyResultsClipboardBusy =
    "Не удалось скопировать итоги: буфер обмена занят другой программой.";
// Sentences with named places (app/texts/Fill.h). The corners are combinations of the
// tolerances' ends, no sample of the stages built: counted, with no interval.
inline constexpr const char* kMonteCarloHeading = "Монте-Карло, испытаний: {trials}";
inline constexpr const char* kCornersHeading = "крайние сочетания: {trials}";
inline constexpr const char* kOverTheRest = "; итоги по остальным";
inline constexpr const char* kMonteCarloColumns = "мин / 5 % / медиана / 95 % / макс";
inline constexpr const char* kCornersColumns = "мин / макс";
inline constexpr const char* kPeakLine = "пик, дБ: ";
inline constexpr const char* kPeakFrequencyLine = "частота пика, Гц: ";
inline constexpr const char* kLowerEdgeLine = "нижняя граница −3 дБ, Гц: ";
inline constexpr const char* kUpperEdgeLine = "верхняя граница −3 дБ, Гц: ";
inline constexpr const char* kBandwidthLine = "полоса, Гц: ";
inline constexpr const char* kYieldLine = "годных: ";
inline constexpr const char* kCornersYield = "годны {met} из {of} сочетаний ({percent})";
// The parts, the greatest influence first: what each moves most ({quantity}) and how far in % at
// an end of its tolerance; a part held at 0 % as held.
inline constexpr const char* kSensitivitiesLine = "влияние = допуск × чувствительность:";
inline constexpr const char* kInfluenceLine =
    "  {part}: {quantity} ±{influence} % (допуск {tolerance} % × чувствительность {sensitivity})";
inline constexpr const char* kHeldPartLine =
    "  {part}: допуск 0, не меняется (чувствительность {sensitivity}, {quantity})";

// The histograms of the trials' upper −3 dB edge and peak gain: a title of the quantity and its
// unit, a legend of the marks, the ends of the range under the bars. Their text for a screen
// reader: "верхняя граница −3 дБ: 5 % … 95 % = 9876.5 … 10234 Гц, номинал 10001 Гц" (a nominal
// stage without the edge reads "номинал нет в диапазоне"; the corners, which mark no 5 % and 95 %,
// "мин … макс = …"), or "…: нет" when no trial has it.
inline constexpr const char* kUpperEdgeHistogramName = "верхняя граница −3 дБ";
inline constexpr const char* kPeakGainHistogramName = "пиковое усиление";
inline constexpr const char* kDecibelUnit = "дБ";
inline constexpr const char* kHistogramTitle = "{name}, {unit}";
inline constexpr const char* kNominalMarkLegend = "номинал";
inline constexpr const char* kQuantileMarksLegend = "5 % и 95 %";
inline constexpr const char* kHistogramQuantilesReading =
    "{name}: 5 % … 95 % = {low} … {high} {unit}, номинал {nominal}";
inline constexpr const char* kHistogramExtremesReading =
    "{name}: мин … макс = {low} … {high} {unit}, номинал {nominal}";
inline constexpr const char* kHistogramNominal = "{nominal} {unit}";
inline constexpr const char* kHistogramBeyondReading = "{reading}; {beyond}";
inline constexpr const char* kHistogramNoneReading = "{name}: {none}";
// The picture's line of the trials whose upper edge lies beyond the sweep's end, short enough for
// its width, with the places of SpreadTexts.h's kUpperEdgeAboveSweep.
inline constexpr const char* kHistogramAboveSweep = "выше {end} Гц: {count} из {trials}";

// "Сохранить разброс…".
inline constexpr const char* kSaveSpreadCaption = "Сохранить разброс";
inline constexpr const char* kSpreadCsvFilter = "Разброс CSV (*.csv)";
inline constexpr const char* kSuggestedSpreadName = "разброс.csv";

// The graph's legend line of the band, "разброс: 1000 испытаний" ({noun}: "испытаний", or
// "сочетаний" for the corners), and its reading at the pointer and the marker in the graph's
// mode, each number named (corners: мин and макс).
inline constexpr const char* kBandLegend = "разброс: {trials} {noun}";
inline constexpr const char* kBandReadingDecibels = "разброс, дБ: {values}";
inline constexpr const char* kBandReadingRatio = "разброс, раз: {values}";
inline constexpr const char* kBandQuantiles =
    "мин {min}; 5 % {low}; медиана {median}; 95 % {high}; макс {max}";
inline constexpr const char* kBandCornerEnds = "мин {min}; макс {max}";

// ─── The help window "Справка" ────────────────────────────────────────────────────────────────

inline constexpr const char* kHelpCaption = "Справка";
inline constexpr const char* kHelpCloseButton = "закрыть";

// ─── Message boxes ────────────────────────────────────────────────────────────────────────────

// A question's buttons where the toolkit does not give them in the system's language.
inline constexpr const char* kYesButton = "Да";
inline constexpr const char* kNoButton = "Нет";
inline constexpr const char* kCancelButton = "Отмена";

// ─── Stage files (.ou) ────────────────────────────────────────────────────────────────────────

// A refusal names the file and, where it can, the line; {reason} is what is wrong there, {value}
// the value as written (cut with "…" when long):
//   Файл «имя.ou», строка 7: «abc» — не число.
inline constexpr const char* kFileLineRefused = "Файл «{file}», строка {line}: {reason}.";
inline constexpr const char* kFileRefused = "Файл «{file}»: {reason}.";
inline constexpr const char* kCannotOpen = "Не удалось открыть «{file}»: {reason}.";
inline constexpr const char* kNotAStageFile =
    "это не файл каскада: первой должна стоять строка «format = ou-stage 1»";
inline constexpr const char* kNewerFormat =
    "«{value}» — файл записан более новой версией программы, эта знает только «ou-stage 1»";
inline constexpr const char* kNotANumber = "«{value}» — не число";
inline constexpr const char* kNotZeroOrOne = "«{value}» — не 0 и не 1";
inline constexpr const char* kNotASweepKind = "«{value}» — не linear и не decade";
inline constexpr const char* kNotAPhase = "«{value}» — не leading и не lagging";
inline constexpr const char* kNoEqualsSign = "«{value}» — нет знака «=»";
inline constexpr const char* kRepeatedKey = "«{value}» уже задан в строке {line}";
inline constexpr const char* kNotUtf8 = "текст не в кодировке UTF-8";
inline constexpr const char* kTooLarge = "Файл «{file}» больше 64 КиБ — это не файл каскада.";

// Keys a file lacks or the program does not know.
inline constexpr const char* kNoLineFor = "нет строки ";
inline constexpr const char* kNoLinesFor = "нет строк ";
inline constexpr const char* kFieldLeftBlank = " — поле оставлено пустым";
inline constexpr const char* kFieldsLeftBlank = " — поля оставлены пустыми";
inline constexpr const char* kUnknownKeySkipped = "пропущен неизвестный ключ ";
inline constexpr const char* kUnknownKeysSkipped = "пропущены неизвестные ключи ";
inline constexpr const char* kUnknownKeyOnLine = "«{key}» (строка {line})";
inline constexpr const char* kNoValueFor = "нет значения ";
inline constexpr const char* kNoValuesFor = "нет значений ";
inline constexpr const char* kUnknownKeyWarning =
    "ou: предупреждение: файл «{file}», строка {line}: неизвестный ключ «{key}» пропущен";

// Why a file cannot be read.
inline constexpr const char* kNoSuchFile = "такого файла нет";
inline constexpr const char* kIsAFolder = "это папка, а не файл";
inline constexpr const char* kNoReadAccess = "нет доступа к файлу";
inline constexpr const char* kReadError = "ошибка чтения";
// A reason the system gives only by its number.
inline constexpr const char* kWithErrorCode = "{reason} (код {code})";

// ─── Saving any file (a stage, the table, the picture) ───────────────────────────────────────

inline constexpr const char* kCannotSave = "Не удалось сохранить «{file}»: {reason}.";
// The table saved over the stage file open in the window would take its place.
inline constexpr const char* kTableOverStageFile =
    "это открытый файл каскада — таблица заменила бы его";
// The same of the graph's picture and of the tolerance analysis's band.
inline constexpr const char* kPictureOverStageFile =
    "это открытый файл каскада — рисунок заменил бы его";
inline constexpr const char* kSpreadOverStageFile =
    "это открытый файл каскада — разброс заменил бы его";
// The reasons, as the system reports them.
inline constexpr const char* kNoFreeTemporaryName =
    "в папке не нашлось свободного имени для временного файла";
inline constexpr const char* kNoWriteAccess = "нет доступа к папке или к файлу";
inline constexpr const char* kWriteProtected = "диск защищён от записи";
inline constexpr const char* kDiskFull = "на диске не хватает места";
inline constexpr const char* kFileTooLarge = "файл слишком велик для этого диска";
inline constexpr const char* kNoSuchFolder = "такой папки нет";
inline constexpr const char* kFolderInTheWay = "под этим именем уже есть папка";
inline constexpr const char* kNameTooLong = "слишком длинное имя";
inline constexpr const char* kInvalidName = "недопустимое имя файла";
inline constexpr const char* kFileInUse = "файл открыт в другой программе";
inline constexpr const char* kWriteError = "ошибка записи";

// ─── The command line ─────────────────────────────────────────────────────────────────────────

inline constexpr const char* kUsage =
    "Использование:\n"
    "  ou                      открыть окно с пустым каскадом\n"
    "  ou ФАЙЛ                 открыть каскад из файла (.ou)\n"
    "  ou --csv ТАБЛИЦА ФАЙЛ   рассчитать каскад из файла без окна и записать таблицу\n"
    "                          результатов в ТАБЛИЦУ (CSV), как «Сохранить таблицу…»;\n"
    "                          ТАБЛИЦА «-» — стандартный вывод\n"
    "  ou --spread РАЗБРОС ФАЙЛ [--threads N] [--trials N] [--seed S]\n"
    "                          разброс характеристик каскада из файла по допускам\n"
    "                          деталей: усиление по частотам (номинал, мин … макс) в\n"
    "                          РАЗБРОС (CSV, «-» — стандартный вывод), сводка в стандартный\n"
    "                          вывод (при «-» — в поток ошибок); допуски, пределы и\n"
    "                          настройки из ключей ФАЙЛА, где их нет — по умолчанию;\n"
    "                          --trials и --seed заменяют ключи файла\n"
    "  ou --design КАСКАД ФАЙЛ [--threads N]\n"
    "                          подбор номиналов: значения стандартных рядов для деталей\n"
    "                          из ключа design (без него — всех десяти), выполняющие\n"
    "                          требования limit_… ФАЙЛА; лучший каскад — в КАСКАД,\n"
    "                          до десяти кандидатов — в стандартный вывод\n"
    "  ou --help               эта справка\n"
    "  ou --version            версия программы\n"
    "\n"
    "Коды завершения ou --csv и ou --spread:\n"
    "  0  таблица записана;\n"
    "  1  расчет отверг значение или остановлен ошибкой вычислений (таблица не записана);\n"
    "  2  файл не прочитан, отвергнут, в нём нет значения, таблица не записана или\n"
    "     совпала бы с файлом каскада, либо неверные аргументы.\n"
    "ou --design: 0 — лучший кандидат выполняет требования, КАСКАД записан; 1 — ни один\n"
    "  не выполняет (КАСКАД не записан); 2 — как выше, а также нет требований.\n";
inline constexpr const char* kUnknownOption = "ou: неизвестный ключ «{option}»";
inline constexpr const char* kCsvNeedsTwoNames =
    "ou: после --csv нужны два имени: файл таблицы и файл каскада";
inline constexpr const char* kExtraArgument = "ou: лишний аргумент «{argument}»";
inline constexpr const char* kSeeHelp = "Справка: ou --help";
// OUT names the stage file itself: what would be lost, for --csv and --spread.
inline constexpr const char* kTableIsStageFile =
    "ou: «{out}» и «{stage}» — один и тот же файл: таблица заменила бы каскад. Укажите для "
    "таблицы другое имя.";
inline constexpr const char* kSpreadFileIsStageFile =
    "ou: «{out}» и «{stage}» — один и тот же файл: файл разброса заменил бы каскад. Укажите для "
    "файла разброса другое имя.";
inline constexpr const char* kDesignFileIsStageFile =
    "ou: «{out}» и «{stage}» — один и тот же файл: подобранный каскад заменил бы исходный. "
    "Укажите для него другое имя.";
inline constexpr const char* kDesignNeedsTwoNames =
    "ou: после --design нужны два имени: файл для подобранного каскада и файл каскада";
inline constexpr const char* kDesignNoRequirement =
    "ou: в файле «{file}» нет требований: задайте limit_min_db, limit_max_db, "
    "limit_lower_edge или limit_upper_edge";
inline constexpr const char* kDesignNoValues = "ou: {key}: в диапазоне нет значений ряда {series}";
inline constexpr const char* kDesignNoneMeets =
    "ou: ни один кандидат не выполняет требования; у лучшего {requirement}";
// A message of the command line that names no program of its own.
inline constexpr const char* kCommandLineMessage = "ou: {message}";
// An option of --spread given twice: which of the two was meant is not known.
inline constexpr const char* kRepeatedOption = "ou: ключ {option} задан дважды";
// The Windows console companion ou.com: it computes as ou does and starts the window program
// ou.exe beside it for everything with a window.
inline constexpr const char* kWindowProgramNotStarted =
    "ou: не удалось запустить «{program}» (код {code})";
// A window was asked for where there is no screen to open it on.
inline constexpr const char* kNoDisplay =
    "ou: окно открыть негде — нет экрана (переменная DISPLAY или WAYLAND_DISPLAY не задана, "
    "или к экрану не подключиться).\n"
    "Рассчитать каскад без окна: ou --csv ТАБЛИЦА ФАЙЛ (ou --help — подробнее).\n";
