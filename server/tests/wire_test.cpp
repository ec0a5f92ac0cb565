// Reading posted bodies, writing reals, and the checks of the download names.

#include <gtest/gtest.h>

#include "core/files/codec.h"
#include "server/files/files_service.h"
#include "server/http/form_fields.h"
#include "server/http/reply.h"

namespace tavik::server {
namespace {

TEST(FormFieldsTest, FieldListIsPercentDecodedUtf8WithEmptyFieldsSkipped) {
    const auto fields = DecodeFieldList("nick=%D0%90%D0%BD%D1%8F+K&&pw=a%26b%3Dc&&label0=0");
    ASSERT_TRUE(fields);
    EXPECT_EQ(*fields, (Fields{{"nick", "Аня K"}, {"pw", "a&b=c"}, {"label0", "0"}}));
    for (const char* bad : {"nick=%D", "nick=%zz", "nick=%FF%FE", "nick=%D0", "nick=a%D0b"}) {
        EXPECT_FALSE(DecodeFieldList(bad)) << bad;
    }
}

TEST(FormFieldsTest, FormBodyValuesRunToTheNextExpectedName) {
    const std::string body = files::utf8ToCp1251("a=x&y=1&b=Тверь&c=").value();
    const auto values = ParseFormBody(body, {"a", "b", "c"});
    ASSERT_TRUE(values);
    EXPECT_EQ(*values, (std::vector<std::string>{"x&y=1", "Тверь", ""}));
    EXPECT_FALSE(ParseFormBody("b=1&a=2", {"a", "b"}));
    EXPECT_FALSE(ParseFormBody("a=1", {"a", "b"}));
    EXPECT_FALSE(ParseFormBody("a=\x98", {"a"}));  // no character in Windows-1251
}

TEST(ReplyTest, RealsAsTheClientReadsThem) {
    const std::vector<std::pair<double, std::string>> cases = {{0.000001, "0"},
                                                               {-0.000001, "0"},
                                                               {12.5, "12.5"},
                                                               {-3.25, "-3.25"},
                                                               {7, "7"},
                                                               {0.1, "0.1"},
                                                               {1e20, "100000000000000000000"},
                                                               {2.0 / 3, "0.666666666666667"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatReal(value), text) << value;
}

TEST(ReplyTest, ReplyIsWindows1251EndedByALineEnd) {
    EXPECT_EQ(LineReply("$Тверь$").body, "$\xD2\xE2\xE5\xF0\xFC$\r\n");
    EXPECT_EQ(LineReply("a\nb").body, "a b\r\n");  // never a second line
}

TEST(FilesServiceTest, OnlyPlainNamesReachTheFolders) {
    for (const char* good : {"QorCards06A.rcc", "a-b_c.(1).dll"}) {
        EXPECT_TRUE(IsPlainFileName(good)) << good;
    }
    for (const char* bad : {"", ".", "..", ".hidden", "../db.sqlite", "a/b", "a\\b", "x y"}) {
        EXPECT_FALSE(IsPlainFileName(bad)) << bad;
    }
    const FilesService files("/nonexistent-folder");
    EXPECT_EQ(files.photo("../../etc/passwd").status, 404);
    EXPECT_EQ(files.download("..").status, 404);
    const Reply config = files.remoteConfig();
    EXPECT_EQ(config.status, 200);
    EXPECT_EQ(config.body, "");
}

TEST(FilesServiceTest, CallerAddressTrustsForwardingOnlyFromALocalProxy) {
    struct Case {
        const char *peer, *forwarded, *realIp, *answer;
    };
    const Case cases[] = {
        {"203.0.113.7", "", "", "203.0.113.7\r\n"},
        {"203.0.113.7", "1.2.3.4", "5.6.7.8", "203.0.113.7\r\n"},  // not our proxy
        {"127.0.0.1", "10.0.0.1, 198.51.100.2", "", "198.51.100.2\r\n"},
        {"127.0.0.1", "", "198.51.100.9", "198.51.100.9\r\n"},
        {"127.0.0.1", "", "", "127.0.0.1\r\n"},
        {"::1", "2001:db8::1<script>", "", "2001:db8::1c\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OutsideAddress(c.peer, c.forwarded, c.realIp).body, c.answer) << c.peer;
    }
}

}  // namespace
}  // namespace tavik::server
