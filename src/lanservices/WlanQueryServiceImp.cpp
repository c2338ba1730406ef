// Native half of com.korvanta.nestrova.lanservices.WlanQueryServiceImp:
// neighbouring access points, SSID counters and settings, radio settings,
// associated stations, guest SSIDs, WPS state and the hardware switch.
#include "com_korvanta_nestrova_lanservices_WlanQueryServiceImp.h"

#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr char kJstringFail[] = "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}";
constexpr char kNeighborFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANNeighbor fail\"}";
constexpr char kHostFail[] = "{\"Result\":-1,\"FailReason\":\"getWLANHostInfo fail\"}";
constexpr char kGuestFail[] = "{\"Result\":-1,\"FailReason\":\"getGuestSSIDInfo fail\"}";

// A neighbour item whose six texts fill their fields is 273 characters.
constexpr size_t kNeighborItemBytes = 512;
// A station item whose seven texts fill their fields is 356 characters, more
// than the 256 the gateway's own sizing allows: 384 keeps every item whole.
constexpr size_t kHostItemBytes = 384;

// The fixed replies, around the texts the gateway fills (each read within
// its field); the methods assert beside their buffers that the longest
// reply stays whole.
#define SSID_STATS_REPLY                                                                                 \
    "{\"Result\":0,\"TotalPacketsReceived\":%.*s,\"TotalPacketsSent\":%.*s,\"TotalBytesReceived\":%.*s," \
    "\"TotalBytesSent\":%.*s,\"ErrorsSent\":%.*s,\"DiscardPacketsSent\":%.*s,\"ErrorsReceived\":%.*s,"   \
    "\"DiscardPacketsReceived\":%.*s}"
#define RADIO_INFO_REPLY                                                                            \
    "{\"Result\":0, \"Channel\":%.*s, \"AutoChannelEnable\":\"%.*s\", \"ChannelsInUse\":\"%.*s\", " \
    "\"TransmitPower\":\"%.*s\", \"FrequencyWidth\":\"%.*s\"}"
#define SSID_INFO_REPLY                                                               \
    "{\"Result\":0, \"Enable\":\"%.*s\", \"BSSID\":\"%.*s\", \"SSIDName\":\"%.*s\", " \
    "\"SSIDAdvertisementEnabled\":\"%.*s\", \"Standard\":\"%.*s\", \"EncryptionMode\":\"%.*s\"}"

// The counter reply is at most 656 characters (176 of template, 480 of
// counter text).
constexpr size_t kStatsReplySize = 1024;
// 109 template characters and 418 bytes of radio texts: 527 characters at
// most, so a reply of full fields does not fit the 256 bytes that usual
// texts need; the buffer keeps the longest one whole.
constexpr size_t kRadioReplySize = 528;
// 119 template characters and 386 bytes of SSID texts: 505 at most.
constexpr size_t kSsidInfoReplySize = 512;
// Two guest items of at most 105 characters each, with the list framing.
constexpr size_t kGuestReplySize = 600;

constexpr int kGuestSlots = 2;

// The bridge's own list of the guest SSIDs that answered.
struct GuestSSIDEntry {
    char PortIsolation[32];
    int32_t SSIDIndex;
    int32_t Duration;
    int32_t RemainDuration;
};
static_assert(sizeof(GuestSSIDEntry) == 44, "GuestSSIDEntry size");
static_assert(offsetof(GuestSSIDEntry, PortIsolation) == 0, "GuestSSIDEntry.PortIsolation offset");
static_assert(offsetof(GuestSSIDEntry, SSIDIndex) == 32, "GuestSSIDEntry.SSIDIndex offset");
static_assert(offsetof(GuestSSIDEntry, Duration) == 36, "GuestSSIDEntry.Duration offset");
static_assert(offsetof(GuestSSIDEntry, RemainDuration) == 40, "GuestSSIDEntry.RemainDuration offset");

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANNeighborJni(JNIEnv *env, jobject,
                                                                             jstring radioType) {
    WLANNeighborTable table;
    memset(&table, 0, sizeof table);
    int n;
    {
        // A null radio type counts as characters that cannot be had.
        bundle::BorrowedString radio(env, radioType);
        if (!radio.ok()) return env->NewStringUTF(kJstringFail);
        BRIDGE_LOG("getWLANNeighborJni: CradioType:%s enter============>\n", radio.get());
        n = zivra_getWLANNeighbor(radio.get(), &table);
    }
    // A failed scan returns at once, without a leave line.
    if (n < 0) return env->NewStringUTF(kNeighborFail);
    // More neighbours than the table holds: only the table's 64 are read.
    const int count = bundle::ClampCount(n, ZIVRA_WLAN_NEIGHBORS);

    bundle::ListReply reply(count, kNeighborItemBytes, kNeighborFail);
    reply.Open("{\"Result\":0,\"List\":[");
    for (int i = 0; i < count; ++i) {
        // Each text is read no further than its field, NUL or not.
        BUNDLE_WRITE(reply,
                     "{\"SSIDName\":\"%.*s\",\"BSSID\":\"%.*s\",\"NetworkType\":\"%.*s\",\"Channel\":%.*s,"
                     "\"RSSI\":\"%.*s\",\"Standard\":\"%.*s\"},",
                     BUNDLE_FIELD(table.SSIDName[i]), BUNDLE_FIELD(table.BSSID[i]), BUNDLE_FIELD(table.NetworkType[i]),
                     BUNDLE_FIELD(table.Channel[i]), BUNDLE_FIELD(table.RSSI[i]), BUNDLE_FIELD(table.Standard[i]));
    }
    reply.Close();
    BRIDGE_LOG("getWLANNeighborJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANSSIDStatsJni(JNIEnv *env, jobject,
                                                                              jint ssidIndex) {
    struct {
        char TotalPacketsReceived[64];
        char TotalPacketsSent[32];
        char TotalBytesReceived[64];
        char TotalBytesSent[64];
        char ErrorsSent[64];
        char DiscardPacketsSent[64];
        char ErrorsReceived[64];
        char DiscardPacketsReceived[64];
    } c;
    char reply[kStatsReplySize];
    static_assert(
        bundle::LongestText(SSID_STATS_REPLY,
                            {sizeof c.TotalPacketsReceived, sizeof c.TotalPacketsSent, sizeof c.TotalBytesReceived,
                             sizeof c.TotalBytesSent, sizeof c.ErrorsSent, sizeof c.DiscardPacketsSent,
                             sizeof c.ErrorsReceived, sizeof c.DiscardPacketsReceived}) < sizeof reply,
        "SSID counter reply buffer");
    memset(&c, 0, sizeof c);
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("getWLANSSIDStatsJni: enter============>\n");

    if (zivra_getWLANSSIDStats(ssidIndex, c.TotalPacketsReceived, c.TotalPacketsSent, c.TotalBytesReceived,
                               c.TotalBytesSent, c.ErrorsSent, c.DiscardPacketsSent, c.ErrorsReceived,
                               c.DiscardPacketsReceived) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), SSID_STATS_REPLY, BUNDLE_FIELD(c.TotalPacketsReceived),
                     BUNDLE_FIELD(c.TotalPacketsSent), BUNDLE_FIELD(c.TotalBytesReceived),
                     BUNDLE_FIELD(c.TotalBytesSent), BUNDLE_FIELD(c.ErrorsSent), BUNDLE_FIELD(c.DiscardPacketsSent),
                     BUNDLE_FIELD(c.ErrorsReceived), BUNDLE_FIELD(c.DiscardPacketsReceived));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"getWLANSSIDStats fail\"}");
    }

    BRIDGE_LOG("getWLANSSIDStatsJni: return json = %s leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANRadioInfoJni(JNIEnv *env, jobject,
                                                                              jstring radioType) {
    struct {
        char Channel[64];
        char AutoChannelEnable[32];
        char ChannelsInUse[128];
        char TransmitPower[130];
        char FrequencyWidth[64];
    } r;
    char reply[kRadioReplySize];
    static_assert(
        bundle::LongestText(RADIO_INFO_REPLY, {sizeof r.Channel, sizeof r.AutoChannelEnable, sizeof r.ChannelsInUse,
                                               sizeof r.TransmitPower, sizeof r.FrequencyWidth}) < sizeof reply,
        "radio reply buffer");
    memset(&r, 0, sizeof r);
    memset(reply, 0, sizeof reply);

    int result;
    {
        // A null radio type counts as characters that cannot be had.
        bundle::BorrowedString radio(env, radioType);
        if (!radio.ok()) return env->NewStringUTF(kJstringFail);
        BRIDGE_LOG("getWLANRadioInfoJni: radioType:%s\n", radio.get());
        result = zivra_getWLANRadioInfo(radio.get(), r.Channel, r.AutoChannelEnable, r.ChannelsInUse,
                                        r.TransmitPower, r.FrequencyWidth);
    }

    if (result == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), RADIO_INFO_REPLY, BUNDLE_FIELD(r.Channel),
                     BUNDLE_FIELD(r.AutoChannelEnable), BUNDLE_FIELD(r.ChannelsInUse), BUNDLE_FIELD(r.TransmitPower),
                     BUNDLE_FIELD(r.FrequencyWidth));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Get WLANRadioInfo fail\"}");
    }

    BRIDGE_LOG("getWLANRadioInfoJni: return json = %s leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANHostInfoJni(JNIEnv *env, jobject,
                                                                             jobjectArray macList) {
    // A null array: none of its elements can be had.
    if (macList == nullptr) return env->NewStringUTF(kJstringFail);
    const jsize k = env->GetArrayLength(macList);

    // No MAC asks for all stations (a table of 64); otherwise one record per
    // MAC, the list cut to its first 64.
    int capacity = k > 0 ? bundle::ClampCount(k, ZIVRA_WLAN_HOSTS) : ZIVRA_WLAN_HOSTS;
    int asked = k > 0 ? capacity : 0;
    WLANHostRecord *table = static_cast<WLANHostRecord *>(calloc(static_cast<size_t>(capacity), sizeof *table));
    if (table == nullptr) return env->NewStringUTF(kJstringFail);

    for (int i = 0; i < asked; ++i) {
        bool had;
        bool empty = false;
        {
            // Characters first, then the element reference, go back before
            // the next element is taken. A null element is one whose
            // characters cannot be had.
            bundle::ScopedLocalRef element(env, macList, i);
            bundle::BorrowedString mac(env, static_cast<jstring>(element.get()));
            had = mac.ok();
            if (had) {
                empty = mac.get()[0] == '\0';
                // Cut on purpose to the record's MAC field, NUL included.
                bundle::CopyText(table[i].MAC, mac.get());
            }
        }
        if (!had) {
            free(table);
            return env->NewStringUTF(kJstringFail);
        }
        if (empty) {
            // An empty MAC anywhere means "all stations": a fresh table of 64.
            if (capacity < ZIVRA_WLAN_HOSTS) {
                free(table);
                table = static_cast<WLANHostRecord *>(calloc(ZIVRA_WLAN_HOSTS, sizeof *table));
                if (table == nullptr) return env->NewStringUTF(kJstringFail);
                capacity = ZIVRA_WLAN_HOSTS;
            } else {
                memset(table, 0, static_cast<size_t>(capacity) * sizeof *table);
            }
            asked = 0;
            break;
        }
    }

    BRIDGE_LOG("getWLANHostInfoJni:  enter============>\n");
    const int n = zivra_getWLANHostInfo(table, asked);

    jstring out;
    if (n < 0) {
        BRIDGE_LOG("getWLANHostInfoJni: return json = %s   leave============>\n", kHostFail);
        out = env->NewStringUTF(kHostFail);
    } else {
        // More stations than the table holds: only the table's records are read.
        const int count = bundle::ClampCount(n, capacity);
        bundle::ListReply reply(count, kHostItemBytes, kHostFail);
        reply.Open("{\"Result\":0,\"List\":[");
        for (int i = 0; i < count; ++i) {
            const WLANHostRecord &h = table[i];
            BUNDLE_WRITE(reply,
                         "{\"MAC\":\"%.*s\", \"SSIDIndex\":%.*s, \"SSIDName\":\"%.*s\", \"RSSI\":\"%.*s\", "
                         "\"RxRate\":\"%.*s\", \"TxRate\":\"%.*s\", \"Standard\":\"%.*s\"},",
                         BUNDLE_FIELD(h.MAC), BUNDLE_FIELD(h.SSIDIndex), BUNDLE_FIELD(h.SSIDName), BUNDLE_FIELD(h.RSSI),
                         BUNDLE_FIELD(h.RxRate), BUNDLE_FIELD(h.TxRate), BUNDLE_FIELD(h.Standard));
        }
        reply.Close();
        BRIDGE_LOG("getWLANHostInfoJni: return json = %s   leave============>\n", reply.text());
        out = env->NewStringUTF(reply.text());
    }
    free(table);
    return out;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANSSIDInfoJni(JNIEnv *env, jobject,
                                                                             jint ssidIndex) {
    struct {
        char Enable[32];
        char BSSID[32];
        char SSIDName[130];
        char SSIDAdvertisementEnabled[32];
        char Standard[32];
        char EncryptionMode[128];
    } s;
    char reply[kSsidInfoReplySize];
    static_assert(bundle::LongestText(SSID_INFO_REPLY, {sizeof s.Enable, sizeof s.BSSID, sizeof s.SSIDName,
                                                        sizeof s.SSIDAdvertisementEnabled, sizeof s.Standard,
                                                        sizeof s.EncryptionMode}) < sizeof reply,
                  "SSID reply buffer");
    memset(&s, 0, sizeof s);
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("getWLANSSIDInfoJni: enter============>\n");

    if (zivra_getWLANSSIDInfo(ssidIndex, s.Enable, s.BSSID, s.SSIDName, s.SSIDAdvertisementEnabled, s.Standard,
                              s.EncryptionMode) == 0) {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), SSID_INFO_REPLY, BUNDLE_FIELD(s.Enable), BUNDLE_FIELD(s.BSSID),
                     BUNDLE_FIELD(s.SSIDName), BUNDLE_FIELD(s.SSIDAdvertisementEnabled), BUNDLE_FIELD(s.Standard),
                     BUNDLE_FIELD(s.EncryptionMode));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"getWLANSSIDInfo fail\"}");
    }

    BRIDGE_LOG("getWLANSSIDInfoJni: return json = %s leave============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getGuestSSIDInfoJni(JNIEnv *env, jobject) {
    BRIDGE_LOG("getGuestSSIDInfoJni: enter============>\n");
    char *buf = static_cast<char *>(calloc(kGuestReplySize, 1));
    if (buf == nullptr) {
        BRIDGE_LOG("getGuestSSIDInfoJni: return json = %s   leave============>\n", kGuestFail);
        return env->NewStringUTF(kGuestFail);
    }

    GuestSSIDEntry entries[kGuestSlots];
    memset(entries, 0, sizeof entries);
    int used = 0;
    for (int slot = 0; slot < kGuestSlots; ++slot) {
        int duration = 0;
        int remain = 0;
        int ssid = 0;
        char isolation[8];
        memset(isolation, 0, sizeof isolation);
        if (zivra_getGuestSSIDInfo(slot, &duration, isolation, &remain, &ssid) != 0) continue;
        GuestSSIDEntry &e = entries[used++];
        // The gateway's text is 8 bytes and may fill them all: read no further.
        BUNDLE_WRITE(bundle::BoundedWriter(e.PortIsolation), "%.*s", BUNDLE_FIELD(isolation));
        e.SSIDIndex = ssid;
        e.Duration = duration;
        e.RemainDuration = remain;
    }

    bundle::BoundedWriter out(buf, kGuestReplySize);
    out.Literal("{\"Result\":0,\"List\":[");
    for (int i = 0; i < used; ++i) {
        const GuestSSIDEntry &e = entries[i];
        BUNDLE_WRITE(out, "{\"SSIDIndex\":%d,\"Duration\":%d,\"PortIsolation\":\"%.*s\",\"RemainDuration\":%d},",
                     static_cast<int>(e.SSIDIndex), static_cast<int>(e.Duration), BUNDLE_FIELD(e.PortIsolation),
                     static_cast<int>(e.RemainDuration));
    }
    if (used > 0) out.BackOver(',');
    out.Literal("]}");

    BRIDGE_LOG("getGuestSSIDInfoJni: return json = %s   leave============>\n", buf);
    jstring reply = env->NewStringUTF(buf);
    free(buf);
    return reply;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANWPSStatusJni(JNIEnv *, jobject,
                                                                              jint ssidIndex) {
    BRIDGE_LOG("getWLANWPSStatusJni: enter============>\n");
    return zivra_getWLANWPSStatus(ssidIndex);
}

extern "C" JNIEXPORT jboolean JNICALL
Java_com_korvanta_nestrova_lanservices_WlanQueryServiceImp_getWLANHardwareSwitchJni(JNIEnv *env, jobject,
                                                                                   jstring radioType) {
    int r;
    {
        // A null radio type counts as characters that cannot be had.
        bundle::BorrowedString radio(env, radioType);
        if (!radio.ok()) return JNI_FALSE;
        BRIDGE_LOG("getWLANHardwareSwitchJni:radioType= %s  enter============>\n", radio.get());
        r = zivra_getWLANHardwareSwitch(radio.get());
    }
    BRIDGE_LOG("getWLANHardwareSwitchJni:return  = %d leave============>\n", r);
    return r != 0 ? JNI_TRUE : JNI_FALSE;
}
