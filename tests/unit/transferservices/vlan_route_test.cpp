// VLANBindConfigServiceImp, TransferQueryServiceImp and
// StaticLayer3ForwardingConfigServiceImp.
#include <climits>
#include <cstring>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TransferQueryServiceImp.h"
#include "com_korvanta_nestrova_transferservices_VLANBindConfigServiceImp.h"

#define JNI(cls, method) Java_com_korvanta_nestrova_transferservices_##cls##_##method

namespace {

using VlanRouteTest = BridgeTest;

// Record layouts as the gateway sees them: key, offset, size (0: the 4-byte index).
struct Field { const char *key; size_t at, size; };
struct Query { std::string method, op; size_t record; std::vector<Field> fields; jstring (*fn)(JNIEnv *, jobject); };
const std::vector<Field> kV4 = {{"Index", 0, 0}, {"DestIPAddress", 4, 20}, {"DestSubnetMask", 24, 20},
                                {"GatewayIPAddress", 44, 20}, {"Interface", 64, 32}};
const std::vector<Field> kV6 = {{"Index", 0, 0}, {"DestIPPrefix", 4, 64}, {"NextHop", 68, 45}, {"Interface", 113, 32}};
#define Q(method, op, record, fields) {#method, op, record, fields, JNI(TransferQueryServiceImp, method)}
const Query kQueries[] = {
    Q(getVLANBindInfoJni, "getVLANBindInfo", 218, (std::vector<Field>{{"LanInterface", 0, 8}, {"Bind", 8, 210}})),
    // Both IPv4 queries read the configured table.
    Q(getLayer3ForwardingCurrentJni, "getLayer3ForwardingStaticConfigInfo", 96, kV4),
    Q(getLayer3ForwardingStaticConfigInfoJni, "getLayer3ForwardingStaticConfigInfo", 96, kV4),
    Q(getIPv6Layer3ForwardingCurrentJni, "getIPv6Layer3ForwardingCurrent", 148, kV6),
    Q(getIPv6Layer3ForwardingStaticConfigInfoJni, "getIPv6Layer3ForwardingStaticConfigInfo", 148, kV6),
};

// Record i: three-letter texts and index i, or (full) letters to the last
// byte of every field, no NUL, and the widest index.
std::string Record(const Query &q, int i, bool full) {
    std::string r(q.record, '\0');
    const int32_t index = full ? INT_MIN : i;
    for (const auto &f : q.fields) {
        if (f.size == 0) memcpy(&r[f.at], &index, 4);
        for (size_t b = 0; b < (full ? f.size : f.size > 0 ? 3 : 0); ++b) r[f.at + b] = static_cast<char>('a' + (i + b) % 26);
    }
    return r;
}

std::string Item(const Query &q, const char *r) {
    std::string out;
    int32_t index;
    memcpy(&index, r, 4);
    for (const auto &f : q.fields) {
        const std::string v = f.size == 0 ? std::to_string(index) : std::string(r + f.at, strnlen(r + f.at, f.size));
        out += (out.empty() ? "{\"" : ",\"") + std::string(f.key) + "\":\"" + v + "\"";
    }
    return out + "}";
}

TEST_F(VlanRouteTest, ListReplies) {
    const struct { const char *name; int records, count, result; bool full; } cases[] = {
        {"none", 0, 0, 0, false}, {"one", 1, 1, 0, false}, {"64 full", 64, 64, 0, true}, {"count 70", 64, 70, 0, true},
        {"count -2", 1, -2, 0, false}, {"gateway failed", 1, 1, 5, false},
    };
    for (const auto &q : kQueries) {
        for (const auto &c : cases) {
            zsim::Reset();
            std::string table, want = c.result != 0 ? "{\"Result\":-1,\"List\":[]}" : "{\"Result\":0,\"List\":[";
            for (int i = 0; i < c.records; ++i) table += Record(q, i, c.full);
            for (int i = 0; c.result == 0 && i < c.records && i < c.count; ++i)
                want += (i > 0 ? "," : "") + Item(q, &table[static_cast<size_t>(i) * q.record]);
            if (c.result == 0) want += "]}";
            const auto fill = [&](auto *t, int *count) {  // a zeroed table comes in
                EXPECT_EQ(std::string(reinterpret_cast<char *>(t), 64 * q.record), std::string(64 * q.record, '\0'));
                return memcpy(t, table.data(), table.size()), *count = c.count, c.result;
            };
            ZSIM_SCRIPT(zivra_getVLANBindInfo, fill);
            ZSIM_SCRIPT(zivra_getLayer3ForwardingStaticConfigInfo, fill);
            ZSIM_SCRIPT(zivra_getIPv6Layer3ForwardingCurrent, fill);
            ZSIM_SCRIPT(zivra_getIPv6Layer3ForwardingStaticConfigInfo, fill);
            EXPECT_EQ(Text(q.fn(env(), self())), want) << q.method << ": " << c.name;
            EXPECT_EQ(Calls(), Strings{q.op + "(count=0)"});
            EXPECT_EQ(Lines(), AtLevel2({q.method + "  enter============>\n", q.method + ": return json = " + want + "   leave============>\n"}));
        }
    }
}

// The status may fill the whole 30-byte buffer with no NUL.
TEST_F(VlanRouteTest, IptvStatus) {
    const std::string x30(30, 'x');
    for (int result : {0, 1}) {
        ZSIM_SCRIPT(zivra_getIPTVStatus, [result](char *s) { return memset(s, 'x', 30), result; });
        EXPECT_EQ(Text(JNI(TransferQueryServiceImp, getIPTVStatusJni)(env(), self())), result == 0 ? x30 : "");
    }
    EXPECT_EQ(Lines(), AtLevel2({"getIPTVStatusJni: return String = " + x30 + "   leave============>\n",
                                 "getIPTVStatusJni: return String =    leave============>\n"}));
}

TEST_F(VlanRouteTest, SetAndClearBinding) {
    // last: the last log line, after "<method>: "; released: the platform
    // calls made when each string went back.
    const struct { bool set; jstring name, bind; int rc; Strings calls; std::string last; std::vector<size_t> released; } cases[] = {
        {true, jni.Str("LAN2"), jni.Str(std::string(250, 'b')), 7,
         {"checkInterfaceFormat(name=\"LAN2\")", "setVLANBind(index=2 bind=\"" + std::string(208, 'b') + "\")"},
         "return value = 7   leave============>\n", {0, 1}},
        {true, jni.Str("WAN1"), jni.Str("1/2"), -1, {"checkInterfaceFormat(name=\"WAN1\")"}, "return value = -1   leave============>\n", {0, 1}},
        {true, jni.Str("LAN1"), nullptr, -1, {}, "Get jstring fail leave============>\n", {0}},  // a Java null
        {false, jni.Str("LAN3"), nullptr, 7, {"checkInterfaceFormat(name=\"LAN3\")", "clearVLANBind(index=3)"},
         "return value = 7   leave============>\n", {1}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setVLANBind, [](int, const char *) { return 7; });
        ZSIM_SCRIPT(zivra_clearVLANBind, [](int) { return 7; });
        const size_t before = jni.release_points().size();
        const std::string m = c.set ? "setVLANBindJni" : "clearVLANBindJni";
        EXPECT_EQ(c.set ? JNI(VLANBindConfigServiceImp, setVLANBindJni)(env(), self(), c.name, c.bind)
                        : JNI(VLANBindConfigServiceImp, clearVLANBindJni)(env(), self(), c.name), c.rc);
        EXPECT_EQ(Calls(), c.calls) << m << c.last;
        EXPECT_EQ(Lines(), AtLevel2({m + "  enter============>\n", m + ": " + c.last}));
        EXPECT_EQ(std::vector<size_t>(jni.release_points().begin() + static_cast<long>(before), jni.release_points().end()),
                  c.released) << m << c.last;
    }
}

// The record the gateway receives by value, byte for byte: zero but for
// the texts, each cut to its field less one byte.
TEST_F(VlanRouteTest, AddedRoutesAreWholeZeroedRecords) {
    const std::string d25(25, 'd'), h50(50, 'h'), p70(70, 'p'), i40(40, 'i');
    const auto image = [](size_t size, std::vector<std::pair<size_t, std::string>> texts) {
        std::string r(size, '\0');
        for (const auto &t : texts) r.replace(t.first, t.second.size(), t.second);
        return r;
    };
    const struct { bool v6; std::vector<jstring> args; std::string record; } cases[] = {  // "": no call
        {false, {jni.Str(d25), jni.Str("255.0.0.0"), jni.Str("192.168.1.1"), jni.Str(i40)},
         image(96, {{4, d25.substr(0, 19)}, {24, "255.0.0.0"}, {44, "192.168.1.1"}, {64, i40.substr(0, 31)}})},
        {false, {nullptr, jni.Str("b"), jni.Str("c"), jni.Str("d")}, ""},
        {true, {jni.Str(p70), jni.Str(h50), jni.Str(i40)}, image(148, {{4, p70.substr(0, 63)}, {68, h50.substr(0, 44)}, {113, i40.substr(0, 31)}})},
        {true, {jni.Str("2001:db8::/32"), jni.Str("::1"), nullptr}, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        std::string got;
        const auto keep = [&got](auto e) { return got.assign(reinterpret_cast<const char *>(&e), sizeof e), 4; };
        ZSIM_SCRIPT(zivra_addLayer3ForwardingStatic, keep);
        ZSIM_SCRIPT(zivra_addIPv6Layer3ForwardingStatic, keep);
        const std::string m = c.v6 ? "addIPv6Layer3ForwardingStaticJni" : "addLayer3ForwardingStaticJni";
        EXPECT_EQ(c.v6 ? JNI(StaticLayer3ForwardingConfigServiceImp, addIPv6Layer3ForwardingStaticJni)(env(), self(), c.args[0], c.args[1], c.args[2])
                       : JNI(StaticLayer3ForwardingConfigServiceImp, addLayer3ForwardingStaticJni)(env(), self(), c.args[0], c.args[1], c.args[2], c.args[3]),
                  c.record.empty() ? -1 : 4) << m;
        EXPECT_EQ(got, c.record) << m;
        // The IPv4 add writes no leave line.
        const std::string last = c.record.empty() ? "Get jString error\n" : "return value = 4   leave============>\n";
        EXPECT_EQ(Lines(), AtLevel2(c.v6 || c.record.empty() ? Strings{m + "  enter============>\n", m + ": " + last}
                                                             : Strings{m + "  enter============>\n"}));
    }
}

}  // namespace
