// LanHostSpeedLimitServiceImp, LanHostSpeedQueryServiceImp and
// LanNetworkNameConfigServiceImp.
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp.h"

namespace {

const std::string kGetFail = "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}";

class LanHostSpeedNamingTest : public BridgeTest {
  protected:
    // Release points of the strings released since `from`.
    std::vector<size_t> ReleasedSince(size_t from) {
        const auto &all = jni.release_points();
        return std::vector<size_t>(all.begin() + static_cast<long>(from), all.end());
    }

    jint SetLimit(jstring mac, jint up, jint down) {
        return Java_com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp_setLANHostSpeedLimitJni(
            env(), self(), mac, up, down);
    }
    std::string Speed(jstring mac) {
        return Text(Java_com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp_getLANHostSpeedJni(
            env(), self(), mac));
    }
    jint SetGatewayName(jstring name) {
        return Java_com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp_setGatewayNameJni(
            env(), self(), name);
    }
    jint SetHostName(jstring mac, jstring name) {
        return Java_com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp_setLANHostNameJni(
            env(), self(), mac, name);
    }
};

// n copies of a two-byte character: 2n bytes of modified UTF-8.
std::string TwoByte(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "\xC3\xA9";
    return s;
}

// --- MAC text to MAC bytes ------------------------------------------------------

struct MacScan {
    const char *text;
    const char *bytes;  // as the stand-in records them
};

const MacScan kScans[] = {
    {"00:1A:2B:3C:4D:5E", "00:1A:2B:3C:4D:5E"},
    {"00:1A:2b:3:4:5", "00:1A:2B:03:04:05"},
    // No colons: the first two digits are byte 0, the scan stops there.
    {"AB1A2B3C4D5E", "AB:00:00:00:00:00"},
    {"fff:1:2", "FF:00:00:00:00:00"},
    {"00-1A-2B-3C-4D-5E", "00:00:00:00:00:00"},
    {"1:2:3:4:5:6:7:8", "01:02:03:04:05:06"},
    {"c0:ff:ee", "C0:FF:EE:00:00:00"},
    {"zz:11:22:33:44:55", "00:00:00:00:00:00"},
    {"", "00:00:00:00:00:00"},
};

TEST_F(LanHostSpeedNamingTest, SpeedLimitScansTheMacAndPassesSpeedsUnchanged) {
    for (const auto &s : kScans) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setLANHostSpeedLimit, [](const unsigned char *, int, int) { return 9; });
        const size_t released = jni.release_points().size();
        EXPECT_EQ(SetLimit(jni.Str(s.text), -5, INT_MIN), 9) << s.text;
        EXPECT_EQ(Calls(), std::vector<std::string>{"setLANHostSpeedLimit(mac=" + std::string(s.bytes) +
                                                    " upSpeed=-5 downSpeed=" + std::to_string(INT_MIN) + ")"});
        // The characters went back before the platform call.
        EXPECT_EQ(ReleasedSince(released), std::vector<size_t>{0});
        EXPECT_EQ(Lines(), AtLevel2({"setLANHostSpeedLimitJni:mAddrtmp = " + std::string(s.text) + " ,\n",
                                     "setLANHostSpeedLimitJni:  upSpeed = -5 , downSpeed = " +
                                         std::to_string(INT_MIN) + " enter============>\n",
                                     "setLANHostSpeedLimitJni: return json = \"Result\":9 leave============>\n"}));
    }
}

TEST_F(LanHostSpeedNamingTest, SpeedQueryScansTheMacTheSameWay) {
    for (const auto &s : kScans) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANHostSpeed, [](const unsigned char *, int *up, int *down) {
            EXPECT_EQ(*up, 0);
            EXPECT_EQ(*down, 0);
            *up = 512;
            *down = 2048;
            return 0;
        });
        const std::string want = "{\"Result\":0,\"upSpeed\":512,\"downSpeed\":2048}";
        EXPECT_EQ(Speed(jni.Str(s.text)), want);
        EXPECT_EQ(Calls(), std::vector<std::string>{"getLANHostSpeed(mac=" + std::string(s.bytes) + ")"});
        EXPECT_EQ(Lines(), AtLevel2({"getLANHostSpeedJni: return json = " + want + "   leave============>\n"}));
    }
}

TEST_F(LanHostSpeedNamingTest, SpeedQueryReplies) {
    struct Case {
        int result, up, down;
        std::string want;
    } cases[] = {
        {0, INT_MIN, INT_MAX, "{\"Result\":0,\"upSpeed\":-2147483648,\"downSpeed\":2147483647}"},
        {0, 0, 0, "{\"Result\":0,\"upSpeed\":0,\"downSpeed\":0}"},
        {-1, 5, 6, "{\"Result\":-1,\"FailReason\":\"Bandwidth disable or mac not exist\"}"},
        {3, 0, 0, "{\"Result\":-1,\"FailReason\":\"Bandwidth disable or mac not exist\"}"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANHostSpeed, [&c](const unsigned char *, int *up, int *down) {
            *up = c.up;
            *down = c.down;
            return c.result;
        });
        EXPECT_EQ(Speed(jni.Str("00:1A:2B:3C:4D:01")), c.want);
        EXPECT_EQ(Lines(), AtLevel2({"getLANHostSpeedJni: return json = " + c.want + "   leave============>\n"}));
    }
}

TEST_F(LanHostSpeedNamingTest, SpeedMethodsWhoseMacCannotBeHadSaySoSilently) {
    for (jstring mac : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
        zsim::Reset();
        EXPECT_EQ(SetLimit(mac, 1, 2), -1);
        EXPECT_EQ(Speed(mac), kGetFail);
        EXPECT_TRUE(Calls().empty());
        EXPECT_TRUE(Lines().empty());
    }
}

// --- Gateway name ---------------------------------------------------------------

TEST_F(LanHostSpeedNamingTest, GatewayNamesUpToSixtyFourBytesReachThePlatformWhole) {
    for (const std::string &name : {std::string(""), std::string(64, 'g'), TwoByte(32), std::string("a\"b")}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setGatewayName, [](const char *) { return 4; });
        EXPECT_EQ(SetGatewayName(jni.Str(name)), 4);
        EXPECT_EQ(Calls(), std::vector<std::string>{"setGatewayName(name=\"" + name + "\")"});
        EXPECT_EQ(Lines(), AtLevel2({"setGatewayNameJni  enter============>\n",
                                     "setGatewayNameJni: return value = 4   leave============>\n"}));
    }
}

TEST_F(LanHostSpeedNamingTest, GatewayNamesOverSixtyFourBytesAreRefused) {
    // Counted in bytes: 33 two-byte characters are 66 bytes.
    for (const std::string &name : {std::string(65, 'g'), std::string(300, 'g'), TwoByte(33), TwoByte(64)}) {
        zsim::Reset();
        EXPECT_EQ(SetGatewayName(jni.Str(name)), -2);
        EXPECT_TRUE(Calls().empty());
        EXPECT_EQ(Lines(), AtLevel2({"setGatewayNameJni  enter============>\n",
                                     "setGatewayNameJni: Gateway name overlength leave============>\n"}));
    }
}

TEST_F(LanHostSpeedNamingTest, GatewayNameThatCannotBeHad) {
    for (jstring name : {jni.BadStr(), static_cast<jstring>(nullptr)}) {
        zsim::Reset();
        EXPECT_EQ(SetGatewayName(name), -1);
        EXPECT_TRUE(Calls().empty());
        EXPECT_EQ(Lines(), AtLevel2({"setGatewayNameJni  enter============>\n",
                                     "setGatewayNameJni: Get jstring gatewayName fail leave============>\n"}));
    }
}

// --- Host name ------------------------------------------------------------------

TEST_F(LanHostSpeedNamingTest, HostNameKeepsEighteenMacCharactersAndWholeNames) {
    struct Case {
        std::string mac, name, macOut;
    } cases[] = {
        {"00:1A:2B:3C:4D:5E", "Study PC", "00:1A:2B:3C:4D:5E"},
        {"00:1A:2B:3C:4D:5E:6F:70", std::string(64, 'n'), "00:1A:2B:3C:4D:5E:"},  // 25 characters
        {"", "", ""},
        {"00:1A:2B:3C:4D:5E", TwoByte(32), "00:1A:2B:3C:4D:5E"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setLANHostName, [](const char *, const char *) { return -7; });
        const size_t released = jni.release_points().size();
        EXPECT_EQ(SetHostName(jni.Str(c.mac), jni.Str(c.name)), -7);
        EXPECT_EQ(Calls(), std::vector<std::string>{"setLANHostName(mac=\"" + c.macOut + "\" hostName=\"" + c.name +
                                                    "\")"});
        // Both went back before the platform call.
        EXPECT_EQ(ReleasedSince(released), (std::vector<size_t>{0, 0}));
        EXPECT_EQ(Lines(), AtLevel2({"setLANHostNameJni  enter============>\n",
                                     "setLANHostNameJni: return value = -7   leave============>\n"}));
    }
}

TEST_F(LanHostSpeedNamingTest, HostNamesOverSixtyFourBytesAreRefused) {
    // 64 two-byte characters: only 64 characters, but 128 bytes.
    for (const std::string &name : {std::string(65, 'n'), TwoByte(64), TwoByte(33)}) {
        zsim::Reset();
        const size_t released = jni.release_points().size();
        EXPECT_EQ(SetHostName(jni.Str("00:1A:2B:3C:4D:01"), jni.Str(name)), -2);
        EXPECT_TRUE(Calls().empty());
        EXPECT_EQ(ReleasedSince(released).size(), 2u);
        EXPECT_EQ(Lines(), AtLevel2({"setLANHostNameJni  enter============>\n",
                                     "setLANHostNameJni: HostName overlength leave============>\n"}));
    }
}

TEST_F(LanHostSpeedNamingTest, HostNameArgumentsThatCannotBeHad) {
    struct Case {
        jstring mac, name;
        size_t obtained;  // characters handed out, all of them released
    } cases[] = {
        {jni.BadStr(), jni.Str("n"), 1},
        {jni.Str("m"), jni.BadStr(), 1},
        {nullptr, jni.Str("n"), 1},
        {jni.Str("m"), nullptr, 1},
        {nullptr, nullptr, 0},
        {jni.BadStr(), jni.BadStr(), 0},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        const int before = jni.chars_obtained();
        EXPECT_EQ(SetHostName(c.mac, c.name), -1);
        EXPECT_EQ(static_cast<size_t>(jni.chars_obtained() - before), c.obtained);
        EXPECT_EQ(jni.Leaks(), "");
        EXPECT_TRUE(Calls().empty());
        EXPECT_EQ(Lines(), AtLevel2({"setLANHostNameJni  enter============>\n",
                                     "setLANHostNameJni: Get jstring fail leave============>\n"}));
    }
}

}  // namespace
