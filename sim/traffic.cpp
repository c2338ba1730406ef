// Simulated QoS flows, traffic mirror, forward and HTTP processing rules,
// and traffic monitoring destinations.
//
// Flows 1 to 3 exist, each with counters, current speeds, speed limits, a
// DSCP mark (0..63) and up to kFlowTraffic pieces of traffic (remote
// address and a port text of 1..65535); any other flow number fails (-1).
// The rule lists hold up to kRules rules each; rule numbers count from 1 in
// list order. Adds refuse a null or empty remote address, a port outside
// 1..65535 and (mirror, HTTP) a direction other than UP, DOWN or ALL.
// Monitoring keeps the destinations of up to 8 bundles, 255 each; a bundle
// whose last destination goes is forgotten.
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include "sim/scenario.h"
#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

constexpr int kFlows = 3;
constexpr size_t kFlowTraffic = 8;
constexpr size_t kRules = 16;

struct Flow {
    unsigned long long usStats, dsStats;
    int upSpeed, downSpeed, upLimit, downLimit, dscp;
    std::vector<FlowTrafficEntry> traffic;
};

struct Bundle {
    std::string name;
    std::vector<std::string> dests;
};

std::mutex mu;
Flow flows[kFlows];
std::vector<MirrorRuleRecord> mirrors;
std::vector<ForwardRuleRecord> forwards;
std::vector<HTTPProcessRuleRecord> http_rules;
std::vector<Bundle> monitored;

void ResetTraffic() {
    std::lock_guard<std::mutex> lock(mu);
    for (int i = 0; i < kFlows; ++i) {
        Flow &f = flows[i];
        f.usStats = 7000000000ULL * static_cast<unsigned>(i + 1) + 120;
        f.dsStats = 9000000000ULL * static_cast<unsigned>(i + 1) + 45;
        f.upSpeed = 300 * (i + 1);
        f.downSpeed = 2400 * (i + 1);
        f.upLimit = 1024 * (i + 1);
        f.downLimit = 8192 * (i + 1);
        f.dscp = i == 0 ? 46 : 0;
        f.traffic.clear();
    }
    FlowTrafficEntry e;
    memset(&e, 0, sizeof e);
    zsim::SetField(e.RemoteAddress, "video.example.net");
    zsim::SetField(e.RemotePort, "443");
    flows[0].traffic.push_back(e);
    mirrors.clear();
    forwards.clear();
    http_rules.clear();
    monitored.clear();
    monitored.push_back(Bundle{"com.korvanta.meter", {"198.51.100.7", "metrics.example.net"}});
    // The forward rules a scenario starts with, as the add would take them.
    const zsim::Setting list = zsim::Scenario("forwardRules");
    forwards.resize(list.Items(kRules));
    for (size_t i = 0; i < forwards.size(); ++i) {
        const zsim::Setting s = list.Item(i);
        s.Only({"remoteAddress", "remotePort", "protocol", "hostMac", "toIp", "toPort"});
        ForwardRuleRecord &r = forwards[i];
        memset(&r, 0, sizeof r);
        int remotePort = 0, toPort = 0;
        s.Need("remoteAddress").Text(r.RemoteAddress);
        s.Need("remotePort").Int(&remotePort, 1, 65535);
        s.Member("protocol").Text(r.Protocol);
        s.Member("hostMac").Mac(r.HostMAC);
        s.Need("toIp").Text(r.ForwardToIP);
        s.Need("toPort").Int(&toPort, 1, 65535);
        snprintf(r.RemotePort, sizeof r.RemotePort, "%d", remotePort);
        snprintf(r.ForwardToPort, sizeof r.ForwardToPort, "%d", toPort);
    }
}
zsim::OnReset reset_traffic(&ResetTraffic);

Flow *FindFlow(int flow) { return flow >= 1 && flow <= kFlows ? &flows[flow - 1] : nullptr; }

bool Empty(const char *text) { return text == nullptr || text[0] == '\0'; }
bool ValidPort(int port) { return port >= 1 && port <= 65535; }
bool ValidPortText(const char *text) {
    if (Empty(text)) return false;
    char *end = nullptr;
    const long port = strtol(text, &end, 10);
    return *end == '\0' && port >= 1 && port <= 65535;
}
bool ValidDirection(const char *d) {
    return d != nullptr && (strcmp(d, "UP") == 0 || strcmp(d, "DOWN") == 0 || strcmp(d, "ALL") == 0);
}

// Hands a list to the caller in malloc'ed memory, as the gateway does.
template <class T>
T *HeapCopy(const std::vector<T> &items) {
    T *list = static_cast<T *>(malloc(sizeof(T) * (items.empty() ? 1 : items.size())));
    if (list != nullptr && !items.empty()) memcpy(list, items.data(), sizeof(T) * items.size());
    return list;
}

template <class T>
int DeleteRule(std::vector<T> &rules, int ruleNum) {
    if (ruleNum < 1 || static_cast<size_t>(ruleNum) > rules.size()) return -1;
    rules.erase(rules.begin() + (ruleNum - 1));
    return 0;
}

// Splits a comma-separated text into a rule's table, dropping empty names
// and anything past the table's capacity; returns the count.
template <size_t N, size_t W>
int32_t SplitInto(const char *joined, char (&table)[N][W]) {
    int32_t n = 0;
    std::string rest = joined != nullptr ? joined : "";
    size_t at = 0;
    while (at <= rest.size() && static_cast<size_t>(n) < N) {
        size_t comma = rest.find(',', at);
        if (comma == std::string::npos) comma = rest.size();
        const std::string name = rest.substr(at, comma - at);
        if (!name.empty()) zsim::SetField(table[n++], name.c_str());
        at = comma + 1;
    }
    return n;
}

std::string Text(const char *field, size_t size) { return std::string(field, strnlen(field, size)); }

}  // namespace

// --- Flows -------------------------------------------------------------------

extern "C" int zivra_getStatsByFlowJni(char upstream[32], char downstream[32], int flow) {
    zsim::Record("getStatsByFlowJni", "flow=%d", flow);
    ZSIM_RUN_SCRIPT(zivra_getStatsByFlowJni, upstream, downstream, flow);
    std::lock_guard<std::mutex> lock(mu);
    const Flow *f = FindFlow(flow);
    if (f == nullptr) return -1;
    snprintf(upstream, 32, "%llu", f->usStats);
    snprintf(downstream, 32, "%llu", f->dsStats);
    return 0;
}

extern "C" int zivra_getSpeedLimitByFlowJni(char upstream[32], char downstream[32], int flow) {
    zsim::Record("getSpeedLimitByFlowJni", "flow=%d", flow);
    ZSIM_RUN_SCRIPT(zivra_getSpeedLimitByFlowJni, upstream, downstream, flow);
    std::lock_guard<std::mutex> lock(mu);
    const Flow *f = FindFlow(flow);
    if (f == nullptr) return -1;
    snprintf(upstream, 32, "%d", f->upLimit);
    snprintf(downstream, 32, "%d", f->downLimit);
    return 0;
}

extern "C" int zivra_getSpeedByFlowJni(char upstream[32], char downstream[32], int flow) {
    zsim::Record("getSpeedByFlowJni", "flow=%d", flow);
    ZSIM_RUN_SCRIPT(zivra_getSpeedByFlowJni, upstream, downstream, flow);
    std::lock_guard<std::mutex> lock(mu);
    const Flow *f = FindFlow(flow);
    if (f == nullptr) return -1;
    snprintf(upstream, 32, "%d", f->upSpeed);
    snprintf(downstream, 32, "%d", f->downSpeed);
    return 0;
}

extern "C" int zivra_setSpeedLimitByFlowJni(int flow, int upSpeed, int downSpeed) {
    zsim::Record("setSpeedLimitByFlowJni", "flow=%d upSpeed=%d downSpeed=%d", flow, upSpeed, downSpeed);
    ZSIM_RUN_SCRIPT(zivra_setSpeedLimitByFlowJni, flow, upSpeed, downSpeed);
    std::lock_guard<std::mutex> lock(mu);
    Flow *f = FindFlow(flow);
    if (f == nullptr || upSpeed < 0 || downSpeed < 0) return -1;
    f->upLimit = upSpeed;
    f->downLimit = downSpeed;
    return 0;
}

extern "C" int zivra_getDSCPRemarkByFlowJni(char dscp[32], int flow) {
    zsim::Record("getDSCPRemarkByFlowJni", "dscp=%s flow=%d", zsim::Quote(dscp).c_str(), flow);
    ZSIM_RUN_SCRIPT(zivra_getDSCPRemarkByFlowJni, dscp, flow);
    std::lock_guard<std::mutex> lock(mu);
    const Flow *f = FindFlow(flow);
    if (f == nullptr) return -1;
    snprintf(dscp, 32, "%d", f->dscp);
    return 0;
}

extern "C" int zivra_setDSCPRemarkByFlowJni(int flow, int dscp) {
    zsim::Record("setDSCPRemarkByFlowJni", "flow=%d dscp=%d", flow, dscp);
    ZSIM_RUN_SCRIPT(zivra_setDSCPRemarkByFlowJni, flow, dscp);
    std::lock_guard<std::mutex> lock(mu);
    Flow *f = FindFlow(flow);
    if (f == nullptr || dscp < 0 || dscp > 63) return -1;
    f->dscp = dscp;
    return 0;
}

extern "C" int zivra_getTrafficInfoByFlowJni(FlowTrafficEntry **list, int flow, int *count) {
    zsim::Record("getTrafficInfoByFlowJni", "list=%s flow=%d count=%d", *list == nullptr ? "null" : "set", flow,
                 *count);
    ZSIM_RUN_SCRIPT(zivra_getTrafficInfoByFlowJni, list, flow, count);
    std::lock_guard<std::mutex> lock(mu);
    const Flow *f = FindFlow(flow);
    if (f == nullptr) return -1;
    *list = HeapCopy(f->traffic);
    if (*list == nullptr) return -1;
    *count = static_cast<int>(f->traffic.size());
    return 0;
}

extern "C" int zivra_addTrafficToFlowJni(const char *remoteAddress, const char *remotePort, int flow) {
    zsim::Record("addTrafficToFlowJni", "remoteAddress=%s remotePort=%s flow=%d", zsim::Quote(remoteAddress).c_str(),
                 zsim::Quote(remotePort).c_str(), flow);
    ZSIM_RUN_SCRIPT(zivra_addTrafficToFlowJni, remoteAddress, remotePort, flow);
    std::lock_guard<std::mutex> lock(mu);
    Flow *f = FindFlow(flow);
    if (f == nullptr || Empty(remoteAddress) || !ValidPortText(remotePort) || f->traffic.size() == kFlowTraffic) {
        return -1;
    }
    for (const FlowTrafficEntry &e : f->traffic) {
        if (strcmp(e.RemoteAddress, remoteAddress) == 0 && strcmp(e.RemotePort, remotePort) == 0) return -1;
    }
    FlowTrafficEntry e;
    memset(&e, 0, sizeof e);
    zsim::SetField(e.RemoteAddress, remoteAddress);
    zsim::SetField(e.RemotePort, remotePort);
    f->traffic.push_back(e);
    return 0;
}

extern "C" int zivra_deleteTrafficFromFlowJni(const char *remoteAddress, const char *remotePort, int flow) {
    zsim::Record("deleteTrafficFromFlowJni", "remoteAddress=%s remotePort=%s flow=%d",
                 zsim::Quote(remoteAddress).c_str(), zsim::Quote(remotePort).c_str(), flow);
    ZSIM_RUN_SCRIPT(zivra_deleteTrafficFromFlowJni, remoteAddress, remotePort, flow);
    std::lock_guard<std::mutex> lock(mu);
    Flow *f = FindFlow(flow);
    if (f == nullptr || remoteAddress == nullptr || remotePort == nullptr) return -1;
    for (size_t i = 0; i < f->traffic.size(); ++i) {
        const FlowTrafficEntry &e = f->traffic[i];
        if (strcmp(e.RemoteAddress, remoteAddress) == 0 && strcmp(e.RemotePort, remotePort) == 0) {
            f->traffic.erase(f->traffic.begin() + static_cast<long>(i));
            return 0;
        }
    }
    return -1;
}

extern "C" int zivra_deleteAllTrafficFromFlowJni(int flow) {
    zsim::Record("deleteAllTrafficFromFlowJni", "flow=%d", flow);
    ZSIM_RUN_SCRIPT(zivra_deleteAllTrafficFromFlowJni, flow);
    std::lock_guard<std::mutex> lock(mu);
    Flow *f = FindFlow(flow);
    if (f == nullptr) return -1;
    f->traffic.clear();
    return 0;
}

// --- Mirror and forward rules ------------------------------------------------

extern "C" int zivra_getMirroRuleInfoJni(MirrorRuleRecord **list, int *count) {
    zsim::Record("getMirroRuleInfoJni", "list=%s count=%d", *list == nullptr ? "null" : "set", *count);
    ZSIM_RUN_SCRIPT(zivra_getMirroRuleInfoJni, list, count);
    std::lock_guard<std::mutex> lock(mu);
    *list = HeapCopy(mirrors);
    if (*list == nullptr) return -1;
    *count = static_cast<int>(mirrors.size());
    return 0;
}

extern "C" int zivra_addMirrorRuleJni(const char *remoteAddress, const char *remotePort, const char *direction,
                                      const char *protocol, const char *hostMAC, const char *mirrorToIP,
                                      int mirrorToPort) {
    zsim::Record("addMirrorRuleJni", "%s %s %s %s %s %s %d", zsim::Quote(remoteAddress).c_str(),
                 zsim::Quote(remotePort).c_str(), zsim::Quote(direction).c_str(), zsim::Quote(protocol).c_str(),
                 zsim::Quote(hostMAC).c_str(), zsim::Quote(mirrorToIP).c_str(), mirrorToPort);
    ZSIM_RUN_SCRIPT(zivra_addMirrorRuleJni, remoteAddress, remotePort, direction, protocol, hostMAC, mirrorToIP,
                    mirrorToPort);
    std::lock_guard<std::mutex> lock(mu);
    if (Empty(remoteAddress) || !ValidPortText(remotePort) || !ValidDirection(direction) || protocol == nullptr ||
        hostMAC == nullptr || Empty(mirrorToIP) || !ValidPort(mirrorToPort) || mirrors.size() == kRules) {
        return -1;
    }
    MirrorRuleRecord r;
    memset(&r, 0, sizeof r);
    zsim::SetField(r.RemoteAddress, remoteAddress);
    zsim::SetField(r.RemotePort, remotePort);
    zsim::SetField(r.Direction, direction);
    zsim::SetField(r.Protocol, protocol);
    zsim::SetField(r.HostMAC, hostMAC);
    zsim::SetField(r.MirrorToIP, mirrorToIP);
    snprintf(r.MirrorToPort, sizeof r.MirrorToPort, "%d", mirrorToPort);
    mirrors.push_back(r);
    return 0;
}

extern "C" int zivra_deleteMirrorRuleJni(int ruleNum) {
    zsim::Record("deleteMirrorRuleJni", "ruleNum=%d", ruleNum);
    ZSIM_RUN_SCRIPT(zivra_deleteMirrorRuleJni, ruleNum);
    std::lock_guard<std::mutex> lock(mu);
    return DeleteRule(mirrors, ruleNum);
}

extern "C" int zivra_deleteAllMirrorRule(void) {
    zsim::Record("deleteAllMirrorRule", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_deleteAllMirrorRule);
    std::lock_guard<std::mutex> lock(mu);
    mirrors.clear();
    return 0;
}

extern "C" int zivra_getForwardRuleInfoJni(ForwardRuleRecord **list, int *count) {
    zsim::Record("getForwardRuleInfoJni", "list=%s count=%d", *list == nullptr ? "null" : "set", *count);
    ZSIM_RUN_SCRIPT(zivra_getForwardRuleInfoJni, list, count);
    std::lock_guard<std::mutex> lock(mu);
    *list = HeapCopy(forwards);
    if (*list == nullptr) return -1;
    *count = static_cast<int>(forwards.size());
    return 0;
}

extern "C" int zivra_addForwardRule(const char *remoteAddress, const char *remotePort, const char *protocol,
                                    const char *hostMAC, const char *forwardToIP, int forwardToPort) {
    zsim::Record("addForwardRule", "%s %s %s %s %s %d", zsim::Quote(remoteAddress).c_str(),
                 zsim::Quote(remotePort).c_str(), zsim::Quote(protocol).c_str(), zsim::Quote(hostMAC).c_str(),
                 zsim::Quote(forwardToIP).c_str(), forwardToPort);
    ZSIM_RUN_SCRIPT(zivra_addForwardRule, remoteAddress, remotePort, protocol, hostMAC, forwardToIP, forwardToPort);
    std::lock_guard<std::mutex> lock(mu);
    if (Empty(remoteAddress) || !ValidPortText(remotePort) || protocol == nullptr || hostMAC == nullptr ||
        Empty(forwardToIP) || !ValidPort(forwardToPort) || forwards.size() == kRules) {
        return -1;
    }
    ForwardRuleRecord r;
    memset(&r, 0, sizeof r);
    zsim::SetField(r.RemoteAddress, remoteAddress);
    zsim::SetField(r.RemotePort, remotePort);
    zsim::SetField(r.Protocol, protocol);
    zsim::SetField(r.HostMAC, hostMAC);
    zsim::SetField(r.ForwardToIP, forwardToIP);
    snprintf(r.ForwardToPort, sizeof r.ForwardToPort, "%d", forwardToPort);
    forwards.push_back(r);
    return 0;
}

extern "C" int zivra_deleteForwardRuleJni(int ruleNum) {
    zsim::Record("deleteForwardRuleJni", "ruleNum=%d", ruleNum);
    ZSIM_RUN_SCRIPT(zivra_deleteForwardRuleJni, ruleNum);
    std::lock_guard<std::mutex> lock(mu);
    return DeleteRule(forwards, ruleNum);
}

extern "C" int zivra_deleteAllForwardRuleJni(void) {
    zsim::Record("deleteAllForwardRuleJni", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_deleteAllForwardRuleJni);
    std::lock_guard<std::mutex> lock(mu);
    forwards.clear();
    return 0;
}

// --- HTTP traffic processing rules ---------------------------------------------

extern "C" int zivra_getHTTPTrafficProcessRuleInfoJni(HTTPProcessRuleRecord **list, int *count) {
    zsim::Record("getHTTPTrafficProcessRuleInfoJni", "list=%s count=%d", *list == nullptr ? "null" : "set", *count);
    ZSIM_RUN_SCRIPT(zivra_getHTTPTrafficProcessRuleInfoJni, list, count);
    std::lock_guard<std::mutex> lock(mu);
    *list = HeapCopy(http_rules);
    if (*list == nullptr) return -1;
    *count = static_cast<int>(http_rules.size());
    return 0;
}

extern "C" int zivra_addHTTPTrafficProcessRuleJni(const char *remoteAddress, int remotePort, const char *direction,
                                                  const char *hostMAC, const char *methods, const char *statusCodes,
                                                  const char *headers, const char *bundleName) {
    zsim::Record("addHTTPTrafficProcessRuleJni", "%s %d %s %s methods=%s statusCodes=%s headers=%s bundle=%s",
                 zsim::Quote(remoteAddress).c_str(), remotePort, zsim::Quote(direction).c_str(),
                 zsim::Quote(hostMAC).c_str(), zsim::Quote(methods).c_str(), zsim::Quote(statusCodes).c_str(),
                 zsim::Quote(headers).c_str(), zsim::Quote(bundleName).c_str());
    ZSIM_RUN_SCRIPT(zivra_addHTTPTrafficProcessRuleJni, remoteAddress, remotePort, direction, hostMAC, methods,
                    statusCodes, headers, bundleName);
    std::lock_guard<std::mutex> lock(mu);
    if (Empty(remoteAddress) || !ValidPort(remotePort) || !ValidDirection(direction) || hostMAC == nullptr ||
        Empty(bundleName) || http_rules.size() == kRules) {
        return -1;
    }
    HTTPProcessRuleRecord r;
    memset(&r, 0, sizeof r);
    zsim::SetField(r.RemoteAddress, remoteAddress);
    snprintf(r.RemotePort, sizeof r.RemotePort, "%d", remotePort);
    zsim::SetField(r.Direction, direction);
    zsim::SetField(r.HostMAC, hostMAC);
    r.MethodCount = SplitInto(methods, r.Methods);
    r.StatusCodeCount = SplitInto(statusCodes, r.StatusCodes);
    r.HeaderCount = SplitInto(headers, r.Headers);
    zsim::SetField(r.BundleName, bundleName);
    http_rules.push_back(r);
    return 0;
}

extern "C" int zivra_deleteHTTPTrafficProcessRuleJni(int ruleNum) {
    zsim::Record("deleteHTTPTrafficProcessRuleJni", "ruleNum=%d", ruleNum);
    ZSIM_RUN_SCRIPT(zivra_deleteHTTPTrafficProcessRuleJni, ruleNum);
    std::lock_guard<std::mutex> lock(mu);
    return DeleteRule(http_rules, ruleNum);
}

extern "C" int zivra_deleteAllHTTPTrafficProcessRuleJni(void) {
    zsim::Record("deleteAllHTTPTrafficProcessRuleJni", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_deleteAllHTTPTrafficProcessRuleJni);
    std::lock_guard<std::mutex> lock(mu);
    http_rules.clear();
    return 0;
}

// --- Monitoring destinations -------------------------------------------------

namespace {

// Call record of an add or delete: the bundle name and the destinations the
// count covers, each read within its slot.
void RecordDest(const char *op, const MonitoringDestRecord *r) {
    std::string text = "bundle=\"" + Text(r->BundleName, sizeof r->BundleName) +
                       "\" count=" + std::to_string(r->Count) + " dests=[";
    const int shown = r->Count < 0 ? 0 : (r->Count > MONITORING_DEST_SLOTS ? MONITORING_DEST_SLOTS : r->Count);
    for (int i = 0; i < shown; ++i) {
        text += (i > 0 ? ",\"" : "\"") + Text(r->Dest[i], MONITORING_DEST_SIZE) + "\"";
    }
    zsim::Record(op, "%s]", text.c_str());
}

// A record the gateway can take: a named bundle, a count within the slots
// and every counted slot NUL-terminated.
bool ValidDestRecord(const MonitoringDestRecord *r) {
    if (r->BundleName[0] == '\0' || memchr(r->BundleName, '\0', sizeof r->BundleName) == nullptr) return false;
    if (r->Count < 0 || r->Count > MONITORING_DEST_SLOTS) return false;
    for (int i = 0; i < r->Count; ++i) {
        if (memchr(r->Dest[i], '\0', MONITORING_DEST_SIZE) == nullptr) return false;
    }
    return true;
}

Bundle *FindBundle(const char *name) {
    for (Bundle &b : monitored) {
        if (b.name == name) return &b;
    }
    return nullptr;
}

}  // namespace

extern "C" int zivra_getTrafficMonitoringDestAddressInfo(MonitoringDestRecord *table) {
    zsim::Record("getTrafficMonitoringDestAddressInfo", "%s", "");
    ZSIM_RUN_SCRIPT(zivra_getTrafficMonitoringDestAddressInfo, table);
    std::lock_guard<std::mutex> lock(mu);
    for (int e = 0; e < MONITORING_TABLE_ENTRIES; ++e) {
        MonitoringDestRecord &r = table[e];
        r.BundleName[0] = '\0';
        r.Count = 0;
        if (static_cast<size_t>(e) >= monitored.size()) continue;
        const Bundle &b = monitored[static_cast<size_t>(e)];
        zsim::SetField(r.BundleName, b.name.c_str());
        r.Count = static_cast<int32_t>(b.dests.size());
        for (size_t i = 0; i < b.dests.size(); ++i) zsim::SetField(r.Dest[i], b.dests[i].c_str());
    }
    return 0;
}

// Adds the record's non-empty destinations not yet kept for its bundle.
extern "C" int zivra_addTrafficMonitoringDestAddress(const MonitoringDestRecord *record) {
    RecordDest("addTrafficMonitoringDestAddress", record);
    ZSIM_RUN_SCRIPT(zivra_addTrafficMonitoringDestAddress, record);
    std::lock_guard<std::mutex> lock(mu);
    if (!ValidDestRecord(record)) return -1;
    Bundle next;
    Bundle *b = FindBundle(record->BundleName);
    if (b != nullptr) {
        next = *b;
    } else {
        if (monitored.size() == MONITORING_TABLE_ENTRIES) return -1;
        next.name = record->BundleName;
    }
    for (int i = 0; i < record->Count; ++i) {
        const std::string d = record->Dest[i];
        if (d.empty() || std::find(next.dests.begin(), next.dests.end(), d) != next.dests.end()) continue;
        if (next.dests.size() == MONITORING_DEST_SLOTS) return -1;
        next.dests.push_back(d);
    }
    if (next.dests.empty()) return 0;
    if (b != nullptr) {
        *b = next;
    } else {
        monitored.push_back(next);
    }
    return 0;
}

// Deletes the listed destinations; one the bundle does not have fails the
// whole call.
extern "C" int zivra_deleteTrafficMonitoringDestAddress(const MonitoringDestRecord *record) {
    RecordDest("deleteTrafficMonitoringDestAddress", record);
    ZSIM_RUN_SCRIPT(zivra_deleteTrafficMonitoringDestAddress, record);
    std::lock_guard<std::mutex> lock(mu);
    if (!ValidDestRecord(record)) return -1;
    Bundle *b = FindBundle(record->BundleName);
    if (b == nullptr) return -1;
    Bundle next = *b;
    for (int i = 0; i < record->Count; ++i) {
        auto at = std::find(next.dests.begin(), next.dests.end(), std::string(record->Dest[i]));
        if (at == next.dests.end()) return -1;
        next.dests.erase(at);
    }
    *b = next;
    if (b->dests.empty()) monitored.erase(monitored.begin() + (b - monitored.data()));
    return 0;
}
