// The values the parameter dialogs give: keys, timer, detection, object numbers.

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>

#include "events/ConditionCatalogue.h"
#include "events/DetectionSetting.h"
#include "events/ExpressionBuilder.h"
#include "events/ParameterDialogTexts.h"
#include "events/PhoneKeys.h"
#include "events/TimerSetting.h"
#include "model/Cp1251.h"

namespace avizad {
namespace {

TEST(PhoneKeys, NamesAndCodes) {
    const std::pair<const char*, const char*> expected[] = {
        {"ls", "-6"}, {"rs", "-7"}, {"vu", "-1"}, {"vl", "-3"}, {"venter", "-5"},
        {"vr", "-4"}, {"vd", "-2"}, {"1", "49"},  {"2", "50"},  {"3", "51"},
        {"4", "52"},  {"5", "53"},  {"6", "54"},  {"7", "55"},  {"8", "56"},
        {"9", "57"},  {"*", "42"},  {"0", "48"},  {"#", "35"},
    };
    ASSERT_EQ(PhoneKeys::all().size(), std::size(expected));
    std::set<std::pair<int, int>> places;
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const PhoneKey& key = PhoneKeys::all()[i];
        EXPECT_EQ(key.name, expected[i].first);
        EXPECT_EQ(key.code, expected[i].second);
        EXPECT_TRUE(places.insert({key.row, key.column}).second) << key.name;
    }
    const PhoneKey* centre = PhoneKeys::byName("venter");
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->caption, "E");
    EXPECT_EQ(PhoneKeys::byName("vu")->caption, "|");
    EXPECT_EQ(PhoneKeys::byName("vl")->caption, "--");
    EXPECT_EQ(PhoneKeys::byName("#")->code, "35");
    EXPECT_EQ(PhoneKeys::byName("x"), nullptr);
}

struct TimerCase {
    const char* minutes;
    const char* seconds;
    const char* hundredths;
    const char* text;  // "" when refused
    int milliseconds;
};

TEST(TimerSetting, ReadsTheThreeFields) {
    const TimerCase cases[] = {
        {"1", "30", "5", "1/30/5", 90050},
        {"0", " 2 ", "0", "0/ 2 /0", 2000},
        {"0", "\t3 ", "0", "0/\t3 /0", 3000},
        {"0", "0", "0", "0/0/0", 0},
        {"0", "5", "0", "0/5/0", 5000},
        {"-1", "0", "0", "-1/0/0", -60000},
        {"0", "1,5", "0", "0/1,5/0", 1500},
        {"0", "0", "1e2", "0/0/1e2", 1000},
        // A half goes to the even neighbour.
        {"0", "0", "0,05", "0/0/0,05", 0},
        {"0", "0", "0.15", "0/0/0.15", 2},
        {"0", "0", "0.25", "0/0/0.25", 2},
        {"0", "0", "0.35", "0/0/0.35", 4},
        {"0", "0", "-0.05", "0/0/-0.05", 0},
        {"35791", "0", "0", "35791/0/0", 2147460000},
    };
    for (const TimerCase& c : cases) {
        SCOPED_TRACE(c.text);
        std::string error = "stale";
        const std::optional<TimerSetting> timer =
            TimerSetting::read(c.minutes, c.seconds, c.hundredths, error);
        ASSERT_TRUE(timer.has_value()) << error;
        EXPECT_EQ(timer->timeText, c.text);
        EXPECT_EQ(timer->milliseconds, c.milliseconds);
        EXPECT_EQ(error, "");
    }
}

TEST(TimerSetting, RefusesWhatIsNotANumber) {
    const std::pair<TimerCase, const char*> cases[] = {
        {{"abc", "0", "0", "", 0}, "abc"},
        {{"0", "", "0", "", 0}, "\"\""},
        {{"0", "1 2", "0", "", 0}, "1 2"},
        {{"0", "0", "5с", "", 0}, "5с"},
        {{"0", "0", ".", "", 0}, "\".\""},
        {{"0", "0", "1e", "", 0}, "1e"},
        {{"0", "0", "1e999", "", 0}, "1e999"},
        {{"40000", "0", "0", "", 0}, "2147483647"},  // beyond the 32-bit range
    };
    for (const auto& [c, mentioned] : cases) {
        SCOPED_TRACE(std::string(c.minutes) + "/" + c.seconds + "/" + c.hundredths);
        std::string error;
        EXPECT_FALSE(TimerSetting::read(utf8ToCp1251(c.minutes), utf8ToCp1251(c.seconds),
                                        utf8ToCp1251(c.hundredths), error)
                         .has_value());
        EXPECT_NE(error.find(mentioned), std::string::npos) << error;
    }
}

TEST(DetectionSetting, Caption) {
    EXPECT_EQ(cp1251ToUtf8(DetectionSetting{10, 100, 2}.caption()), "обнаружение от 10 до 100");
    EXPECT_EQ(cp1251ToUtf8(DetectionSetting{-5, 0, 0}.caption()), "обнаружение от -5 до 0");
}

TEST(ParameterDialogTexts, TitlesLabelsAndButtons) {
    const ParameterDialogTexts& timer = ParameterDialogTexts::of(ParameterDialog::Timer);
    EXPECT_EQ(timer.group, "Введите значение времени");
    ASSERT_EQ(timer.fieldLabels.size(), 3u);
    EXPECT_EQ(timer.fieldLabels[0], "минут");
    EXPECT_EQ(timer.fieldLabels[2], "сотых");
    EXPECT_TRUE(timer.hasCancel);

    const ParameterDialogTexts& detection = ParameterDialogTexts::of(ParameterDialog::Detection);
    EXPECT_EQ(detection.title, "Настройка параметров обнаружения");
    ASSERT_EQ(detection.fieldLabels.size(), 3u);
    EXPECT_EQ(detection.fieldLabels[1], "радиус обнаружения макс.");

    const ParameterDialogTexts& conditionNumber =
        ParameterDialogTexts::of(ParameterDialog::ConditionObjectNumber);
    EXPECT_EQ(conditionNumber.fieldLabels[0], "Номер объекта");
    EXPECT_TRUE(conditionNumber.hasCancel);
    const ParameterDialogTexts& actionNumber =
        ParameterDialogTexts::of(ParameterDialog::ActionObjectNumber);
    EXPECT_EQ(actionNumber.fieldLabels[0], "Введите номер объекта");
    EXPECT_TRUE(actionNumber.hasCancel);  // every dialog can be left without a value
    EXPECT_FALSE(ParameterDialogTexts::of(ParameterDialog::Key).hasCancel);
    EXPECT_EQ(ParameterDialogTexts::conditionObjectNumber(-3), "-3");
}

// A dialog's values reach the entry that asked for them.
TEST(EntryValues, DialogResultsFeedTheEntries) {
    EntryValues values;
    values.n = 2;
    values.setKey(*PhoneKeys::byName("7"));
    const CatalogueMenu keys = ConditionCatalogue::menu(ConditionMenu::Category4);
    EXPECT_EQ(findEntry(keys, "Отпускание клавиши...")->build(values).code, "(released_code==55)");

    std::string error;
    values.setTimer(*TimerSetting::read("1", "30", "5", error));
    const CatalogueMenu timer = ConditionCatalogue::menu(ConditionMenu::Category5);
    const BuiltText later = findEntry(timer, "Таймер больше значения...")->build(values);
    EXPECT_EQ(cp1251ToUtf8(later.caption), "Таймер больше 1/30/5");
    EXPECT_EQ(later.code, "(endTime_ob>90050)");

    values.setDetection({10, 100, 1});
    const CatalogueMenu active = ConditionCatalogue::menu(ConditionMenu::Active);
    const BuiltText detection = findEntry(active, "обнаружение объекта")->build(values);
    EXPECT_EQ(cp1251ToUtf8(detection.caption), "обнаружение от 10 до 100");
    EXPECT_TRUE(detection.code.ends_with(")))&(act_upr[gr_obj[2][kr2]]!=5)"));

    ExpressionBuilder builder(BuilderMode::CompareWithValue);
    builder.setActiveField(ExpressionBuilder::Field::Right);
    builder.append("3");
    builder.setComparison(2);
    values.setBuilderResult(builder.confirm());
    EXPECT_EQ(findEntry(active, "урон")->build(values).code, "(obj_uron[gr_obj[2][kr2]]>3)");

    values.setSound({"a.mp3", "audio/mpeg"});
    EXPECT_EQ(values.file, "a.mp3");
    EXPECT_EQ(values.contentType, "audio/mpeg");
}

}  // namespace
}  // namespace avizad
