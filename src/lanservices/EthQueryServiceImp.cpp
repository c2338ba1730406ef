// Native half of com.korvanta.nestrova.lanservices.EthQueryServiceImp:
// traffic counters and state of the gateway's four LAN Ethernet ports.
#include "com_korvanta_nestrova_lanservices_EthQueryServiceImp.h"

#include <string.h>

#include "common/log.h"
#include "common/writer.h"

namespace {

#define ETH_STATS_REPLY                                                            \
    "{\"Result\":0,\"BytesSent\":%llu,\"BytesReceived\":%llu,\"PacketsSent\":%lu," \
    "\"PacketsReceived\":%lu}"
#define ETH_INFO_REPLY                                                            \
    "{\"Result\":0,\"Enable\":\"%.*s\",\"Status\":\"%.*s\",\"BitRate\":\"%.*s\"," \
    "\"DuplexMode\":\"%.*s\"}"

// The counter reply needs up to 136 characters (two 64-bit counters of 20
// digits, two 32-bit ones of 10): the buffer keeps the longest one whole.
// On a 64-bit host the packet counters are printed as 64-bit longs and the
// assert counts 156: that fits too.
constexpr size_t kStatsReplySize = 160;
// Full fields print as 95 characters at most: the reply fits.
constexpr size_t kInfoReplySize = 128;
static_assert(bundle::LongestText(ETH_STATS_REPLY) < kStatsReplySize, "LAN Ethernet counter reply buffer");
static_assert(bundle::LongestText(ETH_INFO_REPLY,
                                  {sizeof(LANEthernetInfoRecord::Enable), sizeof(LANEthernetInfoRecord::Status),
                                   sizeof(LANEthernetInfoRecord::BitRate), sizeof(LANEthernetInfoRecord::DuplexMode)}) <
                  kInfoReplySize,
              "LAN Ethernet port reply buffer");
constexpr unsigned kLanPorts = 4;
}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_EthQueryServiceImp_getLANEthernetStatsJni(JNIEnv *env, jobject,
                                                                                jint port) {
    char reply[kStatsReplySize];
    LANEthernetStatsRecord stats;
    memset(reply, 0, sizeof reply);
    memset(&stats, 0, sizeof stats);
    BRIDGE_LOG("getLANEthernetStatsJni: enter============>\n");

    // Ports are numbered 1 to 4; zero and negative ports wrap to large
    // unsigned values and are refused with them, before the gateway is asked.
    if (static_cast<unsigned>(port) - 1u < kLanPorts && zivra_getLANEthernetStats(port, &stats) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), ETH_STATS_REPLY, static_cast<unsigned long long>(stats.BytesSent),
                     static_cast<unsigned long long>(stats.BytesReceived),
                     static_cast<unsigned long>(stats.PacketsSent), static_cast<unsigned long>(stats.PacketsReceived));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1}");
    }

    BRIDGE_LOG("getLANEthernetStatsJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_EthQueryServiceImp_getLANEthernetInfoJni(JNIEnv *env, jobject,
                                                                               jint port) {
    char reply[kInfoReplySize];
    LANEthernetInfoRecord info;
    memset(reply, 0, sizeof reply);
    memset(&info, 0, sizeof info);
    BRIDGE_LOG("getLANEthernetInfoJni: enter============>\n");

    // Any port number goes to the platform, which judges it.
    if (zivra_getLANEthernetInfo(port, &info) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), ETH_INFO_REPLY, BUNDLE_FIELD(info.Enable), BUNDLE_FIELD(info.Status),
                     BUNDLE_FIELD(info.BitRate), BUNDLE_FIELD(info.DuplexMode));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1}");
    }

    BRIDGE_LOG("getLANEthernetInfoJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}
