// Simulated LAN addressing, DHCP server, port mappings and VoIP.
//
// The LAN address, its mask and the DHCP pool are dotted IPv4 texts that the
// setters replace when valid (the DHCP switch is "1" or "0", the pool's start
// not above its end, the lease duration positive).
//
// Port mappings live on two WAN connections, entries 1 and 3 of the 8 (entry
// 2 and the rest are unused). In the operations value1 is the entry's number
// (1..8) and value2 the mapping's index within it; a mapping is added with
// value2 its external port, value3 its internal port, text1 its protocol
// ("TCP", "UDP" or "BOTH") and text2 its client's IPv4 address, switched on.
// An external port is used once per WAN connection; each holds 64 mappings.
//
// VoIP: a bundle subscribes to the events "OffHook", "OnHook", "IncomingCall"
// and "LineStatus"; a record is applied whole or not at all (an unknown event,
// or unsubscribing from one not subscribed to, fails it). Two POTS lines.
#include <arpa/inet.h>
#include <stdlib.h>
#include <string.h>

#include <mutex>
#include <string>

#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

constexpr int kWans = PORT_MAPPING_WAN_ENTRIES;
constexpr int kMaps = PORT_MAPPING_MAPS_PER_WAN;
constexpr int kSubscriptions = 16;

struct Mapping {
    int index, externalPort, internalPort;
    bool enabled;
    char protocol[12];
    char client[32];
};

struct Wan {
    char name[64];  // empty: no WAN connection at this entry
    Mapping maps[kMaps];
    int count, nextIndex;
};

static_assert(sizeof(Wan::name) == sizeof(PortMappingWanEntry::WANName) &&
                  sizeof(Mapping::protocol) == sizeof(PortMappingRecord::Protocol) &&
                  sizeof(Mapping::client) == sizeof(PortMappingRecord::InternalClient),
              "simulated mappings and the platform's records out of step");

struct Subscription {
    char bundle[VOIP_TEXT_SIZE];
    char event[VOIP_TEXT_SIZE];
};

std::mutex mu;
char lanIP[20], submask[20];
char dhcpEnable[10], dhcpStart[20], dhcpEnd[20];
int dhcpDuration;
Wan wans[kWans];
Subscription subs[kSubscriptions];
int subCount;

void AddMapping(Wan &w, int externalPort, int internalPort, const char *protocol, const char *client) {
    Mapping &m = w.maps[w.count++];
    m.index = ++w.nextIndex;
    m.externalPort = externalPort;
    m.internalPort = internalPort;
    m.enabled = true;
    zsim::SetField(m.protocol, protocol);
    zsim::SetField(m.client, client);
}

void ResetAddressVoip() {
    std::lock_guard<std::mutex> lock(mu);
    zsim::SetField(lanIP, "192.168.1.1");
    zsim::SetField(submask, "255.255.255.0");
    zsim::SetField(dhcpEnable, "1");
    zsim::SetField(dhcpStart, "192.168.1.2");
    zsim::SetField(dhcpEnd, "192.168.1.254");
    dhcpDuration = 86400;
    memset(wans, 0, sizeof wans);
    zsim::SetField(wans[0].name, "1_INTERNET_R_VID_10");
    AddMapping(wans[0], 8080, 80, "TCP", "192.168.1.20");
    AddMapping(wans[0], 3074, 3074, "UDP", "192.168.1.21");
    wans[0].maps[1].enabled = false;
    zsim::SetField(wans[2].name, "3_OTHER_R_VID_30");
    AddMapping(wans[2], 2222, 22, "BOTH", "192.168.1.30");
    memset(subs, 0, sizeof subs);
    subCount = 0;
}
zsim::OnReset reset_address_voip(&ResetAddressVoip);

bool IsIPv4(const char *text, unsigned long *host = nullptr) {
    struct in_addr a;
    if (text == nullptr || inet_pton(AF_INET, text, &a) != 1) return false;
    if (host != nullptr) *host = ntohl(a.s_addr);
    return true;
}

// The WAN connection numbered value1 (1..8), or null.
Wan *FindWan(int number) {
    if (number < 1 || number > kWans || wans[number - 1].name[0] == '\0') return nullptr;
    return &wans[number - 1];
}

int FindMapping(const Wan &w, int index) {
    for (int i = 0; i < w.count; ++i) {
        if (w.maps[i].index == index) return i;
    }
    return -1;
}

// A record's text, read no further than its field.
std::string Text(const char (&field)[VOIP_TEXT_SIZE]) { return std::string(field, strnlen(field, VOIP_TEXT_SIZE)); }

void RecordSubscription(const char *op, const VoIPEventSubscription *r) {
    std::string text = "bcon=\"" + Text(r->Bcon) + "\" count=" + std::to_string(r->EventCount) + " events=[";
    for (int i = 0; i < r->EventCount && i < VOIP_EVENT_NAMES; ++i) text += (i ? ",\"" : "\"") + Text(r->EventNames[i]) + "\"";
    zsim::Record(op, "%s]", text.c_str());
}

int FindSubscription(const std::string &bundle, const std::string &event) {
    for (int i = 0; i < subCount; ++i) {
        if (bundle == subs[i].bundle && event == subs[i].event) return i;
    }
    return -1;
}

bool ValidSubscription(const VoIPEventSubscription *r) {
    static const char *const kEvents[] = {"OffHook", "OnHook", "IncomingCall", "LineStatus"};
    if (r->EventCount < 0 || r->EventCount > VOIP_EVENT_NAMES || Text(r->Bcon).empty() ||
        Text(r->Bcon).size() == VOIP_TEXT_SIZE)
        return false;
    for (int i = 0; i < r->EventCount; ++i) {
        bool known = false;
        for (const char *e : kEvents) known = known || Text(r->EventNames[i]) == e;
        if (!known) return false;
    }
    return true;
}

}  // namespace

extern "C" int zivra_getLANHostIP(char *reply) {
    zsim::Record("getLANHostIP", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getLANHostIP, reply);
    std::lock_guard<std::mutex> lock(mu);
    (void)snprintf(reply, 90, "{\"Result\":0,\"LocalIP\":\"%s\",\"Submask\":\"%s\"}", lanIP, submask);
    return 0;
}

extern "C" int zivra_getLANDhcpInfo(char *reply) {
    zsim::Record("getLANDhcpInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getLANDhcpInfo, reply);
    std::lock_guard<std::mutex> lock(mu);
    (void)snprintf(reply, 160,
             "{\"Result\":0,\"EnableDHCPServer\":\"%s\",\"DHCPStartIP\":\"%s\",\"DHCPEndIP\":\"%s\",\"DHCPDuration\":%d}",
             dhcpEnable, dhcpStart, dhcpEnd, dhcpDuration);
    return 0;
}

extern "C" int zivra_setLANHostIP(const char *localIP, const char *mask) {
    zsim::Record("setLANHostIP", "localIP=%s submask=%s", zsim::Quote(localIP).c_str(), zsim::Quote(mask).c_str());
    ZSIM_RUN_SCRIPT(zivra_setLANHostIP, localIP, mask);
    if (!IsIPv4(localIP) || !IsIPv4(mask)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    zsim::SetField(lanIP, localIP);
    zsim::SetField(submask, mask);
    return 0;
}

extern "C" int zivra_setLANDHCPInfo(const char *enable, const char *startIP, const char *endIP, int duration) {
    zsim::Record("setLANDHCPInfo", "enable=%s start=%s end=%s duration=%d", zsim::Quote(enable).c_str(),
                 zsim::Quote(startIP).c_str(), zsim::Quote(endIP).c_str(), duration);
    ZSIM_RUN_SCRIPT(zivra_setLANDHCPInfo, enable, startIP, endIP, duration);
    unsigned long start = 0, end = 0;
    if (enable == nullptr || (strcmp(enable, "1") != 0 && strcmp(enable, "0") != 0) || !IsIPv4(startIP, &start) ||
        !IsIPv4(endIP, &end) || start > end || duration <= 0)
        return -1;
    std::lock_guard<std::mutex> lock(mu);
    zsim::SetField(dhcpEnable, enable);
    zsim::SetField(dhcpStart, startIP);
    zsim::SetField(dhcpEnd, endIP);
    dhcpDuration = duration;
    return 0;
}

extern "C" int zivra_getPortMappingInfo(PortMappingTable **table) {
    zsim::Record("getPortMappingInfo", "table=%s", *table == nullptr ? "null" : "set");
    ZSIM_RUN_SCRIPT(zivra_getPortMappingInfo, table);
    PortMappingTable *t = static_cast<PortMappingTable *>(malloc(sizeof(PortMappingTable)));
    if (t == nullptr) return -1;
    memset(t, 0, sizeof *t);
    std::lock_guard<std::mutex> lock(mu);
    for (int e = 0; e < kWans; ++e) {
        PortMappingWanEntry &entry = t->Entry[e];
        memcpy(entry.WANName, wans[e].name, sizeof entry.WANName);  // fields of the same size
        entry.MapCount = wans[e].count;
        for (int i = 0; i < wans[e].count; ++i) {
            const Mapping &m = wans[e].maps[i];
            PortMappingRecord &r = entry.Maps[i];
            zsim::SetField(r.Enabled, m.enabled ? "1" : "0");
            memcpy(r.Protocol, m.protocol, sizeof r.Protocol);
            memcpy(r.InternalClient, m.client, sizeof r.InternalClient);
            (void)snprintf(r.PortMappingIndex, sizeof r.PortMappingIndex, "%d", m.index);
            (void)snprintf(r.ExternalPort, sizeof r.ExternalPort, "%d", m.externalPort);
            (void)snprintf(r.InternalPort, sizeof r.InternalPort, "%d", m.internalPort);
        }
    }
    *table = t;
    return 0;
}

extern "C" int zivra_addPortMapping(int value1, int value2, int value3, const char *text1, const char *text2) {
    zsim::Record("addPortMapping", "value1=%d value2=%d value3=%d text1=%s text2=%s", value1, value2, value3,
                 zsim::Quote(text1).c_str(), zsim::Quote(text2).c_str());
    ZSIM_RUN_SCRIPT(zivra_addPortMapping, value1, value2, value3, text1, text2);
    if (value2 < 1 || value2 > 65535 || value3 < 1 || value3 > 65535 || !IsIPv4(text2) || text1 == nullptr ||
        (strcmp(text1, "TCP") != 0 && strcmp(text1, "UDP") != 0 && strcmp(text1, "BOTH") != 0))
        return -1;
    std::lock_guard<std::mutex> lock(mu);
    Wan *w = FindWan(value1);
    if (w == nullptr || w->count == kMaps) return -1;
    for (int i = 0; i < w->count; ++i) {
        if (w->maps[i].externalPort == value2) return -1;
    }
    AddMapping(*w, value2, value3, text1, text2);
    return 0;
}

extern "C" int zivra_setPortMappingSwitch(int value1, int value2, int enable) {
    zsim::Record("setPortMappingSwitch", "value1=%d value2=%d enable=%d", value1, value2, enable);
    ZSIM_RUN_SCRIPT(zivra_setPortMappingSwitch, value1, value2, enable);
    std::lock_guard<std::mutex> lock(mu);
    Wan *w = FindWan(value1);
    const int at = w != nullptr ? FindMapping(*w, value2) : -1;
    if (at < 0 || (enable != 0 && enable != 1)) return -1;
    w->maps[at].enabled = enable == 1;
    return 0;
}

extern "C" int zivra_deletePortMappingJni(int value1, int value2) {
    zsim::Record("deletePortMappingJni", "value1=%d value2=%d", value1, value2);
    ZSIM_RUN_SCRIPT(zivra_deletePortMappingJni, value1, value2);
    std::lock_guard<std::mutex> lock(mu);
    Wan *w = FindWan(value1);
    const int at = w != nullptr ? FindMapping(*w, value2) : -1;
    if (at < 0) return -1;
    memmove(&w->maps[at], &w->maps[at + 1], sizeof(Mapping) * static_cast<size_t>(w->count - at - 1));
    --w->count;
    return 0;
}

extern "C" int zivra_addVoIPMonitorEvent(const VoIPEventSubscription *record) {
    RecordSubscription("addVoIPMonitorEvent", record);
    ZSIM_RUN_SCRIPT(zivra_addVoIPMonitorEvent, record);
    if (!ValidSubscription(record)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    int fresh = 0;
    for (int i = 0; i < record->EventCount; ++i) fresh += FindSubscription(Text(record->Bcon), Text(record->EventNames[i])) < 0;
    if (subCount + fresh > kSubscriptions) return -1;
    for (int i = 0; i < record->EventCount; ++i) {
        if (FindSubscription(Text(record->Bcon), Text(record->EventNames[i])) >= 0) continue;
        zsim::SetField(subs[subCount].bundle, Text(record->Bcon).c_str());
        zsim::SetField(subs[subCount++].event, Text(record->EventNames[i]).c_str());
    }
    return 0;
}

extern "C" int zivra_deleteVoIPMonitoriEvent(const VoIPEventSubscription *record) {
    RecordSubscription("deleteVoIPMonitoriEvent", record);
    ZSIM_RUN_SCRIPT(zivra_deleteVoIPMonitoriEvent, record);
    if (!ValidSubscription(record)) return -1;
    std::lock_guard<std::mutex> lock(mu);
    for (int i = 0; i < record->EventCount; ++i) {
        if (FindSubscription(Text(record->Bcon), Text(record->EventNames[i])) < 0) return -1;
    }
    for (int i = 0; i < record->EventCount; ++i) {
        const int at = FindSubscription(Text(record->Bcon), Text(record->EventNames[i]));
        if (at < 0) continue;  // named twice in the record
        subs[at] = subs[--subCount];
        memset(&subs[subCount], 0, sizeof subs[subCount]);
    }
    return 0;
}

extern "C" int zivra_getPOTSInfo(POTSLineRecord *table, int *count) {
    zsim::Record("getPOTSInfo", "count=%d", *count);
    ZSIM_RUN_SCRIPT(zivra_getPOTSInfo, table, count);
    table[0].POTSIndex = 1;
    zsim::SetField(table[0].PhoneNumber, "88001001");
    zsim::SetField(table[0].LineStatus, "Idle");
    table[1].POTSIndex = 2;
    zsim::SetField(table[1].PhoneNumber, "88001002");
    zsim::SetField(table[1].LineStatus, "Disabled");
    *count = 2;
    return 0;
}
