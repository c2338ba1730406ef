// Simulated uplink: the WAN connections (two at first, the Internet one and
// one for management and voice, each with byte counters past 2^32), the PON
// link with its optical levels and registration, and the uplink counters.
//
// WAN indexes are 1 to kMaxWans. addWANIf(serviceList, connectionType,
// vlanId) takes the lowest free index; setWANIf takes "Key=Value" pairs
// separated by ';' and applies them all or none. Unknown indexes, keys or
// values too long for their field give -1.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <chrono>
#include <mutex>
#include <string>

#include "sim/scenario.h"
#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

constexpr int kMaxWans = 4;
constexpr int kPonUpTimeAtStart = 183245;  // seconds the link had been up at start

struct Wan {
    bool used;
    WANIfConnRecord conn;
    WANIfIPv4Record v4;
    WANIfIPv6Record v6;
    uint64_t us, ds;
    unsigned upKbps, downKbps;
};

std::mutex mu;
Wan wans[kMaxWans];
std::chrono::steady_clock::time_point started;

void SetConn(Wan &w, const char *lans, const char *vlan, const char *type, const char *user,
             const char *services) {
    zsim::SetField(w.conn.LanInterface, lans);
    zsim::SetField(w.conn.VLANMode, "2");
    zsim::SetField(w.conn.VLANIDMark, vlan);
    zsim::SetField(w.conn.Dot1pMark, "0");
    zsim::SetField(w.conn.MulticastVlan, "");
    zsim::SetField(w.conn.LanInterfaceDHCPEnable, "true");
    zsim::SetField(w.conn.IPMode, "3");
    zsim::SetField(w.conn.ConnectionType, type);
    zsim::SetField(w.conn.NATEnabled, strcmp(type, "IP_Routed") == 0 ? "true" : "false");
    zsim::SetField(w.conn.Username, user);
    zsim::SetField(w.conn.ConnectionTrigger, "AlwaysOn");
    zsim::SetField(w.conn.ServiceList, services);
}

// A scenario's "wans" replace the built-in connections, indexes from 1 in
// list order.
void LoadScenario() {
    const zsim::Setting list = zsim::Scenario("wans");
    if (!list.Given()) return;
    memset(wans, 0, sizeof wans);
    for (size_t i = 0, n = list.Items(kMaxWans); i < n; ++i) {
        const zsim::Setting s = list.Item(i);
        s.Only({"services", "type", "vlan", "lanInterface", "username", "addressing", "ip", "mask", "gateway", "dns",
                "mac", "ipv6", "usStats", "dsStats", "upKbps", "downKbps"});
        static const char *const kTypes[] = {"IP_Routed", "IP_Bridged", nullptr};
        char type[16] = "IP_Routed";
        s.Member("type").Choice(type, sizeof type, kTypes);
        int vlan = 1;
        s.Member("vlan").Int(&vlan, 1, 4094);
        Wan &w = wans[i];
        w.used = true;
        SetConn(w, "", std::to_string(vlan).c_str(), type, "", "");
        s.Need("services").Text(w.conn.ServiceList);
        s.Member("lanInterface").Text(w.conn.LanInterface);
        s.Member("username").Text(w.conn.Username);
        zsim::SetField(w.v4.AddressingType, "DHCP");
        s.Member("addressing").Text(w.v4.AddressingType);
        s.Member("ip").Text(w.v4.ExternalIPAddress);
        s.Member("mask").Text(w.v4.SubnetMask);
        s.Member("gateway").Text(w.v4.DefaultGateway);
        s.Member("dns").Text(w.v4.DNSServers);
        zsim::SetField(w.v4.DNSEnabled, w.v4.DNSServers[0] != '\0' ? "true" : "false");
        s.Member("mac").Mac(w.v4.MACAddress);
        s.Member("ipv6").Text(w.v6.IPv6IPAddress);
        zsim::SetField(w.v6.IPv6DsliteEnable, "false");
        zsim::SetField(w.v6.IPv6AftrMode, "0");
        s.Member("usStats").Count(&w.us);
        s.Member("dsStats").Count(&w.ds);
        uint64_t up = 0, down = 0;
        s.Member("upKbps").Count(&up, UINT32_MAX);
        s.Member("downKbps").Count(&down, UINT32_MAX);
        w.upKbps = static_cast<unsigned>(up);
        w.downKbps = static_cast<unsigned>(down);
    }
}

void ResetWan() {
    std::lock_guard<std::mutex> lock(mu);
    memset(wans, 0, sizeof wans);
    started = std::chrono::steady_clock::now();

    Wan &inet = wans[0];
    inet.used = true;
    SetConn(inet, "LAN1,LAN2,LAN3,LAN4,SSID1", "41", "IP_Routed", "kv0100234567", "INTERNET");
    zsim::SetField(inet.conn.MulticastVlan, "43");
    zsim::SetField(inet.v4.AddressingType, "PPPoE");
    zsim::SetField(inet.v4.ExternalIPAddress, "100.72.18.203");
    zsim::SetField(inet.v4.SubnetMask, "255.255.255.255");
    zsim::SetField(inet.v4.DefaultGateway, "100.72.0.1");
    zsim::SetField(inet.v4.DNSEnabled, "true");
    zsim::SetField(inet.v4.DNSServers, "198.51.100.53,198.51.100.54");
    zsim::SetField(inet.v4.MACAddress, "00:1A:2B:3C:4E:01");
    zsim::SetField(inet.v6.IPv6IPAddressOrigin, "AutoConfigured");
    zsim::SetField(inet.v6.IPv6IPAddress, "2001:db8:41:7::1a2b");
    zsim::SetField(inet.v6.IPv6DNSServers, "2001:db8::53");
    zsim::SetField(inet.v6.IPv6PrefixDelegationEnabled, "true");
    zsim::SetField(inet.v6.IPv6PrefixOrigin, "PrefixDelegation");
    zsim::SetField(inet.v6.IPv6Prefix, "2001:db8:41:7f00::/56");
    zsim::SetField(inet.v6.IPv6PrefixPltime, "3600");
    zsim::SetField(inet.v6.IPv6PrefixVltime, "7200");
    zsim::SetField(inet.v6.IPv6DefaultGateway, "fe80::1");
    zsim::SetField(inet.v6.IPv6DsliteEnable, "false");
    zsim::SetField(inet.v6.IPv6AftrMode, "0");
    inet.us = 6012345678ULL;
    inet.ds = 48876543210ULL;
    inet.upKbps = 102400;
    inet.downKbps = 1024000;

    Wan &mgmt = wans[1];
    mgmt.used = true;
    SetConn(mgmt, "", "45", "IP_Routed", "", "TR069_VOIP");
    zsim::SetField(mgmt.v4.AddressingType, "DHCP");
    zsim::SetField(mgmt.v4.ExternalIPAddress, "10.46.3.77");
    zsim::SetField(mgmt.v4.SubnetMask, "255.255.0.0");
    zsim::SetField(mgmt.v4.DefaultGateway, "10.46.0.1");
    zsim::SetField(mgmt.v4.DNSEnabled, "true");
    zsim::SetField(mgmt.v4.DNSServers, "10.46.0.53");
    zsim::SetField(mgmt.v4.MACAddress, "00:1A:2B:3C:4E:02");
    zsim::SetField(mgmt.v6.IPv6DsliteEnable, "false");
    zsim::SetField(mgmt.v6.IPv6AftrMode, "0");
    mgmt.us = 4300000123ULL;
    mgmt.ds = 5123456789ULL;
    mgmt.upKbps = 2048;
    mgmt.downKbps = 2048;
    LoadScenario();
}
zsim::OnReset reset_wan(&ResetWan);

Wan *Find(int index) {
    return index >= 1 && index <= kMaxWans && wans[index - 1].used ? &wans[index - 1] : nullptr;
}

// Copies a value into a field when it fits (NUL included); false otherwise.
template <size_t N>
bool Put(char (&field)[N], const std::string &value) {
    if (value.size() >= N) return false;
    zsim::SetField(field, value.c_str());
    return true;
}

bool Apply(WANIfConnRecord &c, WANIfIPv4Record &v4, const std::string &key, const std::string &value) {
    if (key == "VLANIDMark") return Put(c.VLANIDMark, value);
    if (key == "802-1pMark") return Put(c.Dot1pMark, value);
    if (key == "NATEnabled") return Put(c.NATEnabled, value);
    if (key == "Username") return Put(c.Username, value);
    if (key == "ConnectionTrigger") return Put(c.ConnectionTrigger, value);
    if (key == "ServiceList") return Put(c.ServiceList, value);
    if (key == "LanInterface") return Put(c.LanInterface, value);
    if (key == "DNSServers") return Put(v4.DNSServers, value);
    return false;
}

// Text within a caller's buffer of `size` bytes: 0, or -1 when it would not fit.
int Reply(char *out, size_t size, const std::string &text) {
    if (text.size() >= size) return -1;
    memcpy(out, text.c_str(), text.size() + 1);
    return 0;
}

}  // namespace

extern "C" int zivra_getInternetWANIndex(void) {
    zsim::Record("getInternetWANIndex", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getInternetWANIndex);
    std::lock_guard<std::mutex> lock(mu);
    for (int i = 0; i < kMaxWans; ++i) {
        if (wans[i].used && strstr(wans[i].conn.ServiceList, "INTERNET") != nullptr) return i + 1;
    }
    return -1;
}

extern "C" int zivra_getPONIfUpTime(void) {
    zsim::Record("getPONIfUpTime", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getPONIfUpTime);
    std::lock_guard<std::mutex> lock(mu);
    const auto up = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started);
    return kPonUpTimeAtStart + static_cast<int>(up.count());
}

extern "C" int zivra_getWANIfList(char reply[ZIVRA_WAN_LIST_SIZE]) {
    zsim::Record("getWANIfList", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getWANIfList, reply);
    std::lock_guard<std::mutex> lock(mu);
    std::string text = "{\"Result\":0,\"List\":[";
    const char *sep = "";
    for (int i = 0; i < kMaxWans; ++i) {
        const Wan &w = wans[i];
        if (!w.used) continue;
        text += sep;
        text += "{\"WANIndex\":" + std::to_string(i + 1) + ",\"WANName\":\"" + std::to_string(i + 1) + "_" +
                w.conn.ServiceList + "_" + (w.conn.ConnectionType[3] == 'R' ? "R" : "B") + "_VID_" +
                w.conn.VLANIDMark + "\",\"ServiceList\":\"" + w.conn.ServiceList + "\"}";
        sep = ",";
    }
    text += "]}";
    return Reply(reply, ZIVRA_WAN_LIST_SIZE, text);
}

extern "C" int zivra_getWANIfStatus(int wanIndex, char reply[ZIVRA_WAN_REPLY_SIZE]) {
    zsim::Record("getWANIfStatus", "wanIndex=%d", wanIndex);
    ZSIM_RUN_SCRIPT(zivra_getWANIfStatus, wanIndex, reply);
    std::lock_guard<std::mutex> lock(mu);
    const Wan *w = Find(wanIndex);
    if (w == nullptr) return -1;
    const bool up = w->v4.ExternalIPAddress[0] != '\0';
    return Reply(reply, ZIVRA_WAN_REPLY_SIZE,
                 std::string("{\"Result\":0,\"ConnectionStatus\":\"") + (up ? "Connected" : "Connecting") +
                     "\",\"IPv4Address\":\"" + w->v4.ExternalIPAddress + "\",\"IPv6Address\":\"" +
                     w->v6.IPv6IPAddress + "\"}");
}

extern "C" int zivra_getWanIfBandwidth(int wanIndex, char reply[ZIVRA_WAN_REPLY_SIZE]) {
    zsim::Record("getWanIfBandwidth", "wanIndex=%d", wanIndex);
    ZSIM_RUN_SCRIPT(zivra_getWanIfBandwidth, wanIndex, reply);
    std::lock_guard<std::mutex> lock(mu);
    const Wan *w = Find(wanIndex);
    if (w == nullptr) return -1;
    return Reply(reply, ZIVRA_WAN_REPLY_SIZE,
                 "{\"Result\":0,\"UpBandwidth\":" + std::to_string(w->upKbps) +
                     ",\"DownBandwidth\":" + std::to_string(w->downKbps) + "}");
}

extern "C" int zivra_getPONIfPhyStatus(char fragment[ZIVRA_PON_PHY_SIZE]) {
    zsim::Record("getPONIfPhyStatus", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getPONIfPhyStatus, fragment);
    return Reply(fragment, ZIVRA_PON_PHY_SIZE,
                 "\"Status\":\"Up\",\"TXPower\":\"2.31\",\"RXPower\":\"-18.52\",\"Temperature\":\"45.20\","
                 "\"SupplyVoltage\":\"3.29\",\"BiasCurrent\":\"12.40\"}");
}

extern "C" int zivra_getPONIfRegisterStatus(char fragment[ZIVRA_PON_REGISTER_SIZE]) {
    zsim::Record("getPONIfRegisterStatus", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getPONIfRegisterStatus, fragment);
    return Reply(fragment, ZIVRA_PON_REGISTER_SIZE, "\"Status\":\"O5\",\"AuthStatus\":\"OK\"}");
}

extern "C" int zivra_getWANIfStats(int wanIndex, uint64_t *usStats, uint64_t *dsStats) {
    zsim::Record("getWANIfStats", "wanIndex=%d", wanIndex);
    ZSIM_RUN_SCRIPT(zivra_getWANIfStats, wanIndex, usStats, dsStats);
    std::lock_guard<std::mutex> lock(mu);
    const Wan *w = Find(wanIndex);
    if (w == nullptr) return -1;
    *usStats = w->us;
    *dsStats = w->ds;
    return 0;
}

extern "C" int zivra_getUplinkIfStats(uint32_t *usStats, uint32_t *dsStats) {
    zsim::Record("getUplinkIfStats", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getUplinkIfStats, usStats, dsStats);
    std::lock_guard<std::mutex> lock(mu);
    // The optical port's own counters are 32 bits wide and wrap.
    uint64_t us = 0;
    uint64_t ds = 0;
    for (const Wan &w : wans) {
        us += w.us;
        ds += w.ds;
    }
    *usStats = static_cast<uint32_t>(us);
    *dsStats = static_cast<uint32_t>(ds);
    return 0;
}

extern "C" int zivra_getWANIfInfo(int wanIndex, WANIfConnRecord *conn, WANIfIPv4Record *ipv4,
                                  WANIfIPv6Record *ipv6) {
    zsim::Record("getWANIfInfo", "wanIndex=%d", wanIndex);
    ZSIM_RUN_SCRIPT(zivra_getWANIfInfo, wanIndex, conn, ipv4, ipv6);
    std::lock_guard<std::mutex> lock(mu);
    const Wan *w = Find(wanIndex);
    if (w == nullptr) return -1;
    *conn = w->conn;
    *ipv4 = w->v4;
    *ipv6 = w->v6;
    return 0;
}

extern "C" int zivra_addWANIf(const char *text1, const char *text2, const char *text3) {
    zsim::Record("addWANIf", "text1=%s text2=%s text3=%s", zsim::Quote(text1).c_str(), zsim::Quote(text2).c_str(),
                 zsim::Quote(text3).c_str());
    ZSIM_RUN_SCRIPT(zivra_addWANIf, text1, text2, text3);
    if (text1 == nullptr || text2 == nullptr || text3 == nullptr) return -1;
    const int vlan = atoi(text3);
    if (text1[0] == '\0' || strlen(text1) >= sizeof(WANIfConnRecord::ServiceList) ||
        (strcmp(text2, "IP_Routed") != 0 && strcmp(text2, "IP_Bridged") != 0) || vlan < 1 || vlan > 4094)
        return -1;
    std::lock_guard<std::mutex> lock(mu);
    for (Wan &w : wans) {
        if (w.used) continue;
        memset(&w, 0, sizeof w);
        w.used = true;
        SetConn(w, "", std::to_string(vlan).c_str(), text2, "", text1);
        zsim::SetField(w.v4.AddressingType, "DHCP");
        return 0;
    }
    return -1;
}

extern "C" int zivra_deleteWANIf(int wanIndex) {
    zsim::Record("deleteWANIf", "wanIndex=%d", wanIndex);
    ZSIM_RUN_SCRIPT(zivra_deleteWANIf, wanIndex);
    std::lock_guard<std::mutex> lock(mu);
    Wan *w = Find(wanIndex);
    if (w == nullptr) return -1;
    memset(w, 0, sizeof *w);
    return 0;
}

extern "C" int zivra_setWANIf(int wanIndex, const char *settings) {
    zsim::Record("setWANIf", "wanIndex=%d settings=%s", wanIndex, zsim::Quote(settings).c_str());
    ZSIM_RUN_SCRIPT(zivra_setWANIf, wanIndex, settings);
    std::lock_guard<std::mutex> lock(mu);
    Wan *w = Find(wanIndex);
    if (w == nullptr || settings == nullptr || settings[0] == '\0') return -1;
    WANIfConnRecord c = w->conn;
    WANIfIPv4Record v4 = w->v4;
    std::string rest = settings;
    while (!rest.empty()) {
        const size_t end = rest.find(';');
        const std::string pair = rest.substr(0, end);
        rest = end == std::string::npos ? "" : rest.substr(end + 1);
        const size_t eq = pair.find('=');
        if (eq == std::string::npos || !Apply(c, v4, pair.substr(0, eq), pair.substr(eq + 1))) return -1;
    }
    w->conn = c;
    w->v4 = v4;
    return 0;
}
