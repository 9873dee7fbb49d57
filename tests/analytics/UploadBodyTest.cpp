#include "analytics/sdk/UploadBody.h"

#include "analytics/BodyDecoder.h"

#include <gtest/gtest.h>

namespace {

using namespace bodydecoder;
using cv_analytics::Base64Encode;
using cv_analytics::PercentEncode;

TEST(Base64, KnownVectors) {
    EXPECT_EQ(Base64Encode(""), "");
    EXPECT_EQ(Base64Encode("f"), "Zg==");
    EXPECT_EQ(Base64Encode("fo"), "Zm8=");
    EXPECT_EQ(Base64Encode("foo"), "Zm9v");
    EXPECT_EQ(Base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(Base64Encode("\xFB\xFF\xBF"), "+/+/");
}

TEST(PercentEncode, KeepsOnlyUnreservedBytes) {
    EXPECT_EQ(PercentEncode("aZ09-._~"), "aZ09-._~");
    EXPECT_EQ(PercentEncode("+/= &\xC3"), "%2B%2F%3D%20%26%C3");
}

TEST(BatchText, JoinsRecordsIntoAnArray) {
    EXPECT_EQ(cv_analytics::BuildBatchText({}), "[]");
    EXPECT_EQ(cv_analytics::BuildBatchText({R"({"a":1})", R"({"b":2})"}), R"([{"a":1},{"b":2}])");
}

TEST(UploadBody, DecodesBackToTheBatch) {
    std::vector<std::string> records;
    for (int i = 0; i < 30; ++i) records.push_back(R"({"_track_id":)" + std::to_string(i) + R"(,"event":"$AppStart"})");
    const std::string batch = cv_analytics::BuildBatchText(records);
    std::string body;
    ASSERT_TRUE(cv_analytics::BuildUploadBody(batch, body));
    const std::string prefix = "data_list=", suffix = "&gzip=1";
    ASSERT_EQ(body.compare(0, prefix.size(), prefix), 0);
    ASSERT_EQ(body.compare(body.size() - suffix.size(), suffix.size(), suffix), 0);
    const std::string encoded = body.substr(prefix.size(), body.size() - prefix.size() - suffix.size());
    EXPECT_EQ(encoded.find_first_of("+/="), std::string::npos) << "Base64 symbols must be percent-encoded";
    const std::string compressed = Base64Decode(PercentDecode(encoded));
    ASSERT_GE(compressed.size(), 10u);
    EXPECT_EQ(static_cast<unsigned char>(compressed[0]), 0x1F);  // gzip magic
    EXPECT_EQ(static_cast<unsigned char>(compressed[1]), 0x8B);
    EXPECT_EQ(static_cast<unsigned char>(compressed[8]), 2) << "level 9 marks maximum compression";
    EXPECT_EQ(Gunzip(compressed), batch);
}

TEST(UploadBody, LargeBatchSpansSeveralOutputChunks) {
    std::string batch = "[";
    for (int i = 0; i < 20000; ++i) batch += (i ? "," : "") + std::to_string(i * 7919 % 100003);
    batch += "]";
    std::string compressed;
    ASSERT_TRUE(cv_analytics::GzipCompress(batch, compressed));
    EXPECT_GT(compressed.size(), 32768u);
    EXPECT_EQ(Gunzip(compressed), batch);
}

}  // namespace
