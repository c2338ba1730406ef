// LanHostSpeedLimitServiceImp, LanHostSpeedQueryServiceImp and
// LanNetworkNameConfigServiceImp.
#include <climits>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedLimitServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanHostSpeedQueryServiceImp.h"
#include "com_korvanta_nestrova_lanservices_LanNetworkNameConfigServiceImp.h"

#define JNI(cls, method) Java_com_korvanta_nestrova_lanservices_##cls##_##method

namespace {

using LanHostSpeedNamingTest = BridgeTest;

TEST_F(LanHostSpeedNamingTest, SpeedLimitScansTheMacAndPassesSpeedsUnchanged) {
    ZSIM_SCRIPT(zivra_setLANHostSpeedLimit, [](const unsigned char *, int, int) { return 9; });
    EXPECT_EQ(JNI(LanHostSpeedLimitServiceImp, setLANHostSpeedLimitJni)(env(), self(), jni.Str("00:1A:2b:3:4:5"),
                                                                         -5, INT_MIN),
              9);
    EXPECT_EQ(Calls(), std::vector<std::string>{"setLANHostSpeedLimit(mac=00:1A:2B:03:04:05 upSpeed=-5 "
                                                "downSpeed=-2147483648)"});
    EXPECT_EQ(jni.release_points(), std::vector<size_t>{0});  // back before the gateway is called
    EXPECT_EQ(Lines(), AtLevel2({"setLANHostSpeedLimitJni:mAddrtmp = 00:1A:2b:3:4:5 ,\n",
                                 "setLANHostSpeedLimitJni:  upSpeed = -5 , downSpeed = -2147483648 "
                                 "enter============>\n",
                                 "setLANHostSpeedLimitJni: return json = \"Result\":9 leave============>\n"}));
    // A MAC that cannot be had fails silently.
    zsim::Reset();
    EXPECT_EQ(JNI(LanHostSpeedLimitServiceImp, setLANHostSpeedLimitJni)(env(), self(), jni.BadStr(), 1, 2), -1);
    EXPECT_TRUE(Calls().empty() && Lines().empty());
}

TEST_F(LanHostSpeedNamingTest, SpeedQueryReplies) {
    const struct {
        jstring mac;
        int result;
        std::string want;
        bool reached;  // the gateway and the log
    } cases[] = {
        {jni.Str("00:1A:2B:3C:4D:5E"), 0, "{\"Result\":0,\"upSpeed\":512,\"downSpeed\":-2048}", true},
        {jni.Str("00:1A:2B:3C:4D:5E"), 3, "{\"Result\":-1,\"FailReason\":\"Bandwidth disable or mac not exist\"}",
         true},
        {jni.BadStr(), 0, "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}", false},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getLANHostSpeed, [&c](const unsigned char *, int *up, int *down) {
            EXPECT_TRUE(*up == 0 && *down == 0);
            *up = 512;
            *down = -2048;
            return c.result;
        });
        EXPECT_EQ(Text(JNI(LanHostSpeedQueryServiceImp, getLANHostSpeedJni)(env(), self(), c.mac)), c.want);
        EXPECT_EQ(Calls(), std::vector<std::string>(c.reached, "getLANHostSpeed(mac=00:1A:2B:3C:4D:5E)")) << c.want;
        EXPECT_EQ(Lines(), AtLevel2(std::vector<std::string>(
                               c.reached, "getLANHostSpeedJni: return json = " + c.want + "   leave============>\n")));
    }
}

TEST_F(LanHostSpeedNamingTest, Names) {
    std::string twoByte64;
    for (int i = 0; i < 64; ++i) twoByte64 += "\xC3\xA9";  // 64 characters, 128 bytes
    const std::string mac25 = "00:1A:2B:3C:4D:5E:6F:70ab";
    const struct {
        bool gateway;  // else host name
        jstring mac, name;
        int rc;
        std::string call;  // the gateway's call, "" for none
        std::string line;  // last log line, after "<method>: "
    } cases[] = {
        {true, nullptr, jni.Str(std::string(64, 'g')), 4, "setGatewayName(name=\"" + std::string(64, 'g') + "\")",
         "return value = 4   leave============>\n"},
        {true, nullptr, jni.Str(std::string(65, 'g')), -2, "", "Gateway name overlength leave============>\n"},
        {true, nullptr, jni.BadStr(), -1, "", "Get jstring gatewayName fail leave============>\n"},
        // The MAC text keeps 18 characters; a 64-byte name goes whole.
        {false, jni.Str(mac25), jni.Str(std::string(64, 'n')), 4,
         "setLANHostName(mac=\"" + mac25.substr(0, 18) + "\" hostName=\"" + std::string(64, 'n') + "\")",
         "return value = 4   leave============>\n"},
        {false, jni.Str(mac25), jni.Str(twoByte64), -2, "", "HostName overlength leave============>\n"},
        {false, jni.BadStr(), jni.Str("n"), -1, "", "Get jstring fail leave============>\n"},
        {false, jni.Str(mac25), jni.BadStr(), -1, "", "Get jstring fail leave============>\n"},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setGatewayName, [](const char *) { return 4; });
        ZSIM_SCRIPT(zivra_setLANHostName, [](const char *, const char *) { return 4; });
        const size_t released = jni.release_points().size();
        const std::string m = c.gateway ? "setGatewayNameJni" : "setLANHostNameJni";
        EXPECT_EQ(c.gateway ? JNI(LanNetworkNameConfigServiceImp, setGatewayNameJni)(env(), self(), c.name)
                            : JNI(LanNetworkNameConfigServiceImp, setLANHostNameJni)(env(), self(), c.mac, c.name),
                  c.rc)
            << c.line;
        EXPECT_EQ(Calls(), std::vector<std::string>(!c.call.empty(), c.call)) << c.line;
        EXPECT_EQ(Lines(), AtLevel2({m + "  enter============>\n", m + ": " + c.line}));
        // Whatever was obtained went back before the gateway was called.
        for (size_t i = released; i < jni.release_points().size(); ++i) EXPECT_EQ(jni.release_points()[i], 0u);
    }
}

}  // namespace
