// L2TPVPNServiceImp.
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_L2TPVPNServiceImp.h"
#include "fail_calloc.h"

#define JNI(method) Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_##method

namespace {

using VpnTest = BridgeTest;
using Strings = std::vector<std::string>;

TEST_F(VpnTest, Replies) {
    const struct {
        std::string method;
        std::function<jstring()> call;
        std::string reply, call_seen;  // call_seen "" when the gateway is not called
        std::string error;             // line between enter and leave
    } cases[] = {
        {"vpnOnJni", [&] { return JNI(vpnOnJni)(env(), self(), jni.Str("a"), jni.Str("b"), jni.Str("c")); },
         "{\"Result\":0}", "vpnOnJni(text1=\"a\" text2=\"b\" text3=\"c\")", ""},
        {"vpnOnJni", [&] { return JNI(vpnOnJni)(env(), self(), jni.Str("a"), jni.BadStr(), jni.Str("c")); }, "", "",
         "vpnOnJni: GetStringUTFChars = NULL\n"},
        {"vpnOnJni", [&] { return JNI(vpnOnJni)(env(), self(), jni.Str("a"), jni.Str("b"), nullptr); }, "", "",
         "vpnOnJni: GetStringUTFChars = NULL\n"},
        {"vpnOffJni", [&] { return JNI(vpnOffJni)(env(), self(), jni.Str("x")); }, "{\"Result\":0}",
         "vpnOffJni(text=\"x\")", ""},
        {"vpnOffJni", [&] { return JNI(vpnOffJni)(env(), self(), nullptr); }, "", "", ""},
        {"getVpnStatCmdJni", [&] { return JNI(getVpnStatCmdJni)(env(), self()); }, "{\"Result\":0, \"Status\":-9}",
         "getVpnStatCmdJni()", ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        // Whatever the gateway returns, Java hears of none of it.
        ZSIM_SCRIPT(zivra_vpnOnJni, [](const char *, const char *, const char *) { return -9; });
        ZSIM_SCRIPT(zivra_vpnOffJni, [](const char *) { return -9; });
        ZSIM_SCRIPT(zivra_getVpnStatCmdJni, [] { return -9; });
        const size_t before = jni.release_points().size();
        EXPECT_EQ(Text(c.call()), c.reply) << c.method;
        EXPECT_EQ(Calls(), Strings(!c.call_seen.empty(), c.call_seen)) << c.method;
        Strings lines = {c.method + ": enter============>\n", c.error,
                         c.method + ": return json = " + c.reply + " leave ============>\n"};
        if (c.error.empty()) lines.erase(lines.begin() + 1);
        EXPECT_EQ(Lines(), AtLevel2(lines));
        // The borrowed characters went back only once the gateway had returned.
        for (size_t i = before; i < jni.release_points().size(); ++i)
            EXPECT_EQ(jni.release_points()[i], Calls().size()) << c.method;
    }
}

TEST_F(VpnTest, ConnectedAddresses) {
    const std::string from_gateway = "{\"Result\":0, \"ips\":[\"10.8.0.2\",\"10.8.0.3\"]}";
    for (const char *text : {static_cast<const char *>(nullptr), from_gateway.c_str()}) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getConnectedIpListJni, [text](char **out) {
            EXPECT_EQ(*out, nullptr);
            *out = text != nullptr ? strdup(text) : nullptr;  // freed by the bridge, or a leak report
            return -1;
        });
        const std::string want = text != nullptr ? text : "{\"Result\":0, \"ips\":[]}";
        EXPECT_EQ(Text(JNI(getConnectedIpListJni)(env(), self())), want);
        EXPECT_EQ(Lines(), AtLevel2({"getConnectedIpListJni: enter============>\n",
                                     "getConnectedIpListJni: return " + want + " leave============>\n"}));
    }
}

TEST_F(VpnTest, DestinationRecords) {
    Strings many;
    for (int i = 0; i < 256; ++i) many.push_back("10.0." + std::to_string(i / 200) + "." + std::to_string(i % 200));
    const std::string t300(300, 't');
    const struct {
        const char *name;
        std::function<jobjectArray()> array;
        int mode, mode_seen;
        Strings slots;  // what the gateway reads, Count slots
    } cases[] = {
        {"empty", [&] { return jni.Strs({}); }, 0, 0, {}},
        {"three", [&] { return jni.Strs({"a", "b", "c"}); }, 1, 0, {"a", "b", "c"}},
        {"255", [&] { return jni.Strs(Strings(many.begin(), many.begin() + 255)); }, 2, 2,
         Strings(many.begin(), many.begin() + 255)},
        {"256 cut to 255", [&] { return jni.Strs(many); }, -7, -7, Strings(many.begin(), many.begin() + 255)},
        {"300 characters", [&] { return jni.Strs({t300, ""}); }, 0, 0, {t300.substr(0, 255), ""}},
        {"elements not had", [&] { return jni.Arr({jni.BadStr(), nullptr, jni.Str("z")}); }, 0, 0, {"", "", "z"}},
        {"null array", [] { return nullptr; }, 1, 0, {}},
    };
    for (bool add : {true, false}) {
        const std::string m = add ? "addVpnDestIPJni" : "deleteVpnDestIPJni";
        for (const auto &c : cases) {
            zsim::Reset();
            Strings seen;
            int mode_seen = 99;
            const auto capture = [&](const VpnDestIPList *list, int mode) {
                for (int i = 0; i < list->Count; ++i) seen.emplace_back(list->DestIP[i], strnlen(list->DestIP[i], 256));
                mode_seen = mode;
                return 6;
            };
            ZSIM_SCRIPT(zivra_addVpnDestIPJni, capture);
            ZSIM_SCRIPT(zivra_deleteVpnDestIPJni, capture);
            const jobjectArray a = c.array();
            EXPECT_EQ(add ? JNI(addVpnDestIPJni)(env(), self(), a, c.mode) : JNI(deleteVpnDestIPJni)(env(), self(), a, c.mode), 6);
            EXPECT_EQ(seen, c.slots) << m << ": " << c.name;
            EXPECT_EQ(mode_seen, c.mode_seen) << m << ": " << c.name;
            EXPECT_EQ(Lines(), AtLevel2({m + " enter ==========>\n", m + ":return 6 leave ==========>\n"}));
        }
    }
}

TEST_F(VpnTest, RecordThatCannotBeHadGivesMinusOne) {
    FailCallocAfter(0);
    const int rc = JNI(addVpnDestIPJni)(env(), self(), jni.Strs({"a"}), 0);
    SKIP_UNLESS_CALLOC_FAILED();
    EXPECT_EQ(rc, -1);
    EXPECT_TRUE(Calls().empty());
    EXPECT_EQ(Lines(), AtLevel2({"addVpnDestIPJni enter ==========>\n", "addVpnDestIPJni: Alloc fail ==========>\n",
                                 "addVpnDestIPJni:return -1 leave ==========>\n"}));
}

}  // namespace
