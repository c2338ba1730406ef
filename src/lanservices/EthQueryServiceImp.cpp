// Native half of com.korvanta.nestrova.lanservices.EthQueryServiceImp:
// traffic counters and state of the gateway's four LAN Ethernet ports.
#include "com_korvanta_nestrova_lanservices_EthQueryServiceImp.h"

#include <stdio.h>
#include <string.h>

#include "common/log.h"

namespace {
// The counter reply needs up to 136 characters (two 64-bit counters of 20
// digits, two 32-bit ones of 10): the buffer keeps the longest one whole.
constexpr size_t kStatsReplySize = 160;
constexpr size_t kInfoReplySize = 128;
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
        snprintf(reply, sizeof reply,
                 "{\"Result\":0,\"BytesSent\":%llu,\"BytesReceived\":%llu,\"PacketsSent\":%lu,"
                 "\"PacketsReceived\":%lu}",
                 static_cast<unsigned long long>(stats.BytesSent),
                 static_cast<unsigned long long>(stats.BytesReceived),
                 static_cast<unsigned long>(stats.PacketsSent),
                 static_cast<unsigned long>(stats.PacketsReceived));
    } else {
        snprintf(reply, sizeof reply, "%s", "{\"Result\":-1}");
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
        // Full fields print as 95 characters at most: the reply fits.
        snprintf(reply, sizeof reply,
                 "{\"Result\":0,\"Enable\":\"%.*s\",\"Status\":\"%.*s\",\"BitRate\":\"%.*s\","
                 "\"DuplexMode\":\"%.*s\"}",
                 static_cast<int>(sizeof info.Enable), info.Enable,
                 static_cast<int>(sizeof info.Status), info.Status,
                 static_cast<int>(sizeof info.BitRate), info.BitRate,
                 static_cast<int>(sizeof info.DuplexMode), info.DuplexMode);
    } else {
        snprintf(reply, sizeof reply, "%s", "{\"Result\":-1}");
    }

    BRIDGE_LOG("getLANEthernetInfoJni: return json = %s   leave============>\n", reply);
    return env->NewStringUTF(reply);
}
