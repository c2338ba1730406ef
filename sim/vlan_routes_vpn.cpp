// Simulated VLAN binding, IPTV status, routing tables and L2TP VPN.
//
// - Each LAN port (LAN1..LAN4, indexes 1..4) has a binding text of VLAN
//   pairs "user/network" joined by ';' (ids 1..4094), empty when cleared.
//   Other interfaces cannot be bound. IPTV runs while any port is bound.
// - Static IPv4 and IPv6 routes (at most kRoutes of each) get the next free
//   index when added; addresses must parse, the interface must be named,
//   and the same destination cannot be routed twice. The IPv6 routes in
//   force are the connected ones followed by the static ones.
// - The VPN is up after a start with three non-empty texts and down after
//   a stop. Destinations are added and deleted in batches, applied whole or
//   not at all: mode 0 takes IPv4 addresses, mode 2 domain names; any other
//   mode, a count outside 0..255 or a slot with no NUL fails. While the VPN
//   is up with destinations, the connected list names them.
#include <arpa/inet.h>
#include <stdlib.h>
#include <string.h>

#include <mutex>
#include <string>

#include "sim/scenario.h"
#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

constexpr int kPorts = 4;
constexpr int kRoutes = 16;
constexpr int kDests = ZIVRA_VPN_DEST_SLOTS;

std::mutex mu;
char binds[kPorts][210];
Layer3ForwardingEntry v4[kRoutes];
int v4_count;
IPv6Layer3ForwardingEntry v6[kRoutes];
int v6_count;
int next_index;
bool vpn_up;
std::string dests[kDests];
int dest_count;

const IPv6Layer3ForwardingEntry kConnected6[] = {
    {0, "fe80::/64", "::", "br0", {0}},
    {0, "2001:db8:1::/64", "::", "br0", {0}},
};

void LoadScenario();

void ResetArea() {
    std::lock_guard<std::mutex> lock(mu);
    memset(binds, 0, sizeof binds);
    zsim::SetField(binds[3], "45/4000");
    memset(v4, 0, sizeof v4);
    memset(v6, 0, sizeof v6);
    v4[0] = Layer3ForwardingEntry{1, "10.0.0.0", "255.0.0.0", "192.168.1.254", "br0"};
    v4_count = 1;
    v6[0] = IPv6Layer3ForwardingEntry{2, "2001:db8:99::/48", "2001:db8:1::fe", "br0", {0}};
    v6_count = 1;
    next_index = 3;
    vpn_up = false;
    for (auto &d : dests) d.clear();
    dest_count = 0;
    LoadScenario();
}
zsim::OnReset reset_area(&ResetArea);

bool ValidBind(const char *text) {
    if (*text == '\0') return false;
    for (const char *p = text;;) {
        char *end = nullptr;
        const long user = strtol(p, &end, 10);
        if (end == p || *end != '/') return false;
        p = end + 1;
        const long net = strtol(p, &end, 10);
        if (end == p || user < 1 || user > 4094 || net < 1 || net > 4094) return false;
        if (*end == '\0') return true;
        if (*end != ';') return false;
        p = end + 1;
    }
}

template <size_t N>
bool Terminated(const char (&field)[N]) {
    return memchr(field, '\0', N) != nullptr;
}

bool Is4(const char *text) {
    in_addr a;
    return inet_pton(AF_INET, text, &a) == 1;
}

// "address/length" with an IPv6 address and a length of 0..128.
bool IsPrefix6(const char *text) {
    const char *slash = strchr(text, '/');
    if (slash == nullptr || slash - text >= 46) return false;
    char addr[46];
    memcpy(addr, text, static_cast<size_t>(slash - text));
    addr[slash - text] = '\0';
    char *end = nullptr;
    const long len = strtol(slash + 1, &end, 10);
    in6_addr a;
    return end != slash + 1 && *end == '\0' && len >= 0 && len <= 128 && inet_pton(AF_INET6, addr, &a) == 1;
}

// A scenario's "routes" replace the static IPv4 routes (the route indexes
// then count on from them); its "vpn" may be up, with destinations.
void LoadScenario() {
    const zsim::Setting list = zsim::Scenario("routes");
    if (list.Given()) {
        memset(v4, 0, sizeof v4);
        v4_count = static_cast<int>(list.Items(kRoutes));
        for (int i = 0; i < v4_count; ++i) {
            const zsim::Setting s = list.Item(static_cast<size_t>(i));
            s.Only({"dest", "mask", "gateway", "interface"});
            Layer3ForwardingEntry &r = v4[i];
            r.Index = i + 1;
            s.Need("dest").Text(r.DestIPAddress);
            s.Need("mask").Text(r.DestSubnetMask);
            s.Need("gateway").Text(r.GatewayIPAddress);
            s.Need("interface").Text(r.Interface);
            for (const char *key : {"dest", "mask", "gateway"}) {
                std::string text;
                s.Member(key).Text(&text, 19);
                if (!Is4(text.c_str())) s.Member(key).Refuse("expected an IPv4 address");
            }
        }
        for (int i = 0; i < v6_count; ++i) v6[i].Index = v4_count + 1 + i;
        next_index = v4_count + v6_count + 1;
    }
    const zsim::Setting vpn = zsim::Scenario("vpn");
    vpn.Only({"up", "destinations"});
    vpn.Member("up").Flag(&vpn_up);
    const zsim::Setting to = vpn.Member("destinations");
    dest_count = static_cast<int>(to.Items(kDests));
    for (int i = 0; i < dest_count; ++i) to.Item(static_cast<size_t>(i)).Text(&dests[i], ZIVRA_VPN_DEST_WIDTH - 1);
}

template <class Entry>
int CopyTable(Entry *out, int *count, const Entry *from, int n) {
    for (int i = 0; i < n; ++i) out[i] = from[i];
    *count = n;
    return 0;
}

template <class Entry>
int DeleteRoute(Entry *table, int &count, int index) {
    std::lock_guard<std::mutex> lock(mu);
    for (int i = 0; i < count; ++i) {
        if (table[i].Index != index) continue;
        for (int j = i; j + 1 < count; ++j) table[j] = table[j + 1];
        memset(&table[--count], 0, sizeof table[0]);
        return 0;
    }
    return -1;
}

std::string Slot(const VpnDestIPList *list, int i) {
    return std::string(list->DestIP[i], strnlen(list->DestIP[i], ZIVRA_VPN_DEST_WIDTH));
}

// Checks a batch: count within the record, every slot terminated and of
// the mode's kind.
bool ValidBatch(const VpnDestIPList *list, int mode) {
    if (list->Count < 0 || list->Count > kDests || (mode != 0 && mode != 2)) return false;
    for (int i = 0; i < list->Count; ++i) {
        if (!Terminated(list->DestIP[i]) || list->DestIP[i][0] == '\0') return false;
        if (mode == 0 && !Is4(list->DestIP[i])) return false;
    }
    return true;
}

int FindDest(const std::string &d) {
    for (int i = 0; i < dest_count; ++i) {
        if (dests[i] == d) return i;
    }
    return -1;
}

}  // namespace

extern "C" int zivra_setVLANBind(int index, const char *bind) {
    zsim::Record("setVLANBind", "index=%d bind=%s", index, zsim::Quote(bind).c_str());
    ZSIM_RUN_SCRIPT(zivra_setVLANBind, index, bind);
    if (index < 1 || index > kPorts || bind == nullptr || !ValidBind(bind)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    zsim::SetField(binds[index - 1], bind);
    return 0;
}

extern "C" int zivra_clearVLANBind(int index) {
    zsim::Record("clearVLANBind", "index=%d", index);
    ZSIM_RUN_SCRIPT(zivra_clearVLANBind, index);
    if (index < 1 || index > kPorts) return -1;
    std::lock_guard<std::mutex> lock(mu);
    binds[index - 1][0] = '\0';
    return 0;
}

extern "C" int zivra_getVLANBindInfo(VLANBindEntry *table, int *count) {
    zsim::Record("getVLANBindInfo", "count=%d", *count);
    ZSIM_RUN_SCRIPT(zivra_getVLANBindInfo, table, count);
    std::lock_guard<std::mutex> lock(mu);
    for (int i = 0; i < kPorts; ++i) {
        snprintf(table[i].LanInterface, sizeof table[i].LanInterface, "LAN%d", i + 1);
        memcpy(table[i].Bind, binds[i], sizeof table[i].Bind);
    }
    *count = kPorts;
    return 0;
}

extern "C" int zivra_getIPTVStatus(char *status) {
    zsim::Record("getIPTVStatus", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getIPTVStatus, status);
    std::lock_guard<std::mutex> lock(mu);
    bool bound = false;
    for (const auto &b : binds) bound = bound || b[0] != '\0';
    snprintf(status, 30, "%s", bound ? "Enabled" : "Disabled");
    return 0;
}

extern "C" int zivra_getLayer3ForwardingStaticConfigInfo(Layer3ForwardingEntry *table, int *count) {
    zsim::Record("getLayer3ForwardingStaticConfigInfo", "count=%d", *count);
    ZSIM_RUN_SCRIPT(zivra_getLayer3ForwardingStaticConfigInfo, table, count);
    std::lock_guard<std::mutex> lock(mu);
    return CopyTable(table, count, v4, v4_count);
}

extern "C" int zivra_getIPv6Layer3ForwardingCurrent(IPv6Layer3ForwardingEntry *table, int *count) {
    zsim::Record("getIPv6Layer3ForwardingCurrent", "count=%d", *count);
    ZSIM_RUN_SCRIPT(zivra_getIPv6Layer3ForwardingCurrent, table, count);
    std::lock_guard<std::mutex> lock(mu);
    int n = 0;
    for (const auto &c : kConnected6) table[n++] = c;
    for (int i = 0; i < v6_count; ++i) table[n++] = v6[i];
    *count = n;
    return 0;
}

extern "C" int zivra_getIPv6Layer3ForwardingStaticConfigInfo(IPv6Layer3ForwardingEntry *table, int *count) {
    zsim::Record("getIPv6Layer3ForwardingStaticConfigInfo", "count=%d", *count);
    ZSIM_RUN_SCRIPT(zivra_getIPv6Layer3ForwardingStaticConfigInfo, table, count);
    std::lock_guard<std::mutex> lock(mu);
    return CopyTable(table, count, v6, v6_count);
}

extern "C" int zivra_addLayer3ForwardingStatic(Layer3ForwardingEntry e) {
    zsim::Record("addLayer3ForwardingStatic", "index=%d dest=%.20s mask=%.20s gateway=%.20s interface=%.32s",
                 static_cast<int>(e.Index), e.DestIPAddress, e.DestSubnetMask, e.GatewayIPAddress, e.Interface);
    ZSIM_RUN_SCRIPT(zivra_addLayer3ForwardingStatic, e);
    if (!Terminated(e.DestIPAddress) || !Terminated(e.DestSubnetMask) || !Terminated(e.GatewayIPAddress) ||
        !Terminated(e.Interface) || !Is4(e.DestIPAddress) || !Is4(e.DestSubnetMask) || !Is4(e.GatewayIPAddress) ||
        e.Interface[0] == '\0')
        return -1;
    std::lock_guard<std::mutex> lock(mu);
    if (v4_count == kRoutes) return -1;
    for (int i = 0; i < v4_count; ++i) {
        if (strcmp(v4[i].DestIPAddress, e.DestIPAddress) == 0 && strcmp(v4[i].DestSubnetMask, e.DestSubnetMask) == 0)
            return -1;
    }
    e.Index = next_index++;
    v4[v4_count++] = e;
    return 0;
}

extern "C" int zivra_addIPv6Layer3ForwardingStatic(IPv6Layer3ForwardingEntry e) {
    zsim::Record("addIPv6Layer3ForwardingStatic", "index=%d prefix=%.64s nextHop=%.45s interface=%.32s",
                 static_cast<int>(e.Index), e.DestIPPrefix, e.NextHop, e.Interface);
    ZSIM_RUN_SCRIPT(zivra_addIPv6Layer3ForwardingStatic, e);
    in6_addr hop;
    if (!Terminated(e.DestIPPrefix) || !Terminated(e.NextHop) || !Terminated(e.Interface) ||
        !IsPrefix6(e.DestIPPrefix) || inet_pton(AF_INET6, e.NextHop, &hop) != 1 || e.Interface[0] == '\0')
        return -1;
    std::lock_guard<std::mutex> lock(mu);
    if (v6_count == kRoutes) return -1;
    for (int i = 0; i < v6_count; ++i) {
        if (strcmp(v6[i].DestIPPrefix, e.DestIPPrefix) == 0) return -1;
    }
    e.Index = next_index++;
    v6[v6_count++] = e;
    return 0;
}

extern "C" int zivra_deleteLayer3ForwardingStatic(int index) {
    zsim::Record("deleteLayer3ForwardingStatic", "index=%d", index);
    ZSIM_RUN_SCRIPT(zivra_deleteLayer3ForwardingStatic, index);
    return DeleteRoute(v4, v4_count, index);
}

extern "C" int zivra_deleteIPv6Layer3ForwardingStatic(int index) {
    zsim::Record("deleteIPv6Layer3ForwardingStatic", "index=%d", index);
    ZSIM_RUN_SCRIPT(zivra_deleteIPv6Layer3ForwardingStatic, index);
    return DeleteRoute(v6, v6_count, index);
}

extern "C" int zivra_vpnOnJni(const char *text1, const char *text2, const char *text3) {
    zsim::Record("vpnOnJni", "text1=%s text2=%s text3=%s", zsim::Quote(text1).c_str(), zsim::Quote(text2).c_str(),
                 zsim::Quote(text3).c_str());
    ZSIM_RUN_SCRIPT(zivra_vpnOnJni, text1, text2, text3);
    if (text1 == nullptr || text2 == nullptr || text3 == nullptr || !*text1 || !*text2 || !*text3) return -1;
    std::lock_guard<std::mutex> lock(mu);
    vpn_up = true;
    return 0;
}

extern "C" int zivra_vpnOffJni(const char *text) {
    // The bridge hands on whatever characters it had, null included, so a
    // null text here is not the bridge's fault: it still stops the VPN.
    zsim::Record("vpnOffJni", "text=%s", zsim::QuoteOptional(text).c_str());
    ZSIM_RUN_SCRIPT(zivra_vpnOffJni, text);
    std::lock_guard<std::mutex> lock(mu);
    vpn_up = false;
    return 0;
}

// 0: down, 1: up.
extern "C" int zivra_getVpnStatCmdJni(void) {
    zsim::Record("getVpnStatCmdJni", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getVpnStatCmdJni);
    std::lock_guard<std::mutex> lock(mu);
    return vpn_up ? 1 : 0;
}

extern "C" int zivra_getConnectedIpListJni(char **text) {
    zsim::Record("getConnectedIpListJni", "text=%s", *text == nullptr ? "null" : "set");
    ZSIM_RUN_SCRIPT(zivra_getConnectedIpListJni, text);
    std::lock_guard<std::mutex> lock(mu);
    if (!vpn_up || dest_count == 0) return 0;
    std::string reply = "{\"Result\":0, \"ips\":[";
    for (int i = 0; i < dest_count; ++i) reply += (i > 0 ? ",\"" : "\"") + dests[i] + "\"";
    reply += "]}";
    *text = static_cast<char *>(malloc(reply.size() + 1));
    if (*text != nullptr) memcpy(*text, reply.c_str(), reply.size() + 1);
    return 0;
}

extern "C" int zivra_addVpnDestIPJni(const VpnDestIPList *list, int mode) {
    zsim::Record("addVpnDestIPJni", "count=%d mode=%d", static_cast<int>(list->Count), mode);
    ZSIM_RUN_SCRIPT(zivra_addVpnDestIPJni, list, mode);
    std::lock_guard<std::mutex> lock(mu);
    if (!ValidBatch(list, mode)) return -1;
    int n = dest_count;
    std::string next[kDests];
    for (int i = 0; i < n; ++i) next[i] = dests[i];
    for (int i = 0; i < list->Count; ++i) {
        const std::string d = Slot(list, i);
        bool known = false;
        for (int j = 0; j < n; ++j) known = known || next[j] == d;
        if (known) continue;
        if (n == kDests) return -1;
        next[n++] = d;
    }
    for (int i = 0; i < n; ++i) dests[i] = next[i];
    dest_count = n;
    return 0;
}

extern "C" int zivra_deleteVpnDestIPJni(const VpnDestIPList *list, int mode) {
    zsim::Record("deleteVpnDestIPJni", "count=%d mode=%d", static_cast<int>(list->Count), mode);
    ZSIM_RUN_SCRIPT(zivra_deleteVpnDestIPJni, list, mode);
    std::lock_guard<std::mutex> lock(mu);
    if (!ValidBatch(list, mode)) return -1;
    for (int i = 0; i < list->Count; ++i) {
        if (FindDest(Slot(list, i)) < 0) return -1;
    }
    for (int i = 0; i < list->Count; ++i) {
        const int at = FindDest(Slot(list, i));
        if (at < 0) continue;  // named twice in the batch
        for (int j = at; j + 1 < dest_count; ++j) dests[j] = dests[j + 1];
        dests[--dest_count].clear();
    }
    return 0;
}
