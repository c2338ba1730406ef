// MAC list arguments and MAC texts.
#include <cstring>
#include <string>

#include "bridge_test.h"
#include "common/mac_table.h"

namespace {

class MacTableTest : public BridgeTest {};

// A null element is one whose characters cannot be had: the copy stops there
// (the entry point tests cover an element that refuses its characters).
TEST_F(MacTableTest, MacListStopsAtElementThatCannotBeHad) {
    char table[64][20];
    memset(table, 0, sizeof table);
    jobjectArray a = jni.Arr({jni.Str("m0"), jni.Str("m1"), nullptr, jni.Str("m3"), jni.BadStr()});
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

TEST(MacTextToBytes, ScansUpToSixHexGroups) {
    struct Case {
        const char *text;
        unsigned char bytes[6];
    } cases[] = {
        {"00:1A:2b:3:4:fe", {0x00, 0x1A, 0x2B, 0x03, 0x04, 0xFE}},
        {"001A2B3C4D5E", {0x00, 0, 0, 0, 0, 0}},  // no colons: first two digits only
        {"12:zz:34", {0x12, 0, 0, 0, 0, 0}},      // stops at the first misfit
        {"1:2:3:4:5:6:7:8", {1, 2, 3, 4, 5, 6}},
    };
    for (const auto &c : cases) {
        unsigned char bytes[6];
        memset(bytes, 0x77, sizeof bytes);
        bundle::MacTextToBytes(c.text, bytes);
        EXPECT_EQ(memcmp(bytes, c.bytes, 6), 0) << c.text;
    }
}

}  // namespace
