// L2TPVPNServiceImp.
#include <cstring>
#include <functional>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_L2TPVPNServiceImp.h"
#include "fail_calloc.h"

#define JNI(method) Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_##method

namespace {

using VpnTest = BridgeTest;

TEST_F(VpnTest, Replies) {
    const std::string ips = "{\"Result\":0, \"ips\":[\"10.8.0.2\"]}";
    const auto list = [&] { return JNI(getConnectedIpListJni)(env(), self()); };
    // seen: the gateway's call ("" for none); error: the line between enter
    // and leave; ips: the connected-address text the gateway hands back.
    const struct { std::string method; std::function<jstring()> call; std::string reply, seen, error; const char *ips; } cases[] = {
        {"vpnOnJni", [&] { return JNI(vpnOnJni)(env(), self(), jni.Str("a"), jni.Str("b"), jni.Str("c")); },
         "{\"Result\":0}", "vpnOnJni(text1=\"a\" text2=\"b\" text3=\"c\")", "", nullptr},
        {"vpnOnJni", [&] { return JNI(vpnOnJni)(env(), self(), jni.Str("a"), nullptr, jni.Str("c")); }, "", "",
         "vpnOnJni: GetStringUTFChars = NULL\n", nullptr},
        {"vpnOffJni", [&] { return JNI(vpnOffJni)(env(), self(), jni.Str("x")); }, "{\"Result\":0}", "vpnOffJni(text=\"x\")", "", nullptr},
        // Characters not had, a Java null too: the gateway still stops the VPN, handed null.
        {"vpnOffJni", [&] { return JNI(vpnOffJni)(env(), self(), jni.BadStr()); }, "{\"Result\":0}", "vpnOffJni(text=(null))", "", nullptr},
        {"vpnOffJni", [&] { return JNI(vpnOffJni)(env(), self(), nullptr); }, "{\"Result\":0}", "vpnOffJni(text=(null))", "", nullptr},
        {"getVpnStatCmdJni", [&] { return JNI(getVpnStatCmdJni)(env(), self()); }, "{\"Result\":0, \"Status\":-9}", "getVpnStatCmdJni()", "",
         nullptr},
        {"getConnectedIpListJni", list, "{\"Result\":0, \"ips\":[]}", "getConnectedIpListJni(text=null)", "", nullptr},
        {"getConnectedIpListJni", list, ips, "getConnectedIpListJni(text=null)", "", ips.c_str()},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        // Whatever the gateway returns, Java hears of none of it.
        ZSIM_SCRIPT(zivra_vpnOnJni, [](const char *, const char *, const char *) { return -9; });
        ZSIM_SCRIPT(zivra_vpnOffJni, [](const char *) { return -9; });
        ZSIM_SCRIPT(zivra_getVpnStatCmdJni, [] { return -9; });
        // The text is the bridge's to free (a leak report otherwise).
        ZSIM_SCRIPT(zivra_getConnectedIpListJni, [&c](char **out) { return *out = c.ips ? strdup(c.ips) : *out, -9; });
        EXPECT_EQ(Text(c.call()), c.reply) << c.method;
        EXPECT_EQ(Calls(), Strings(!c.seen.empty(), c.seen)) << c.method;
        const bool ip = c.method == "getConnectedIpListJni";
        Strings lines = {c.method + ": enter============>\n", c.error,
                         c.method + (ip ? ": return " : ": return json = ") + c.reply + (ip ? " leave============>\n" : " leave ============>\n")};
        if (c.error.empty()) lines.erase(lines.begin() + 1);
        EXPECT_EQ(Lines(), AtLevel2(lines));
    }
}

TEST_F(VpnTest, DestinationRecords) {
    Strings many;
    for (int i = 0; i < 256; ++i) many.push_back("10.0." + std::to_string(i / 200) + "." + std::to_string(i % 200));
    // slots: the Count slots the gateway reads.
    const struct { const char *name; std::function<jobjectArray()> array; int mode, mode_seen; Strings slots; } cases[] = {
        {"three", [&] { return jni.Strs({"a", "b", "c"}); }, 1, 0, {"a", "b", "c"}},
        {"256 cut to 255", [&] { return jni.Strs(many); }, 2, 2, Strings(many.begin(), many.begin() + 255)},
        {"300 characters", [&] { return jni.Strs({std::string(300, 't'), ""}); }, -7, -7, {std::string(255, 't'), ""}},
        {"elements not had", [&] { return jni.Arr({jni.BadStr(), nullptr, jni.Str("z")}); }, 0, 0, {"", "", "z"}},
        {"null array, as an empty one", [] { return nullptr; }, 1, 0, {}},
    };
    for (bool add : {true, false}) {
        const std::string m = add ? "addVpnDestIPJni" : "deleteVpnDestIPJni";
        for (const auto &c : cases) {
            zsim::Reset();
            Strings seen;
            int mode_seen = 99;  // not called
            const auto capture = [&](const VpnDestIPList *list, int mode) {  // keeps the Count slots the gateway reads
                for (int i = 0; i < list->Count; ++i) seen.emplace_back(list->DestIP[i], strnlen(list->DestIP[i], 256));
                return mode_seen = mode, 6; };
            ZSIM_SCRIPT(zivra_addVpnDestIPJni, capture);
            ZSIM_SCRIPT(zivra_deleteVpnDestIPJni, capture);
            EXPECT_EQ((add ? JNI(addVpnDestIPJni) : JNI(deleteVpnDestIPJni))(env(), self(), c.array(), c.mode), 6);
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
