// Native half of com.korvanta.nestrova.lanservices.LANHostsInfoQueryServiceImp:
// the hosts on the gateway's LAN (by interface, class or MAC), their speed
// limits and traffic counters, the gateway's name and the MAC filter mode.
#include "com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/list_reply.h"
#include "common/log.h"
#include "common/mac_table.h"

namespace {

constexpr int kHostTable = 64;  // records the platform may fill
constexpr size_t kClassSize = 10;
constexpr size_t kGatewayNameSize = 70;

// One host of a list reply, fields in record order. Each text is read up to
// its field's size, so a field the platform filled to its last byte with no
// NUL is never read past.
#define HOST_ITEM                                                                         \
    "{\"Class\":\"%.*s\",\"MAC\":\"%.*s\",\"DhcpName\":\"%.*s\",\"DeviceName\":\"%.*s\"," \
    "\"IP\":\"%.*s\",\"ConnectInterface\":\"%.*s\",\"OnlineTime\":\"%.*s\","              \
    "\"StorageAccessStatus\":\"%.*s\"},"

// Host items are given 384 bytes each; texts one byte short of their fields
// print as 383 characters. Fields with no NUL print as the whole record
// (268 bytes) plus the template's 123 other characters: the allowance is
// raised to that so such a reply, too, stays whole.
constexpr size_t kHostItemBase = 384;
constexpr size_t kHostItemLongest = (sizeof(HOST_ITEM) - 1) - size_t{8} * 4 + sizeof(LANHostRecord);
constexpr size_t kHostItemAllowance = kHostItemLongest > kHostItemBase ? kHostItemLongest : kHostItemBase;
static_assert(kHostItemLongest == 391, "host item template and record out of step");

constexpr size_t kLimitItemAllowance = 70;  // longest item: 46 characters
constexpr size_t kStatsItemAllowance = 70;  // longest item: 44 characters

// The host list reply shared by the three host queries: the success list,
// or the fail reply when the platform failed. The count is the platform's,
// limited to the 64 records of the table: a count above it never reads
// past the table, a negative one gives an empty list.
void HostListReply(bundle::ListReply &reply, int result, const LANHostRecord *hosts, int count) {
    if (result != 0) {
        reply.Fail();
        return;
    }
    reply.Open("{\"Result\":0,\"List\":[");
    for (int i = 0; i < count; ++i) {
        const LANHostRecord &h = hosts[i];
        BUNDLE_WRITE(reply, HOST_ITEM, BUNDLE_FIELD(h.Class), BUNDLE_FIELD(h.MAC), BUNDLE_FIELD(h.DhcpName),
                     BUNDLE_FIELD(h.DeviceName), BUNDLE_FIELD(h.IP), BUNDLE_FIELD(h.ConnectInterface),
                     BUNDLE_FIELD(h.OnlineTime), BUNDLE_FIELD(h.StorageAccessStatus));
    }
    reply.Close();
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostInfoByInterfaceJni(
    JNIEnv *env, jobject, jstring interfaceName) {
    LANHostRecord hosts[kHostTable];
    int count = 0;
    int index = 0;
    memset(hosts, 0, sizeof hosts);
    BRIDGE_LOG("getLANHostInfoByInterfaceJni  enter============>\n");

    bundle::BorrowedString name(env, interfaceName);
    if (!name.ok()) {  // also a Java null
        BRIDGE_LOG("getLANHostInfoByInterfaceJni: Get jstring interface fail leave============>\n");
        return env->NewStringUTF("{\"Result\":-1,\"List\":[]}");
    }
    const int r = checkInterfaceFormat(name.get(), &index);
    name.Release();
    if (r == -1) {
        BRIDGE_LOG("getLANHostInfoByInterfaceJni: fail leave============>\n");
        return env->NewStringUTF("{\"Result\":-1,\"List\":[]}");
    }

    const int result = zivra_getLANHostInfoByInterface(index, hosts, &count);
    count = bundle::ClampCount(count, kHostTable);
    // An allocation failure leaves the fail reply (kept as a literal).
    bundle::ListReply reply(count, kHostItemAllowance, "{\"Result\":-1,\"List\":[]}");
    HostListReply(reply, result, hosts, count);

    BRIDGE_LOG("getLANHostInfoByInterfaceJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostInfoByClassJni(JNIEnv *env,
                                                                                          jobject,
                                                                                          jstring hostClass) {
    char cls[kClassSize];
    LANHostRecord hosts[kHostTable];
    int count = 0;
    memset(cls, 0, sizeof cls);
    memset(hosts, 0, sizeof hosts);
    BRIDGE_LOG("getLANHostInfoByClassJni  enter============>\n");

    // At most 8 characters of the class are kept.
    if (!bundle::JstringToPchar<9>(env, hostClass, cls)) {
        BRIDGE_LOG("getLANHostInfoByClassJni: Get jstring hostClass fail leave============>\n");
        return env->NewStringUTF("{\"Result\":-1,\"List\":[]}");
    }

    const int result = zivra_getLANHostInfoByClass(cls, hosts, &count);
    count = bundle::ClampCount(count, kHostTable);
    bundle::ListReply reply(count, kHostItemAllowance, "{\"Result\":-1,\"List\":[]}");
    HostListReply(reply, result, hosts, count);

    BRIDGE_LOG("getLANHostInfoByClassJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

// The three MAC-list queries: the list goes into a wide MAC table; an array
// of more than 64 MACs is cut to the table's 64 slots and the platform is
// told 64; a Java null array or element counts as an element whose
// characters cannot be had.

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostInfoByMACJni(JNIEnv *env,
                                                                                        jobject,
                                                                                        jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    char table[bundle::kMacTableSlots][bundle::kWideMacSlot];
    LANHostRecord hosts[kHostTable];
    memset(table, 0, sizeof table);
    memset(hosts, 0, sizeof hosts);
    BRIDGE_LOG("getLANHostInfoByMACJni  enter============>\n");

    int count = bundle::MacListToTable(env, macs, n, table,
                                       "getLANHostInfoByMACJni: Get each MAC String error============>\n");
    count = bundle::SingleEmptyMeansNone(
        count, table, "getLANHostInfoByMACJni: Compatible with String[] {\"\"}============>\n");

    const int result = zivra_getLANHostInfoByMAC(table, hosts, &count);
    count = bundle::ClampCount(count, kHostTable);
    bundle::ListReply reply(count, kHostItemAllowance, "{\"Result\":-1,\"List\":[]}");
    HostListReply(reply, result, hosts, count);

    BRIDGE_LOG("getLANHostInfoByMACJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostSpeedLimitInfoJni(
    JNIEnv *env, jobject, jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    char table[bundle::kMacTableSlots][bundle::kWideMacSlot];
    LANHostSpeedLimitRecord limits[kHostTable];
    memset(table, 0, sizeof table);
    memset(limits, 0, sizeof limits);
    BRIDGE_LOG("getLANHostSpeedLimitInfoJni  enter============>\n");

    int count = bundle::MacListToTable(env, macs, n, table,
                                       "getLANHostSpeedLimitInfoJni: Get each MAC String error============>\n");
    count = bundle::SingleEmptyMeansNone(
        count, table, "getLANHostSpeedLimitInfoJni: Compatible with String[] {\"\"}============>\n");

    const int result = zivra_getLANHostSpeedLimitInfo(table, limits, &count);
    count = bundle::ClampCount(count, kHostTable);
    bundle::ListReply reply(count, kLimitItemAllowance, "{\"Result\":-1,\"List\":[]}");
    if (result == 0) {
        reply.Open("{\"Result\":0,\"List\":[");
        for (int i = 0; i < count; ++i) {
            BUNDLE_WRITE(reply, "{\"UpSpeed\":%u,\"DownSpeed\":%u},", static_cast<unsigned>(limits[i].UpSpeed),
                         static_cast<unsigned>(limits[i].DownSpeed));
        }
        reply.Close();
    } else {
        reply.Fail();
    }

    BRIDGE_LOG("getLANHostSpeedLimitInfoJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getLANHostStatsJni(JNIEnv *env, jobject,
                                                                                    jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    char table[bundle::kMacTableSlots][bundle::kWideMacSlot];
    LANHostStatsRecord stats[kHostTable];
    memset(table, 0, sizeof table);
    memset(stats, 0, sizeof stats);
    BRIDGE_LOG("getLANHostStatsJni  enter============>\n");

    int count = bundle::MacListToTable(env, macs, n, table,
                                       "getLANHostStatsJni: Get each MAC String error============>\n");
    count = bundle::SingleEmptyMeansNone(count, table,
                                         "getLANHostStatsJni: Compatible with String[] {\"\"}============>\n");

    const int result = zivra_getLANHostStats(table, stats, &count);
    count = bundle::ClampCount(count, kHostTable);
    bundle::ListReply reply(count, kStatsItemAllowance, "{\"Result\":-1,\"List\":[]}");
    if (result == 0) {
        reply.Open("{\"Result\":0,\"List\":[");
        for (int i = 0; i < count; ++i) {
            BUNDLE_WRITE(reply, "{\"UsStats\":%lu,\"DsStats\":%lu},", static_cast<unsigned long>(stats[i].UsStats),
                         static_cast<unsigned long>(stats[i].DsStats));
        }
        reply.Close();
    } else {
        reply.Fail();
    }

    BRIDGE_LOG("getLANHostStatsJni: return json = %s   leave============>\n", reply.text());
    return env->NewStringUTF(reply.text());
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getGatewayNameJni(JNIEnv *env, jobject) {
    // One byte beyond the platform's 70 stays NUL, so a name filling the
    // whole buffer is still a terminated text for the log and for Java.
    char name[kGatewayNameSize + 1];
    memset(name, 0, sizeof name);
    BRIDGE_LOG("getGatewayNameJni  enter============>\n");

    const int result = zivra_getGatewayName(name);
    if (result != 0) name[0] = '\0';

    BRIDGE_LOG("getGatewayNameJni: return string = %s   leave============>\n", name);
    return env->NewStringUTF(name);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LANHostsInfoQueryServiceImp_getMacFilterModeJni(JNIEnv *, jobject) {
    BRIDGE_LOG("getMacFilterModeJni  enter============>\n");
    const int mode = zivra_getMacFilterMode();
    BRIDGE_LOG("getMacFilterModeJni: return value = %d   leave============>\n", mode);
    return mode;
}
