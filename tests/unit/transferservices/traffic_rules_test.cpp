// TrafficMirrorServiceImp and TrafficForwardServiceImp: lists and adds.
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_TrafficForwardServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TrafficMirrorServiceImp.h"
#include "fail_calloc.h"

#define TS(cls, m) Java_com_korvanta_nestrova_transferservices_##cls##_##m

namespace {

using Strings = std::vector<std::string>;
using TrafficRulesTest = BridgeTest;
const std::string kFail = "{\"Result\":-1,\"FailReason\":\"parameter NULL\"}";

template <class T>
T *HeapList(const std::vector<T> &rules) {
    T *list = static_cast<T *>(malloc(sizeof(T) * (rules.size() + 1)));
    if (!rules.empty()) memcpy(list, rules.data(), sizeof(T) * rules.size());
    return list;
}

TEST_F(TrafficRulesTest, RuleLists) {
    const MirrorRuleRecord m8080 = {"a", "80", "UP", "TCP", "00:1A:2B:3C:4D:5E", "192.168.1.9", "8080"};
    const MirrorRuleRecord mNone = {"a", "80", "UP", "TCP", "00:1A:2B:3C:4D:5E", "192.168.1.9", ""};
    const ForwardRuleRecord fwd = {"a", "80", "UDP", "00:1A:2B:3C:4D:5E", "192.168.1.9", "8080"};
    const std::string m = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\",\"Direction\":\"UP\",\"Protocol\":\"TCP\","
                          "\"HostMAC\":\"00:1A:2B:3C:4D:5E\",\"MirrorToIP\":\"192.168.1.9\",\"MirrorToPort\":";
    const std::string f = "{\"RemoteAddress\":\"a\",\"RemotePort\":\"80\",\"Protocol\":\"UDP\","
                          "\"HostMAC\":\"00:1A:2B:3C:4D:5E\",\"ForwardToIP\":\"192.168.1.9\",\"ForwardToPort\":\"8080\"}";
    // A rule filling every field prints 506 characters: two of them are cut to the 899 of 900 bytes.
    MirrorRuleRecord wide;
    memset(&wide, 'x', sizeof wide);
    const std::string x = "{\"RemoteAddress\":\"" + std::string(256, 'x') + "\",\"RemotePort\":\"" + std::string(16, 'x') +
                          "\",\"Direction\":\"" + std::string(12, 'x') + "\",\"Protocol\":\"" + std::string(12, 'x') +
                          "\",\"HostMAC\":\"" + std::string(24, 'x') + "\",\"MirrorToIP\":\"" + std::string(64, 'x') +
                          "\",\"MirrorToPort\":" + std::string(12, 'x') + "}";
    const struct {
        bool mirror;
        int result, count;
        bool list;
        std::vector<MirrorRuleRecord> mirrors;
        std::string want;
    } cases[] = {
        {true, 0, 0, true, {}, "{\"Result\":0,\"List\":[]}"},
        {true, 0, 1, true, {m8080}, "{\"Result\":0,\"List\":[" + m + "8080}]}"},
        {true, 0, 2, true, {m8080, mNone}, "{\"Result\":0,\"List\":[" + m + "8080}," + m + "}]}"},
        {true, 0, 2, true, {wide, wide}, ("{\"Result\":0,\"List\":[" + x + "," + x + "]}").substr(0, 899)},
        {true, 0, -1, true, {}, "{\"Result\":0,\"List\":[]}"},
        {true, 0, 0, false, {}, kFail},
        {true, 1, 1, true, {m8080}, kFail},
        {true, 0, 1, true, {m8080}, ""},  // no heap for the reply; the list is freed all the same
        {false, 0, 2, true, {}, "{\"Result\":0,\"List\":[" + f + "," + f + "]}"},
        {false, 0, 3, false, {}, kFail},
        {false, 7, 0, true, {}, kFail},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getMirroRuleInfoJni, [&c](MirrorRuleRecord **list, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0);
            if (c.list) *list = HeapList(c.mirrors);
            *count = c.count;
            return c.result;
        });
        ZSIM_SCRIPT(zivra_getForwardRuleInfoJni, [&c, &fwd](ForwardRuleRecord **list, int *count) {
            EXPECT_TRUE(*list == nullptr && *count == 0);
            if (c.list) *list = HeapList(std::vector<ForwardRuleRecord>(2, fwd));
            *count = c.count;
            return c.result;
        });
        if (c.want.empty()) FailCallocAfter(0);
        const std::string name = c.mirror ? "getMirroRuleInfoJni" : "getForwardRuleInfoJni";
        const std::string got = Text(c.mirror ? TS(TrafficMirrorServiceImp, getMirroRuleInfoJni)(env(), self())
                                              : TS(TrafficForwardServiceImp, getForwardRuleInfoJni)(env(), self()));
        if (c.want.empty() && !ArmedCallocFailureHandedOut()) continue;  // calloc cannot fail in this build
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(Lines(), AtLevel2({"\r\n" + name + " enter ==========>",
                                     "\r\n" + name + ": return json = " + c.want + " leave ==========>\n"}));
    }
}

// Each text missing in turn (null or characters that cannot be had): -1
// without the gateway, everything taken released (checked by the fixture).
TEST_F(TrafficRulesTest, AddsPassTextsUntouchedOrRefuseNull) {
    for (int missing = -1; missing < 6; ++missing) {  // -1: none missing
        zsim::Reset();
        ZSIM_SCRIPT(zivra_addMirrorRuleJni, [](const char *, const char *, const char *, const char *, const char *,
                                               const char *, int) { return 2; });
        ZSIM_SCRIPT(zivra_addForwardRule,
                    [](const char *, const char *, const char *, const char *, const char *, int) { return 3; });
        const char *texts[] = {"1.2.3.4", "0", "up", "", "m", "9.9.9.9"};
        jstring s[6];
        for (int i = 0; i < 6; ++i) s[i] = i != missing ? jni.Str(texts[i]) : (i % 2 ? jni.BadStr() : nullptr);
        EXPECT_EQ(TS(TrafficMirrorServiceImp, addMirrorRuleJni)(env(), self(), s[0], s[1], s[2], s[3], s[4], s[5], -1),
                  missing < 0 ? 2 : -1);
        const bool fwdMissing = missing >= 0 && missing != 2;  // the forward rule has no direction
        EXPECT_EQ(TS(TrafficForwardServiceImp, addForwardRuleJni)(env(), self(), s[0], s[1], s[3], s[4], s[5], 70000),
                  fwdMissing ? -1 : 3);
        Strings calls;
        if (missing < 0) calls.push_back("addMirrorRuleJni(\"1.2.3.4\" \"0\" \"up\" \"\" \"m\" \"9.9.9.9\" -1)");
        if (!fwdMissing) calls.push_back("addForwardRule(\"1.2.3.4\" \"0\" \"\" \"m\" \"9.9.9.9\" 70000)");
        EXPECT_EQ(Calls(), calls) << missing;
        EXPECT_EQ(Lines(), AtLevel2({"\r\naddMirrorRuleJni enter ==========>", "\r\naddForwardRuleJni enter ==========>",
                                     "\r\naddForwardRuleJni: return " + std::to_string(fwdMissing ? -1 : 3) +
                                         " leave ==========>"}));
    }
}

}  // namespace
