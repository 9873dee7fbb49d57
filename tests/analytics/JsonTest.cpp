// The JSON forms of property values and objects.
#include "analytics/sdk/ObjectNode.h"
#include "analytics/sdk/PropertiesNode.h"
#include "platform/Time.h"

#include <fmt/format.h>
#include <gtest/gtest.h>

namespace {

using utils::PropertyValue;

std::string Json(const PropertyValue& value) {
    std::string out;
    value.AppendJson(out);
    return out;
}

struct NumberCase {
    double value;
    const char* json;
};

class JsonNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(JsonNumber, SixSignificantDigits) { EXPECT_EQ(Json(PropertyValue::Number(GetParam().value)), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(Table, JsonNumber,
                         testing::Values(NumberCase{0.1, "0.1"}, NumberCase{2.0 / 3.0, "0.666667"},
                                         NumberCase{100000000.0, "1e+08"}, NumberCase{2000001.0, "2e+06"},
                                         NumberCase{3.5, "3.5"}, NumberCase{-0.25, "-0.25"}, NumberCase{0.0, "0"},
                                         NumberCase{123456.0, "123456"}, NumberCase{1e-7, "1e-07"}));

TEST(JsonValue, IntIsWrittenInFull) {
    EXPECT_EQ(Json(PropertyValue::Int(100000000)), "100000000");
    EXPECT_EQ(Json(PropertyValue::Int(-9007199254740993LL)), "-9007199254740993");
}

TEST(JsonValue, StringEscapesWithoutUnicodeEscapes) {
    EXPECT_EQ(Json(PropertyValue::String("a\b\t\n\f\r\"\\z")), R"("a\b\t\n\f\r\"\\z")");
    EXPECT_EQ(Json(PropertyValue::String("\xE4\xB8\xAD/\x01")), "\"\xE4\xB8\xAD/\x01\"");
}

TEST(JsonValue, ListBoolAndEmptyObject) {
    EXPECT_EQ(Json(PropertyValue::List({"a", "b\"c"})), R"(["a","b\"c"])");
    EXPECT_EQ(Json(PropertyValue::List({})), "[]");
    EXPECT_EQ(Json(PropertyValue::Bool(true)), "true");
    EXPECT_EQ(Json(PropertyValue::Bool(false)), "false");
    EXPECT_EQ(Json(PropertyValue::Object(utils::ObjectNode())), "{}");
}

TEST(JsonValue, DateTimeInLocalTimeWithMilliseconds) {
    const int64_t seconds = 1704164645;  // some moment in January 2024
    const platform::LocalTime local = platform::ToLocalTime(seconds);
    const std::string expected = fmt::format("\"{:04d}-{:02d}-{:02d} {:02d}:{:02d}:{:02d}.007\"", local.year,
                                             local.month, local.day, local.hour, local.minute, local.second);
    EXPECT_EQ(Json(PropertyValue::DateTime(seconds, 7)), expected);
    EXPECT_EQ(local.year, 2024);
}

TEST(ObjectNode, KeysInByteOrderWithoutSpaces) {
    utils::ObjectNode object;
    object.SetValue("type", PropertyValue::String("track"));
    object.SetValue("_track_id", PropertyValue::Int(5));
    object.SetValue("Upper", PropertyValue::Int(1));
    object.SetValue("$lib", PropertyValue::String("cpp"));
    object.SetValue("distinct_id", PropertyValue::String("x"));
    EXPECT_EQ(object.ToJson(), R"({"$lib":"cpp","Upper":1,"_track_id":5,"distinct_id":"x","type":"track"})");
}

TEST(ObjectNode, SettingAKeyAgainReplacesItAndObjectsNest) {
    utils::ObjectNode inner;
    inner.SetValue("$lib", PropertyValue::String("cpp"));
    utils::ObjectNode outer;
    outer.SetValue("a", PropertyValue::Int(1));
    outer.SetValue("a", PropertyValue::Int(2));
    outer.SetObject("lib", inner);
    EXPECT_EQ(outer.ToJson(), R"({"a":2,"lib":{"$lib":"cpp"}})");
    utils::ObjectNode copy = outer;  // a deep copy
    inner.SetValue("$lib", PropertyValue::String("changed"));
    EXPECT_EQ(copy.ToJson(), R"({"a":2,"lib":{"$lib":"cpp"}})");
}

TEST(PropertiesNode, NeverHoldsNestedObjects) {
    cv_analytics::PropertiesNode properties;
    properties.SetObject("nested", utils::ObjectNode());
    EXPECT_TRUE(properties.Empty());
}

TEST(PropertiesNode, SettersStoreTheirKinds) {
    cv_analytics::PropertiesNode properties;
    EXPECT_TRUE(properties.SetString("s", "text"));
    properties.SetNumber("i", 3);
    properties.SetNumber("n", 3.0);
    properties.SetBool("b", true);
    properties.SetList("l", {"x"});
    properties.SetDateTime("d", 0, 1);
    EXPECT_EQ(properties.Find("i")->GetKind(), PropertyValue::Kind::kInt);
    EXPECT_EQ(properties.Find("n")->GetKind(), PropertyValue::Kind::kNumber);
    EXPECT_EQ(properties.Find("d")->GetKind(), PropertyValue::Kind::kDateTime);
    EXPECT_EQ(properties.Find("l")->GetKind(), PropertyValue::Kind::kList);
    cv_analytics::PropertiesNode other;
    other.SetNumber("i", 9);
    other.SetBool("new", false);
    properties.Merge(other);
    EXPECT_EQ(properties.Find("i")->GetInt(), 9);
    EXPECT_NE(properties.Find("new"), nullptr);
    EXPECT_EQ(properties.Size(), 7u);
    properties.Clear();
    EXPECT_TRUE(properties.Empty());
}

}  // namespace
