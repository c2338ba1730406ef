// Building blocks shared by every native method.
#include <cstdint>
#include <cstring>
#include <string>

#include "bridge_test.h"
#include "common/jni_util.h"

using bundle::BoundedWriter;
using bundle::ListReply;

namespace {

class JniUtilTest : public BridgeTest {};

TEST_F(JniUtilTest, JstringToPcharKeepsAtMostSizeArgMinusOneBytes) {
    struct Case {
        std::string in;
        std::string out;
    } cases[] = {
        {"", ""},
        {"Full", "Full"},
        {"123456", "123456"},
        {"1234567", "123456"},
        {"123456789", "123456"},
    };
    for (const auto &c : cases) {
        char buf[8];
        memset(buf, 'x', sizeof buf);
        ASSERT_TRUE(bundle::JstringToPchar<7>(env(), jni.Str(c.in), buf)) << c.in;
        EXPECT_EQ(std::string(buf), c.out) << c.in;
        EXPECT_EQ(buf[7], 'x') << "byte past the size argument written for " << c.in;
    }
    EXPECT_EQ(jni.chars_obtained(), 5);
}

TEST_F(JniUtilTest, JstringToPcharFailsWithoutTouchingBufferOrJvm) {
    char buf[8] = "keep";
    EXPECT_FALSE(bundle::JstringToPchar<7>(env(), jni.BadStr(), buf));
    EXPECT_FALSE(bundle::JstringToPchar<7>(env(), nullptr, buf));
    EXPECT_STREQ(buf, "keep");
    // The null String never reached GetStringUTFChars: only one call was made.
    EXPECT_EQ(jni.trace(), std::vector<std::string>{"GetStringUTFChars"});
}

TEST_F(JniUtilTest, BorrowedStringReleasesAtScopeEndOrOnRequest) {
    jstring s = jni.Str("LAN1");
    {
        bundle::BorrowedString b(env(), s);
        ASSERT_TRUE(b.ok());
        EXPECT_STREQ(b.get(), "LAN1");
        EXPECT_EQ(jni.Leaks(), "1 string characters not released; ");
    }
    EXPECT_EQ(jni.Leaks(), "");
    bundle::BorrowedString early(env(), s);
    early.Release();
    EXPECT_EQ(jni.Leaks(), "");
    bundle::BorrowedString none(env(), nullptr);
    bundle::BorrowedString refused(env(), jni.BadStr());
    EXPECT_FALSE(none.ok());
    EXPECT_FALSE(refused.ok());
}

// --- MAC list argument -----------------------------------------------------

struct MacCase {
    const char *name;
    std::vector<std::string> macs;
    int count;
    std::vector<std::string> slots;  // expected leading slots; the rest empty
};

TEST_F(JniUtilTest, MacListIntoWideAndNarrowTables) {
    const std::string s25 = "0123456789abcdefghijklmno";
    const std::string s40 = std::string(40, 'm');
    const MacCase cases[] = {
        {"three in order", {"a", "b", "c"}, 3, {"a", "b", "c"}},
        {"empty array", {}, 0, {}},
        {"two empty strings", {"", ""}, 2, {"", ""}},
        {"17-character MAC", {"00:1A:2B:3C:4D:5E"}, 1, {"00:1A:2B:3C:4D:5E"}},
        {"overlong element", {s25, s40}, 2, {s25, s40}},
    };
    for (const auto &c : cases) {
        char wide[64][32];
        char narrow[64][20];
        memset(wide, 0, sizeof wide);
        memset(narrow, 0, sizeof narrow);
        jobjectArray a = jni.Strs(c.macs);
        const jsize n = bundle::ArrayLength(env(), a);
        EXPECT_EQ(bundle::MacListToTable(env(), a, n, wide, "wide error\n"), c.count) << c.name;
        EXPECT_EQ(bundle::MacListToTable(env(), a, n, narrow, "narrow error\n"), c.count) << c.name;
        for (int i = 0; i < 64; ++i) {
            const std::string want = i < static_cast<int>(c.slots.size()) ? c.slots[i] : "";
            EXPECT_EQ(std::string(wide[i]), want.substr(0, 30)) << c.name << " wide slot " << i;
            EXPECT_EQ(std::string(narrow[i]), want.substr(0, 18)) << c.name << " narrow slot " << i;
            EXPECT_EQ(wide[i][31], 0);
            EXPECT_EQ(narrow[i][19], 0);
        }
    }
    EXPECT_TRUE(zsim::Log().empty());
}

TEST_F(JniUtilTest, MacListStopsAtElementWhoseCharactersCannotBeHad) {
    char table[64][20];
    memset(table, 0, sizeof table);
    jobjectArray a = jni.Arr({jni.Str("m0"), jni.Str("m1"), jni.BadStr(), jni.Str("m3"), nullptr});
    EXPECT_EQ(bundle::MacListToTable(env(), a, 5, table, "x: Get each MAC String error\n"), 5);
    EXPECT_STREQ(table[0], "m0");
    EXPECT_STREQ(table[1], "m1");
    for (int i = 2; i < 64; ++i) EXPECT_STREQ(table[i], "") << i;
    EXPECT_EQ(Lines(), AtLevel2({"x: Get each MAC String error\n"}));
    // Elements 3 and 4 were never fetched; the three fetched went back.
    int fetched = 0;
    for (const auto &t : jni.trace()) fetched += t == "GetObjectArrayElement";
    EXPECT_EQ(fetched, 3);
}

TEST_F(JniUtilTest, MacListNullElementAndNullArrayAreElementsThatCannotBeHad) {
    char table[64][32];
    memset(table, 0, sizeof table);
    EXPECT_EQ(bundle::MacListToTable(env(), jni.Arr({jni.Str("a"), nullptr}), 2, table, "err\n"), 2);
    EXPECT_STREQ(table[0], "a");
    EXPECT_EQ(bundle::ArrayLength(env(), nullptr), 0);
    EXPECT_EQ(bundle::MacListToTable(env(), nullptr, 0, table, "err\n"), 0);
    // A method that logs at another level gets its error line there.
    EXPECT_EQ(bundle::MacListToTable(env(), jni.Arr({jni.BadStr()}), 1, table, "err\n", 1), 1);
    EXPECT_EQ(Lines(), (std::vector<std::string>{"2|err\n", "2|err\n", "1|err\n"}));
}

TEST_F(JniUtilTest, MacListLongerThanTableIsCutToSixtyFourSlots) {
    for (int n : {64, 65, 1000}) {
        std::vector<std::string> macs;
        for (int i = 0; i < n; ++i) macs.push_back("mac" + std::to_string(i));
        // One table with guard bytes after it: nothing may land there.
        struct {
            char table[64][20];
            char guard[64];
        } t;
        memset(&t, 0, sizeof t);
        jobjectArray a = jni.Strs(macs);
        EXPECT_EQ(bundle::MacListToTable(env(), a, bundle::ArrayLength(env(), a), t.table, "e\n"), 64);
        EXPECT_STREQ(t.table[63], "mac63");
        EXPECT_EQ(std::string(t.guard, sizeof t.guard), std::string(64, '\0')) << n;
    }
    char table[64][20];
    EXPECT_EQ(bundle::MacListToTable(env(), jni.Strs({}), -3, table, "e\n"), 0);
}

TEST_F(JniUtilTest, SingleEmptyElementMeansNoMac) {
    char table[64][32];
    memset(table, 0, sizeof table);
    table[1][0] = 'z';  // left over: the rule zeroes the whole table again
    EXPECT_EQ(bundle::SingleEmptyMeansNone(1, table, "compatible\n"), 0);
    EXPECT_EQ(table[1][0], 0);
    EXPECT_EQ(bundle::SingleEmptyMeansNone(1, table, nullptr), 0);
    EXPECT_EQ(Lines(), AtLevel2({"compatible\n"}));

    table[0][0] = 'a';
    EXPECT_EQ(bundle::SingleEmptyMeansNone(1, table, "compatible\n"), 1);
    table[0][0] = 0;
    EXPECT_EQ(bundle::SingleEmptyMeansNone(2, table, "compatible\n"), 2);
    EXPECT_EQ(bundle::SingleEmptyMeansNone(0, table, "compatible\n"), 0);
    EXPECT_EQ(Lines().size(), 1u);
}

TEST(MacTextToBytes, ScansUpToSixHexGroups) {
    struct Case {
        const char *text;
        unsigned char bytes[6];
    } cases[] = {
        {"00:1A:2b:3:4:5", {0x00, 0x1A, 0x2B, 0x03, 0x04, 0x05}},
        {"ff:ee:dd:cc:bb:aa", {0xFF, 0xEE, 0xDD, 0xCC, 0xBB, 0xAA}},
        {"001A2B3C4D5E", {0x00, 0, 0, 0, 0, 0}},  // no colons: first two digits only
        {"12:zz:34", {0x12, 0, 0, 0, 0, 0}},      // stops at the first misfit
        {"", {0, 0, 0, 0, 0, 0}},
        {"1:2:3:4:5:6:7:8", {1, 2, 3, 4, 5, 6}},
    };
    for (const auto &c : cases) {
        unsigned char bytes[6];
        memset(bytes, 0x77, sizeof bytes);
        bundle::MacTextToBytes(c.text, bytes);
        EXPECT_EQ(memcmp(bytes, c.bytes, 6), 0) << c.text;
    }
}

// --- Replies ------------------------------------------------------------------

TEST(ClampCount, LimitsPlatformCountsToTheTable) {
    EXPECT_EQ(bundle::ClampCount(-1, 64), 0);
    EXPECT_EQ(bundle::ClampCount(0, 64), 0);
    EXPECT_EQ(bundle::ClampCount(64, 64), 64);
    EXPECT_EQ(bundle::ClampCount(65, 64), 64);
    EXPECT_EQ(bundle::ClampCount(2147483647, 64), 64);
}

TEST(BoundedWriter, NeverPassesItsEndAndKeepsTheLastByteZero) {
    char buf[12];
    memset(buf, 'x', sizeof buf);
    BoundedWriter w(buf, 8);
    w.Printf("%s", "abc");
    w.Printf("%d", 12345);  // only "1234" fits
    w.Printf("%s", "more");
    EXPECT_STREQ(buf, "abc1234");
    EXPECT_EQ(w.pos(), 7u);
    EXPECT_EQ(std::string(buf + 8, 4), "xxxx");
    EXPECT_TRUE(w.BackOver('4'));
    EXPECT_FALSE(w.BackOver(','));
    EXPECT_STREQ(buf, "abc123");
}

TEST(ListReply, ZeroOneAndTwoItems) {
    struct Case {
        int items;
        const char *want;
    } cases[] = {
        {0, "{\"Result\":0,\"List\":[]}"},
        {1, "{\"Result\":0,\"List\":[{\"N\":0}]}"},
        {2, "{\"Result\":0,\"List\":[{\"N\":0},{\"N\":1}]}"},
    };
    for (const auto &c : cases) {
        ListReply r(c.items, 70, "{\"Result\":-1,\"List\":[]}");
        r.Open("{\"Result\":0,\"List\":[");
        for (int i = 0; i < c.items; ++i) r.Item("{\"N\":%d},", i);
        r.Close();
        EXPECT_STREQ(r.text(), c.want);
    }
}

TEST(ListReply, FailReplyReplacesWhateverWasWritten) {
    ListReply r(2, 70, "{\"Result\":-1,\"List\":[]}");
    r.Open("{\"Result\":0,\"List\":[");
    r.Item("{\"N\":%d},", 1);
    r.Fail();
    EXPECT_STREQ(r.text(), "{\"Result\":-1,\"List\":[]}");
    ListReply empty(0, 384, "{\"Result\":-1,\"List\":[]}");
    empty.Fail();
    EXPECT_STREQ(empty.text(), "{\"Result\":-1,\"List\":[]}");
}

TEST(ListReply, ACountWhoseBufferSizeOverflowsGivesTheFailReply) {
    // INT_MAX items of a quarter of the address space each: count x allowance
    // wraps on a 32-bit and on a 64-bit size_t alike.
    ListReply r(2147483647, SIZE_MAX / 4, "{\"Result\":-1,\"List\":[]}");
    r.Open("{\"Result\":0,\"List\":[");
    r.Item("{\"N\":%d},", 1);
    r.Close();
    EXPECT_STREQ(r.text(), "{\"Result\":-1,\"List\":[]}");
}

TEST(ListReply, ItemsFillingTheirWholeAllowanceStayWhole) {
    // One item of exactly K - 1 characters: c * K bytes alone would not hold
    // the prefix and the closing bracket as well.
    const size_t k = 384;
    const std::string field(k - 1 - 9, 'a');  // {"A":"..."}, is 9 characters around it
    ListReply r(1, k, "{\"Result\":-1,\"List\":[]}");
    r.Open("{\"Result\":0,\"List\":[");
    r.Item("{\"A\":\"%s\"},", field.c_str());
    r.Close();
    EXPECT_EQ(std::string(r.text()), "{\"Result\":0,\"List\":[{\"A\":\"" + field + "\"}]}");
}

TEST(ListReply, OverlongItemsAreCutNeverWrittenPastTheBuffer) {
    // An item far beyond its allowance (a platform breaking its contract):
    // the reply is cut at the buffer's end; ASan watches the heap block.
    const std::string huge(5000, 'h');
    ListReply r(2, 70, "{\"Result\":-1,\"List\":[]}");
    r.Open("{\"Result\":0,\"List\":[");
    r.Item("{\"A\":\"%s\"},", huge.c_str());
    r.Item("{\"A\":\"%s\"},", huge.c_str());
    r.Close();
    EXPECT_LT(strlen(r.text()), 2u * 70u + 35u);
}

}  // namespace
