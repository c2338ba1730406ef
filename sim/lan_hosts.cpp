// Simulated LAN hosts: six devices on wired ports and SSIDs, each with a
// class, names, address, online time, speed limit, current speeds and
// traffic counters; the gateway's own name; the MAC filter mode. The name
// and speed-limit setters change what the queries report.
#include "sim/lan_hosts.h"

#include <stdio.h>
#include <string.h>
#include <strings.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "sim/lan_access.h"
#include "sim/scenario.h"
#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

constexpr int kMaxRecords = 64;
constexpr int kMacSlot = 32;

struct Host {
    char cls[8];
    char mac[20];
    char dhcpName[70];
    char deviceName[70];
    char ip[20];
    int ifIndex;  // 1..4 LAN1..LAN4, 5..12 SSID1..SSID8
    char onlineTime[64];
    LANHostSpeedLimitRecord limit;  // 0: no limit
    int lineUp, lineDown;           // speeds the host would reach unlimited
    LANHostStatsRecord stats;
};

struct Seed {
    const char *cls, *mac, *dhcpName, *deviceName, *ip;
    int ifIndex;
    const char *onlineTime;
    unsigned limitUp, limitDown;
    int lineUp, lineDown;
    unsigned us, ds;
};

const Seed kSeeds[] = {
    {"PC", "00:1A:2B:3C:4D:01", "desktop-study", "Study PC", "192.168.1.10", 1, "273820", 0, 0, 850, 12000,
     123456789u, 4000000000u},
    {"Phone", "00:1A:2B:3C:4D:02", "android-5f2c", "Anna's phone", "192.168.1.21", 5, "5400", 1024, 4096, 300,
     9000, 2222222u, 98765432u},
    {"STB", "00:1A:2B:3C:4D:03", "stb-living", "Living room STB", "192.168.1.30", 3, "1209600", 0, 0, 40, 8000,
     5555555u, 3900000000u},
    {"Phone", "00:1A:2B:3C:4D:04", "iPhone", "Ben's phone", "192.168.1.22", 6, "610", 0, 0, 120, 2500, 1000u,
     250000u},
    {"PC", "00:1A:2B:3C:4D:05", "laptop-work", "Work laptop", "192.168.1.11", 5, "28800", 2048, 0, 1500, 30000,
     77777777u, 333333333u},
    {"Camera", "00:1A:2B:3C:4D:06", "ipcam-door", "Door camera", "192.168.1.40", 2, "3456000", 0, 0, 2000, 10,
     4294967295u, 12345u},
};
constexpr int kHosts = static_cast<int>(sizeof kSeeds / sizeof kSeeds[0]);

std::mutex mu;
std::vector<Host> hosts;  // at most kMaxRecords, the size of the bridge's tables
char gatewayName[70];
// Read and written by the access-list operations too, without this mutex.
std::atomic<int> filterMode{0};

// A scenario's "hosts" replace the built-in ones; its "gateway" names the
// gateway, and its access lists may set the MAC filter mode.
void LoadScenario() {
    int mode = 0;
    zsim::Scenario("accessLists").Member("filterMode").Int(&mode, 0, 2);
    filterMode = mode;
    const zsim::Setting gateway = zsim::Scenario("gateway");
    gateway.Only({"name"});
    gateway.Member("name").Text(gatewayName);
    const zsim::Setting list = zsim::Scenario("hosts");
    if (!list.Given()) return;
    hosts.assign(list.Items(kMaxRecords), Host());
    for (size_t i = 0; i < hosts.size(); ++i) {
        const zsim::Setting s = list.Item(i);
        s.Only({"class", "mac", "dhcpName", "deviceName", "ip", "interface", "onlineTime", "upLimit", "downLimit",
                "upSpeed", "downSpeed", "usStats", "dsStats"});
        Host &h = hosts[i];
        memset(&h, 0, sizeof h);
        s.Member("class").Text(h.cls);
        s.Need("mac").Mac(h.mac);
        s.Member("dhcpName").Text(h.dhcpName);
        s.Member("deviceName").Text(h.deviceName);
        s.Member("ip").Text(h.ip);
        s.Need("interface").Interface(&h.ifIndex);
        s.Member("onlineTime").Text(h.onlineTime);
        int limitUp = 0, limitDown = 0;
        s.Member("upLimit").Int(&limitUp, 0, INT32_MAX);
        s.Member("downLimit").Int(&limitDown, 0, INT32_MAX);
        h.limit.UpSpeed = static_cast<uint32_t>(limitUp);
        h.limit.DownSpeed = static_cast<uint32_t>(limitDown);
        s.Member("upSpeed").Int(&h.lineUp, 0, INT32_MAX);
        s.Member("downSpeed").Int(&h.lineDown, 0, INT32_MAX);
        uint64_t us = 0, ds = 0;  // the host counters are 32 bits wide
        s.Member("usStats").Count(&us, UINT32_MAX);
        s.Member("dsStats").Count(&ds, UINT32_MAX);
        h.stats.UsStats = static_cast<uint32_t>(us);
        h.stats.DsStats = static_cast<uint32_t>(ds);
    }
}

void ResetHosts() {
    std::lock_guard<std::mutex> lock(mu);
    hosts.resize(kHosts);
    for (int i = 0; i < kHosts; ++i) {
        const Seed &s = kSeeds[i];
        Host &h = hosts[i];
        memset(&h, 0, sizeof h);
        zsim::SetField(h.cls, s.cls);
        zsim::SetField(h.mac, s.mac);
        zsim::SetField(h.dhcpName, s.dhcpName);
        zsim::SetField(h.deviceName, s.deviceName);
        zsim::SetField(h.ip, s.ip);
        h.ifIndex = s.ifIndex;
        zsim::SetField(h.onlineTime, s.onlineTime);
        h.limit.UpSpeed = s.limitUp;
        h.limit.DownSpeed = s.limitDown;
        h.lineUp = s.lineUp;
        h.lineDown = s.lineDown;
        h.stats.UsStats = s.us;
        h.stats.DsStats = s.ds;
    }
    zsim::SetField(gatewayName, "HomeGateway");
    filterMode = 0;
    LoadScenario();
}
zsim::OnReset reset_hosts(&ResetHosts);

// Record of a host as the queries report it; the storage access is filled
// in by FinishRecords, outside this area's mutex.
void ToRecord(const Host &h, LANHostRecord *r) {
    zsim::SetField(r->Class, h.cls);
    zsim::SetField(r->MAC, h.mac);
    zsim::SetField(r->DhcpName, h.dhcpName);
    zsim::SetField(r->DeviceName, h.deviceName);
    zsim::SetField(r->IP, h.ip);
    const std::string name = h.ifIndex <= 4 ? "LAN" + std::to_string(h.ifIndex)
                                            : "SSID" + std::to_string(h.ifIndex - 4);
    zsim::SetField(r->ConnectInterface, name.c_str());
    zsim::SetField(r->OnlineTime, h.onlineTime);
}

// The storage black list has a mutex of its own; asking it with ours held
// could deadlock against an access-list operation that sets the filter mode.
void FinishRecords(LANHostRecord *records, int count) {
    for (int i = 0; i < count; ++i) {
        zsim::SetField(records[i].StorageAccessStatus,
                       zsim::StorageBlackListed(records[i].MAC) ? "Deny" : "Allow");
    }
}

// Speed a host reaches now: its line speed, held down by its limit.
int Current(int line, unsigned limit) {
    return limit != 0 && static_cast<unsigned>(line) > limit ? static_cast<int>(limit) : line;
}

// Text of one slot of a wide MAC table, read no further than the slot.
std::string Slot(const char (*macs)[kMacSlot], int i) {
    return std::string(macs[i], strnlen(macs[i], kMacSlot));
}

// "count=2 macs=["a","b"]", for the call record.
std::string MacList(const char (*macs)[kMacSlot], int count) {
    std::string out = "count=" + std::to_string(count) + " macs=[";
    for (int i = 0; i < count && i < kMaxRecords; ++i) {
        if (i > 0) out += ",";
        out += "\"" + Slot(macs, i) + "\"";
    }
    return out + "]";
}

std::string MacBytes(const unsigned char mac[6]) {
    char text[18];
    snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
    return text;
}

Host *FindByText(const char *mac) {
    for (Host &h : hosts) {
        if (strcasecmp(h.mac, mac) == 0) return &h;
    }
    return nullptr;
}

Host *FindByBytes(const unsigned char mac[6]) {
    const std::string text = MacBytes(mac);
    return FindByText(text.c_str());
}

// The hosts a MAC table names, in table order (a MAC of no host is left
// out); a count of 0 names every host. Returns -1 for a count the table
// cannot hold.
template <class Fill>
int SelectByMac(const char (*macs)[kMacSlot], int *count, Fill fill) {
    const int wanted = *count;
    if (wanted < 0 || wanted > kMaxRecords) return -1;
    int n = 0;
    if (wanted == 0) {
        for (Host &h : hosts) fill(h, n++);
    } else {
        for (int i = 0; i < wanted; ++i) {
            Host *h = FindByText(Slot(macs, i).c_str());
            if (h != nullptr) fill(*h, n++);
        }
    }
    *count = n;
    return 0;
}

}  // namespace

namespace zsim {
int MacFilterMode() { return filterMode; }
void SetMacFilterMode(int mode) { filterMode = mode; }
}  // namespace zsim

extern "C" int zivra_getLANHostInfoByInterface(int index, LANHostRecord *records, int *count) {
    zsim::Record("getLANHostInfoByInterface", "index=%d count=%d", index, *count);
    ZSIM_RUN_SCRIPT(zivra_getLANHostInfoByInterface, index, records, count);
    if (index < 1 || index > 12) return -1;
    int n = 0;
    {
        std::lock_guard<std::mutex> lock(mu);
        for (const Host &h : hosts) {
            if (h.ifIndex == index) ToRecord(h, &records[n++]);
        }
    }
    FinishRecords(records, n);
    *count = n;
    return 0;
}

extern "C" int zivra_getLANHostInfoByClass(const char *hostClass, LANHostRecord *records, int *count) {
    zsim::Record("getLANHostInfoByClass", "hostClass=%s count=%d", zsim::Quote(hostClass).c_str(), *count);
    ZSIM_RUN_SCRIPT(zivra_getLANHostInfoByClass, hostClass, records, count);
    int n = 0;
    {
        std::lock_guard<std::mutex> lock(mu);
        // The empty class names every host; other classes match whole,
        // whatever their case.
        for (const Host &h : hosts) {
            if (hostClass[0] == '\0' || strcasecmp(h.cls, hostClass) == 0) ToRecord(h, &records[n++]);
        }
    }
    FinishRecords(records, n);
    *count = n;
    return 0;
}

extern "C" int zivra_getLANHostInfoByMAC(const char (*macs)[32], LANHostRecord *records, int *count) {
    zsim::Record("getLANHostInfoByMAC", "%s", MacList(macs, *count).c_str());
    ZSIM_RUN_SCRIPT(zivra_getLANHostInfoByMAC, macs, records, count);
    int result;
    {
        std::lock_guard<std::mutex> lock(mu);
        result = SelectByMac(macs, count, [records](const Host &h, int i) { ToRecord(h, &records[i]); });
    }
    if (result == 0) FinishRecords(records, *count);
    return result;
}

extern "C" int zivra_getLANHostSpeedLimitInfo(const char (*macs)[32], LANHostSpeedLimitRecord *limits,
                                              int *count) {
    zsim::Record("getLANHostSpeedLimitInfo", "%s", MacList(macs, *count).c_str());
    ZSIM_RUN_SCRIPT(zivra_getLANHostSpeedLimitInfo, macs, limits, count);
    std::lock_guard<std::mutex> lock(mu);
    return SelectByMac(macs, count, [limits](const Host &h, int i) { limits[i] = h.limit; });
}

extern "C" int zivra_getLANHostStats(const char (*macs)[32], LANHostStatsRecord *stats, int *count) {
    zsim::Record("getLANHostStats", "%s", MacList(macs, *count).c_str());
    ZSIM_RUN_SCRIPT(zivra_getLANHostStats, macs, stats, count);
    std::lock_guard<std::mutex> lock(mu);
    return SelectByMac(macs, count, [stats](const Host &h, int i) { stats[i] = h.stats; });
}

extern "C" int zivra_getGatewayName(char *name) {
    zsim::Record("getGatewayName", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getGatewayName, name);
    std::lock_guard<std::mutex> lock(mu);
    snprintf(name, sizeof gatewayName, "%s", gatewayName);
    return 0;
}

extern "C" int zivra_getMacFilterMode(void) {
    zsim::Record("getMacFilterMode", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getMacFilterMode);
    return filterMode;
}

extern "C" int zivra_setLANHostSpeedLimit(const unsigned char mac[6], int upSpeed, int downSpeed) {
    zsim::Record("setLANHostSpeedLimit", "mac=%s upSpeed=%d downSpeed=%d", MacBytes(mac).c_str(), upSpeed,
                 downSpeed);
    ZSIM_RUN_SCRIPT(zivra_setLANHostSpeedLimit, mac, upSpeed, downSpeed);
    // Negative limits are refused; 0 lifts a limit.
    if (upSpeed < 0 || downSpeed < 0) return -1;
    std::lock_guard<std::mutex> lock(mu);
    Host *h = FindByBytes(mac);
    if (h == nullptr) return -1;
    h->limit.UpSpeed = static_cast<uint32_t>(upSpeed);
    h->limit.DownSpeed = static_cast<uint32_t>(downSpeed);
    return 0;
}

extern "C" int zivra_getLANHostSpeed(const unsigned char mac[6], int *upSpeed, int *downSpeed) {
    zsim::Record("getLANHostSpeed", "mac=%s", MacBytes(mac).c_str());
    ZSIM_RUN_SCRIPT(zivra_getLANHostSpeed, mac, upSpeed, downSpeed);
    std::lock_guard<std::mutex> lock(mu);
    const Host *h = FindByBytes(mac);
    if (h == nullptr) return -1;
    *upSpeed = Current(h->lineUp, h->limit.UpSpeed);
    *downSpeed = Current(h->lineDown, h->limit.DownSpeed);
    return 0;
}

extern "C" int zivra_setGatewayName(const char *name) {
    zsim::Record("setGatewayName", "name=%s", zsim::Quote(name).c_str());
    ZSIM_RUN_SCRIPT(zivra_setGatewayName, name);
    // A gateway keeps a name: the empty text is refused, and so is one
    // longer than 64 bytes.
    if (name[0] == '\0' || strlen(name) > 64) return -1;
    std::lock_guard<std::mutex> lock(mu);
    zsim::SetField(gatewayName, name);
    return 0;
}

extern "C" int zivra_setLANHostName(const char *mac, const char *hostName) {
    zsim::Record("setLANHostName", "mac=%s hostName=%s", zsim::Quote(mac).c_str(), zsim::Quote(hostName).c_str());
    ZSIM_RUN_SCRIPT(zivra_setLANHostName, mac, hostName);
    std::lock_guard<std::mutex> lock(mu);
    Host *h = FindByText(mac);
    if (h == nullptr) return -1;
    zsim::SetField(h->deviceName, hostName);
    return 0;
}
