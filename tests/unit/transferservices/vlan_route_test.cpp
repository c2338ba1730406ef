// VLANBindConfigServiceImp, TransferQueryServiceImp and
// StaticLayer3ForwardingConfigServiceImp.
#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bridge_test.h"
#include "com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp.h"
#include "com_korvanta_nestrova_transferservices_TransferQueryServiceImp.h"
#include "com_korvanta_nestrova_transferservices_VLANBindConfigServiceImp.h"

#define JNI(cls, method) Java_com_korvanta_nestrova_transferservices_##cls##_##method

namespace {

using VlanRouteTest = BridgeTest;
using Strings = std::vector<std::string>;

// Record layouts as the gateway sees them; size 0 is the 4-byte index.
struct Field { const char *key; size_t at, size; };
struct Kind { size_t record; std::vector<Field> fields; };
const Kind kVlan{218, {{"LanInterface", 0, 8}, {"Bind", 8, 210}}};
const Kind kV4{96, {{"Index", 0, 0}, {"DestIPAddress", 4, 20}, {"DestSubnetMask", 24, 20},
                    {"GatewayIPAddress", 44, 20}, {"Interface", 64, 32}}};
const Kind kV6{148, {{"Index", 0, 0}, {"DestIPPrefix", 4, 64}, {"NextHop", 68, 45}, {"Interface", 113, 32}}};

// Record i: short texts, or every byte a letter (no NUL) and the widest index.
std::string Record(const Kind &k, int i, bool full) {
    std::string r(k.record, '\0');
    for (const auto &f : k.fields) {
        const int32_t index = full ? INT_MIN : i;
        if (f.size == 0) memcpy(&r[f.at], &index, 4);
        for (size_t b = 0; f.size > 0 && b < (full ? f.size : 3); ++b) r[f.at + b] = static_cast<char>('a' + (i + b) % 26);
    }
    return r;
}

std::string Item(const Kind &k, const char *r) {
    std::string out;
    for (const auto &f : k.fields) {
        int32_t index;
        memcpy(&index, r, 4);
        const std::string v = f.size == 0 ? std::to_string(index) : std::string(r + f.at, strnlen(r + f.at, f.size));
        out += (out.empty() ? "{\"" : ",\"") + std::string(f.key) + "\":\"" + v + "\"";
    }
    return out + "}";
}

struct Query { std::string method, op; const Kind *kind; jstring (*fn)(JNIEnv *, jobject); };
const Query kQueries[] = {
    {"getVLANBindInfoJni", "getVLANBindInfo", &kVlan, JNI(TransferQueryServiceImp, getVLANBindInfoJni)},
    // Both IPv4 queries read the configured table.
    {"getLayer3ForwardingCurrentJni", "getLayer3ForwardingStaticConfigInfo", &kV4,
     JNI(TransferQueryServiceImp, getLayer3ForwardingCurrentJni)},
    {"getLayer3ForwardingStaticConfigInfoJni", "getLayer3ForwardingStaticConfigInfo", &kV4,
     JNI(TransferQueryServiceImp, getLayer3ForwardingStaticConfigInfoJni)},
    {"getIPv6Layer3ForwardingCurrentJni", "getIPv6Layer3ForwardingCurrent", &kV6,
     JNI(TransferQueryServiceImp, getIPv6Layer3ForwardingCurrentJni)},
    {"getIPv6Layer3ForwardingStaticConfigInfoJni", "getIPv6Layer3ForwardingStaticConfigInfo", &kV6,
     JNI(TransferQueryServiceImp, getIPv6Layer3ForwardingStaticConfigInfoJni)},
};

TEST_F(VlanRouteTest, ListReplies) {
    const struct { const char *name; int records, count, result; bool full; } cases[] = {
        {"none", 0, 0, 0, false}, {"one", 1, 1, 0, false}, {"two full", 2, 2, 0, true},
        {"64 full", 64, 64, 0, true}, {"count 70", 64, 70, 0, true}, {"count -2", 1, -2, 0, false},
        {"gateway failed", 1, 1, 5, false},
    };
    for (const auto &q : kQueries) {
        for (const auto &c : cases) {
            zsim::Reset();
            std::string table;
            for (int i = 0; i < c.records; ++i) table += Record(*q.kind, i, c.full);
            const auto fill = [&](auto *t, int *count) {
                EXPECT_EQ(std::string(reinterpret_cast<char *>(t), 64 * q.kind->record), std::string(64 * q.kind->record, '\0'));
                memcpy(t, table.data(), table.size());
                *count = c.count;
                return c.result;
            };
            ZSIM_SCRIPT(zivra_getVLANBindInfo, fill);
            ZSIM_SCRIPT(zivra_getLayer3ForwardingStaticConfigInfo, fill);
            ZSIM_SCRIPT(zivra_getIPv6Layer3ForwardingCurrent, fill);
            ZSIM_SCRIPT(zivra_getIPv6Layer3ForwardingStaticConfigInfo, fill);
            std::string want = "{\"Result\":-1,\"List\":[]}";
            if (c.result == 0) {
                want = "{\"Result\":0,\"List\":[";
                for (int i = 0; i < c.records && i < c.count; ++i)
                    want += (i > 0 ? "," : "") + Item(*q.kind, &table[static_cast<size_t>(i) * q.kind->record]);
                want += "]}";
            }
            EXPECT_EQ(Text(q.fn(env(), self())), want) << q.method << ": " << c.name;
            EXPECT_EQ(Calls(), Strings{q.op + "(count=0)"});
            EXPECT_EQ(Lines(), AtLevel2({q.method + "  enter============>\n",
                                         q.method + ": return json = " + want + "   leave============>\n"}));
        }
    }
    zsim::Reset();
    ZSIM_SCRIPT(zivra_getLayer3ForwardingStaticConfigInfo, [](Layer3ForwardingEntry *t, int *count) {
        t[0] = Layer3ForwardingEntry{1, "10.0.0.0", "255.0.0.0", "192.168.1.1", "br0"};
        return *count = 1, 0;
    });
    EXPECT_EQ(Text(kQueries[1].fn(env(), self())),
              "{\"Result\":0,\"List\":[{\"Index\":\"1\",\"DestIPAddress\":\"10.0.0.0\",\"DestSubnetMask\":"
              "\"255.0.0.0\",\"GatewayIPAddress\":\"192.168.1.1\",\"Interface\":\"br0\"}]}");
}

TEST_F(VlanRouteTest, IptvStatus) {
    const struct { int result; std::string text, want; } cases[] = {
        {0, "Enabled", "Enabled"}, {0, std::string(30, 'x'), std::string(30, 'x')}, {1, "Enabled", ""}};
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_getIPTVStatus, [&c](char *s) { return memcpy(s, c.text.data(), c.text.size()), c.result; });
        EXPECT_EQ(Text(JNI(TransferQueryServiceImp, getIPTVStatusJni)(env(), self())), c.want);
        EXPECT_EQ(Lines(), AtLevel2({"getIPTVStatusJni: return String = " + c.want + "   leave============>\n"}));
    }
}

TEST_F(VlanRouteTest, SetAndClearBinding) {
    const std::string b250(250, 'b');
    const struct {
        bool set;
        jstring name, bind;
        int rc;
        Strings calls;
        std::string last;  // last log line, after "<method>: "
        std::vector<size_t> released;  // platform calls made when each string went back
    } cases[] = {
        {true, jni.Str("LAN2"), jni.Str(b250), 7,
         {"checkInterfaceFormat(name=\"LAN2\")", "setVLANBind(index=2 bind=\"" + b250.substr(0, 208) + "\")"},
         "return value = 7   leave============>\n", {0, 1}},
        {true, jni.Str("WAN1"), jni.Str("10/20"), -1, {"checkInterfaceFormat(name=\"WAN1\")"},
         "return value = -1   leave============>\n", {0, 1}},
        {true, jni.BadStr(), jni.Str("10/20"), -1, {}, "Get jstring fail leave============>\n", {0}},
        {true, jni.Str("LAN1"), nullptr, -1, {}, "Get jstring fail leave============>\n", {0}},
        {false, jni.Str("LAN3"), nullptr, 7, {"checkInterfaceFormat(name=\"LAN3\")", "clearVLANBind(index=3)"},
         "return value = 7   leave============>\n", {1}},
        {false, jni.Str("LAN9"), nullptr, -1, {"checkInterfaceFormat(name=\"LAN9\")"},
         "return value = -1   leave============>\n", {1}},
        {false, nullptr, nullptr, -1, {}, "Get jstring fail leave============>\n", {}},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        ZSIM_SCRIPT(zivra_setVLANBind, [](int, const char *) { return 7; });
        ZSIM_SCRIPT(zivra_clearVLANBind, [](int) { return 7; });
        const size_t before = jni.release_points().size();
        const std::string m = c.set ? "setVLANBindJni" : "clearVLANBindJni";
        EXPECT_EQ(c.set ? JNI(VLANBindConfigServiceImp, setVLANBindJni)(env(), self(), c.name, c.bind)
                        : JNI(VLANBindConfigServiceImp, clearVLANBindJni)(env(), self(), c.name),
                  c.rc);
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
    const struct {
        bool v6;
        std::vector<jstring> args;
        std::string record;  // "" when the gateway is not called
    } cases[] = {
        {false, {jni.Str(d25), jni.Str("255.0.0.0"), jni.Str("192.168.1.1"), jni.Str(i40)},
         image(96, {{4, d25.substr(0, 19)}, {24, "255.0.0.0"}, {44, "192.168.1.1"}, {64, i40.substr(0, 31)}})},
        {false, {jni.Str("a"), jni.Str("b"), jni.BadStr(), jni.Str("d")}, ""},
        {false, {nullptr, jni.Str("b"), jni.Str("c"), jni.Str("d")}, ""},
        {true, {jni.Str(p70), jni.Str(h50), jni.Str(i40)},
         image(148, {{4, p70.substr(0, 63)}, {68, h50.substr(0, 44)}, {113, i40.substr(0, 31)}})},
        {true, {jni.Str("2001:db8::/32"), jni.Str("::1"), nullptr}, ""},
    };
    for (const auto &c : cases) {
        zsim::Reset();
        std::string got;
        ZSIM_SCRIPT(zivra_addLayer3ForwardingStatic, [&got](Layer3ForwardingEntry e) {
            return got.assign(reinterpret_cast<const char *>(&e), sizeof e), 4;
        });
        ZSIM_SCRIPT(zivra_addIPv6Layer3ForwardingStatic, [&got](IPv6Layer3ForwardingEntry e) {
            return got.assign(reinterpret_cast<const char *>(&e), sizeof e), 4;
        });
        const auto &a = c.args;
        const std::string m = c.v6 ? "addIPv6Layer3ForwardingStaticJni" : "addLayer3ForwardingStaticJni";
        const int rc = c.v6 ? JNI(StaticLayer3ForwardingConfigServiceImp, addIPv6Layer3ForwardingStaticJni)(
                                  env(), self(), a[0], a[1], a[2])
                            : JNI(StaticLayer3ForwardingConfigServiceImp, addLayer3ForwardingStaticJni)(
                                  env(), self(), a[0], a[1], a[2], a[3]);
        EXPECT_EQ(rc, c.record.empty() ? -1 : 4) << m;
        EXPECT_EQ(got, c.record) << m;
        Strings lines = {m + "  enter============>\n"};
        if (c.record.empty()) lines.push_back(m + ": Get jString error\n");
        else if (c.v6) lines.push_back(m + ": return value = 4   leave============>\n");
        EXPECT_EQ(Lines(), AtLevel2(lines));
    }
}

}  // namespace
