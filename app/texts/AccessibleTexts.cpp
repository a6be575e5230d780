#include "AccessibleTexts.h"

#include "analysis/StageDesign.h"
#include "app/design/DesignControls.h"
#include "app/presenters/MainWindowTexts.h"
#include "app/spread/SpreadControls.h"
#include "app/texts/Speech.h"
#include "app/texts/SpeechTexts.h"
#include "app/texts/SpreadTexts.h"
#include "app/texts/Texts.h"

#include <map>

// The cells read as app/texts/Speech decides for every set of windows; these adapt it to the
// ways the Qt models hand over a cell.

namespace {

// What the main window's controls say beyond their own texts; nullptr keeps the control's.
struct MainControlSpeech {
    MainControlName Control;
    const char* Name;
    const char* Description;
};

constexpr MainControlSpeech kMainSpeech[] = {
    {MainControlName::Image1, "схема каскада",
     "неинвертирующий усилитель на ОУ с цепями R1–R5 и C1–C5, коэффициент усиления ОУ k0, "
     "входное сопротивление Rвх, частота единичного усиления f1"},
    {MainControlName::SgIsh, nullptr,
     "параметры каскада: в каждой строке имя с единицей и значение, вводится в столбце "
     "«значение»"},
    {MainControlName::SgResult, nullptr,
     "для каждой частоты расчета модуль коэффициента усиления в разах и в децибелах"},
    {MainControlName::EdOt, kSweepFromName, "первая частота расчета"},
    {MainControlName::EdDo, kSweepToName, "последняя частота расчета"},
    {MainControlName::BuRas, nullptr, "рассчитать усиление на частотах от и до"},
    {MainControlName::Button1, nullptr, "показать график усиления по результатам расчета"},
    {MainControlName::Button2, kHelpButtonName, "справка о программе"},
    {MainControlName::Button3, nullptr, "очистить значения параметров"},
    {MainControlName::CheckBox1, kLogScaleName, "график в децибелах над логарифмом частоты"},
};

} // namespace

SpokenControl MainSpokenControl(MainControlName control, SweepKind sweep) {
    const ControlLayout& layout = MainControl(control);
    SpokenControl spoken;
    switch (layout.Kind) {
    case ControlKind::Label:
        return spoken; // read by the text it shows, which the sweep changes
    case ControlKind::Grid:
        spoken.Name = SpokenTableName(control == MainControlName::SgIsh ? MainTable::Parameters
                                                                        : MainTable::Results);
        break;
    case ControlKind::Picture:
        spoken.Picture = true;
        break;
    case ControlKind::Button:
    case ControlKind::Edit:
    case ControlKind::CheckBox:
        spoken.Name = layout.Text;
        break;
    }
    if (control == MainControlName::EdDf)
        spoken.Name = sweep == SweepKind::Decade ? kSweepPointsName : kSweepStepName;
    for (const MainControlSpeech& row : kMainSpeech)
        if (row.Control == control) {
            if (row.Name != nullptr)
                spoken.Name = row.Name;
            spoken.Description = row.Description;
        }
    return spoken;
}

std::string ParameterCellReading(int column, int row, const std::string& text) {
    if (column != 1 || row < 1 || row > static_cast<int>(kParameterNames.size()))
        return text;
    return SpokenCellName(MainTable::Parameters, column, row, [&](int c, int r) {
        return c == 0 ? std::string(kParameterNames[static_cast<size_t>(r - 1)]) : text;
    });
}

std::string ResultCellReading(const ResultTable& table, int column, int row) {
    return SpokenCellName(MainTable::Results, column, row,
                          [&](int c, int r) { return table.Cell(c, r); });
}

namespace {

// The controls of "Разброс…" but the numbered fields: name ("" keeps the control's own),
// description, picture.
const std::map<std::string, SpokenControl>& SpreadControlTexts() {
    static const std::map<std::string, SpokenControl> texts = {
        {kDistributionChoice.Name,
         {kDistributionLabel, "как распределены значения параметров в пределах допусков"}},
        {kAnalysisChoice.Name,
         {kAnalysisLabel, "Монте-Карло: случайные испытания; крайние сочетания: все сочетания "
                          "границ допусков"}},
        {kTrialsEdit.Name, {kTrialsLabel, "сколько случайных каскадов рассчитать"}},
        {kSeedEdit.Name,
         {kSeedLabel, "начало случайной последовательности: с тем же зерном те же испытания"}},
        {kSpreadOk.Name, {"", "рассчитать разброс с этими допусками и пределами"}},
        {kSpreadCancel.Name, {"", "закрыть окно, не меняя настроек разброса"}},
        {kSpreadProgressBar.Name, {"ход испытаний", "доля выполненных испытаний"}},
        {kSpreadProgressCancel.Name, {"", "остановить разброс, прежние итоги останутся"}},
        {kSpreadResultsText.Name,
         {"итоги разброса", "разброс пика, его частоты, границ −3 дБ и полосы, доля годных "
                            "каскадов и чувствительности"}},
        {kCopySpreadButton.Name, {"", "скопировать итоги в буфер обмена текстом"}},
        {kSaveSpreadButton.Name, {"", "сохранить полосу разброса в файл CSV"}},
        {kCloseSpreadButton.Name, {"", "закрыть окно итогов"}},
        {kUpperEdgeHistogram.Name,
         {"", "гистограмма верхней границы −3 дБ по испытаниям, с номиналом, 5 % и 95 %", true}},
        {kPeakGainHistogram.Name,
         {"", "гистограмма пикового усиления по испытаниям, с номиналом, 5 % и 95 %", true}},
    };
    return texts;
}

// The number after `prefix` in `name` ("EdLimit3": 3), or 0.
size_t NumberAfter(const std::string& name, const char* prefix) {
    const std::string start = prefix;
    if (name.rfind(start, 0) != 0 || name.size() == start.size())
        return 0;
    size_t number = 0;
    for (char c : name.substr(start.size())) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + static_cast<size_t>(c - '0');
    }
    return number;
}

} // namespace

SpokenControl SpreadSpokenControl(const std::string& objectName) {
    if (const size_t i = NumberAfter(objectName, kToleranceEditPrefix);
        i >= 1 && i <= kSpreadParameters) {
        const std::string parameter = kSpreadParameterNames[i - 1];
        return {"допуск " + parameter + ", %", "наибольшее отклонение " + parameter +
                                                   " от номинала, в процентах; 0: без разброса"};
    }
    if (const size_t i = NumberAfter(objectName, kLimitEditPrefix); i >= 1 && i <= kSpreadLimits)
        return {kLimitLabels[i - 1], "предел годности каскада; пусто: нет предела"};
    const auto& texts = SpreadControlTexts();
    const auto found = texts.find(objectName);
    return found != texts.end() ? found->second : SpokenControl{};
}

SpokenControl DesignSpokenControl(const std::string& objectName) {
    if (const size_t i = NumberAfter(objectName, kRequirementEditPrefix);
        i >= 1 && i <= kSpreadLimits)
        return {kLimitLabels[i - 1], "требование к каскаду; пусто: нет требования"};
    if (const size_t i = NumberAfter(objectName, kPartCheckPrefix); i >= 1 && i <= kDesignParts)
        return {std::string("подбирать ") + kSpreadParameterNames[i - 1],
                "отмечено: значение подбирается из ряда; нет: остается как в таблице"};
    if (const size_t i = NumberAfter(objectName, kRangeFromPrefix); i >= 1 && i <= kDesignParts)
        return {std::string("от: ") + kParameterNames[i - 1], "наименьшее значение для подбора"};
    if (const size_t i = NumberAfter(objectName, kRangeToPrefix); i >= 1 && i <= kDesignParts)
        return {std::string("до: ") + kParameterNames[i - 1], "наибольшее значение для подбора"};
    static const std::map<std::string, SpokenControl> texts = {
        {kResistorSeriesChoice.Name, {kResistorSeriesLabel, "ряд номиналов резисторов R1 … R5"}},
        {kCapacitorSeriesChoice.Name,
         {kCapacitorSeriesLabel, "ряд номиналов конденсаторов C1 … C5"}},
        {kDesignOk.Name, {"", "подобрать номиналы под эти требования"}},
        {kDesignCancel.Name, {"", "закрыть окно, не меняя настроек подбора"}},
        {kDesignProgressBar.Name, {"ход подбора", "доля выполненного поиска"}},
        {kDesignProgressCancel.Name, {"", "остановить подбор"}},
        {kDesignSummary.Name, {"", "выполняет ли лучший кандидат требования"}},
        {kCandidateList.Name,
         {"кандидаты", "лучший первым: выход годных, запас, пик, границы и значения деталей"}},
        {kApplyDesignButton.Name, {"", "поставить выбранного кандидата в таблицу параметров"}},
        {kCopyDesignButton.Name, {"", "скопировать список кандидатов в буфер обмена текстом"}},
        {kCloseDesignButton.Name, {"", "закрыть окно, не меняя таблицы параметров"}},
    };
    const auto found = texts.find(objectName);
    return found != texts.end() ? found->second : SpokenControl{};
}

SpokenControl DesignSpokenControl(int id) {
    return DesignSpokenControl(DesignObjectName(id));
}

SpokenControl SpreadSpokenControl(int id) {
    return SpreadSpokenControl(SpreadObjectName(id));
}

std::string SpokenProgress(int permille) {
    return std::to_string(permille / 10) + " %";
}
