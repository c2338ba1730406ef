// Simulated LAN Ethernet ports: four ports whose byte counters are past
// 2^32, with enable, link, bit rate and duplex settings that the setters
// change.
#include <string.h>

#include <mutex>

#include "sim/state.h"
#include "sim/zivra_sim.h"

namespace {

struct Port {
    LANEthernetStatsRecord stats;
    char enable[8];
    char status[10];
    char bitRate[6];
    char duplexMode[6];
};

std::mutex mu;
Port ports[4];

void ResetPorts() {
    std::lock_guard<std::mutex> lock(mu);
    for (int i = 0; i < 4; ++i) {
        Port &p = ports[i];
        memset(&p, 0, sizeof p);
        const unsigned long long base = 5000000000ULL * static_cast<unsigned long long>(i + 1);
        p.stats.BytesSent = base + 123456789ULL;
        p.stats.BytesReceived = 2 * base + 987654321ULL;
        p.stats.PacketsSent = 3000000u + 1000u * static_cast<unsigned>(i);
        p.stats.PacketsReceived = 4100000000u + 7u * static_cast<unsigned>(i);
        zsim::SetField(p.enable, "Yes");
        zsim::SetField(p.status, i == 3 ? "NoLink" : "Up");
        zsim::SetField(p.bitRate, i == 2 ? "100" : "1000");
        zsim::SetField(p.duplexMode, "Full");
    }
}
zsim::OnReset reset_ports(&ResetPorts);

// Port numbers 1..4; anything else is not a port of this gateway.
Port *Find(int port) { return port >= 1 && port <= 4 ? &ports[port - 1] : nullptr; }

}  // namespace

extern "C" int zivra_getLANEthernetStats(int port, LANEthernetStatsRecord *stats) {
    zsim::Record("getLANEthernetStats", "port=%d", port);
    ZSIM_RUN_SCRIPT(zivra_getLANEthernetStats, port, stats);
    std::lock_guard<std::mutex> lock(mu);
    Port *p = Find(port);
    if (p == nullptr) return -1;
    *stats = p->stats;
    return 0;
}

extern "C" int zivra_getLANEthernetInfo(int port, LANEthernetInfoRecord *info) {
    zsim::Record("getLANEthernetInfo", "port=%d", port);
    ZSIM_RUN_SCRIPT(zivra_getLANEthernetInfo, port, info);
    std::lock_guard<std::mutex> lock(mu);
    Port *p = Find(port);
    if (p == nullptr) return -1;
    zsim::SetField(info->Enable, p->enable);
    zsim::SetField(info->Status, strcmp(p->enable, "Yes") == 0 ? p->status : "Disabled");
    zsim::SetField(info->BitRate, p->bitRate);
    zsim::SetField(info->DuplexMode, p->duplexMode);
    return 0;
}

extern "C" int zivra_setLANEthernetEnable(int port, const char *enable) {
    zsim::Record("setLANEthernetEnable", "port=%d enable=%s", port, zsim::Quote(enable).c_str());
    ZSIM_RUN_SCRIPT(zivra_setLANEthernetEnable, port, enable);
    std::lock_guard<std::mutex> lock(mu);
    Port *p = Find(port);
    if (p == nullptr || (strcmp(enable, "Yes") != 0 && strcmp(enable, "No") != 0)) return -1;
    zsim::SetField(p->enable, enable);
    return 0;
}

extern "C" int zivra_setLANEthernetDuplexMode(int port, const char *duplexMode) {
    zsim::Record("setLANEthernetDuplexMode", "port=%d duplexMode=%s", port,
                 zsim::Quote(duplexMode).c_str());
    ZSIM_RUN_SCRIPT(zivra_setLANEthernetDuplexMode, port, duplexMode);
    std::lock_guard<std::mutex> lock(mu);
    Port *p = Find(port);
    if (p == nullptr) return -1;
    if (strcmp(duplexMode, "Full") != 0 && strcmp(duplexMode, "Half") != 0 &&
        strcmp(duplexMode, "Auto") != 0)
        return -1;
    zsim::SetField(p->duplexMode, duplexMode);
    return 0;
}

extern "C" int zivra_setLANEthernetMaxBitRate(int port, const char *maxBitRate) {
    zsim::Record("setLANEthernetMaxBitRate", "port=%d maxBitRate=%s", port,
                 zsim::Quote(maxBitRate).c_str());
    ZSIM_RUN_SCRIPT(zivra_setLANEthernetMaxBitRate, port, maxBitRate);
    std::lock_guard<std::mutex> lock(mu);
    Port *p = Find(port);
    if (p == nullptr) return -1;
    static const char *const kRates[] = {"10", "100", "1000", "Auto"};
    for (const char *rate : kRates) {
        if (strcmp(maxBitRate, rate) == 0) {
            zsim::SetField(p->bitRate, maxBitRate);
            return 0;
        }
    }
    return -1;
}
