// Native half of com.korvanta.nestrova.lanservices.LanNetworkAccessConfigServiceImp:
// adds MAC addresses to the gateway's black, trust and storage black lists
// or removes them, in batches, and sets the MAC filter mode.
//
// A batch reaches the platform as a zeroed table of 64 slots of 20 bytes
// (at most 18 characters of each MAC text) and a count. Java passes a null
// String[] as an array whose elements cannot be had: its length counts as 0.
#include "com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/mac_table.h"

namespace {

typedef char MacTable[bundle::kMacTableSlots][bundle::kNarrowMacSlot];

// The delete methods convert like the MAC-list queries: an empty batch
// (String[] {""}, a single element whose characters cannot be had, an
// empty or a null array) goes to the platform with count 0; a null array
// also gets the element error line, as every MAC list does.

}  // namespace

// --- Black list ------------------------------------------------------------

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_addLANHostToBlackListJni(JNIEnv *env, jobject,
                                                                                                 jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    MacTable table;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("addLANHostToBlackListJni  enter============>\n");
    // Nothing to add (an empty or a null array): refused before the
    // platform, with no leave line.
    if (n <= 0) {
        BRIDGE_LOG("addLANHostToBlackListJni: no MAC\n");
        return -1;
    }
    // Cut to 64 MACs when longer; an element that cannot be had ends the
    // copy and the rest of the batch stays empty slots.
    const int count =
        bundle::MacListToTable(env, macs, n, table, "addLANHostToBlackListJni: Get each MAC String error\n");
    const int result = zivra_addLANHostToBlackList(table, count);
    BRIDGE_LOG("addLANHostToBlackListJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_deleteLANHostFromBlackListJni(
    JNIEnv *env, jobject, jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    MacTable table;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("deleteLANHostFromBlackListJni  enter============>\n");
    int count =
        bundle::MacListToTable(env, macs, n, table, "deleteLANHostFromBlackListJni: Get each MAC String error============>\n");
    count = bundle::SingleEmptyMeansNone(
        count, table, "deleteLANHostFromBlackListJni: Compatible with String[] {\"\"}============>\n");
    const int result = zivra_deleteLANHostFromBlackList(table, count);
    BRIDGE_LOG("deleteLANHostFromBlackListJni: return value = %d   leave============>\n", result);
    return result;
}

// --- Trust list ------------------------------------------------------------

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_addLANHostToTrustListJni(JNIEnv *env, jobject,
                                                                                                 jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    MacTable table;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("addLANHostToTrustListJni  enter============>\n");
    // Empty or null array: refused as in addLANHostToBlackListJni.
    if (n <= 0) {
        BRIDGE_LOG("addLANHostToTrustListJni: no MAC\n");
        return -1;
    }
    const int count =
        bundle::MacListToTable(env, macs, n, table, "addLANHostToTrustListJni: Get each MAC String error\n");
    const int result = zivra_addLANHostToTrustList(table, count);
    BRIDGE_LOG("addLANHostToTrustListJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_deleteLANHostFromTrustListJni(
    JNIEnv *env, jobject, jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    MacTable table;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("deleteLANHostFromTrustListJni  enter============>\n");
    // String[] {""} still means "no MAC" here, but this method logs no line for it.
    int count = bundle::MacListToTable(env, macs, n, table, "deleteLANHostFromTrustListJni: Get each MAC String error============>\n");
    count = bundle::SingleEmptyMeansNone(count, table, nullptr);
    const int result = zivra_deleteLANHostFromTrustList(table, count);
    BRIDGE_LOG("deleteLANHostFromTrustListJni: return value = %d   leave============>\n", result);
    return result;
}

// --- Storage black list ----------------------------------------------------

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_addLANHostToStorageBlackListJni(
    JNIEnv *env, jobject, jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    MacTable table;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("addLANHostToStorageBlackListJni  enter============>\n");
    // Empty or null array: refused as in addLANHostToBlackListJni.
    if (n <= 0) {
        BRIDGE_LOG("addLANHostToStorageBlackListJni: no MAC\n");
        return -1;
    }
    const int count =
        bundle::MacListToTable(env, macs, n, table, "addLANHostToStorageBlackListJni: Get each MAC String error\n");
    const int result = zivra_addLANHostToStorageBlackList(table, count);
    BRIDGE_LOG("addLANHostToStorageBlackListJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_deleteLANHostFromStorageBlackListJni(
    JNIEnv *env, jobject, jobjectArray macs) {
    const jsize n = bundle::ArrayLength(env, macs);
    MacTable table;
    memset(table, 0, sizeof table);
    BRIDGE_LOG("deleteLANHostFromStorageBlackListJni  enter============>\n");
    int count = bundle::MacListToTable(env, macs, n, table, "deleteLANHostFromStorageBlackListJni: Get each MAC String error============>\n");
    count = bundle::SingleEmptyMeansNone(
        count, table, "deleteLANHostFromStorageBlackListJni: Compatible with String[] {\"\"}============>\n");
    const int result = zivra_deleteLANHostFromStorageBlackList(table, count);
    BRIDGE_LOG("deleteLANHostFromStorageBlackListJni: return value = %d   leave============>\n", result);
    return result;
}

// --- MAC filter mode -------------------------------------------------------

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_LanNetworkAccessConfigServiceImp_setMacFilterModeJni(JNIEnv *, jobject,
                                                                                            jint mode) {
    BRIDGE_LOG("setMacFilterModeJni  enter============>\n");
    // The mode values are the gateway's: passed on unchecked.
    const int result = zivra_setMacFilterMode(mode);
    BRIDGE_LOG("setMacFilterModeJni: return value = %d   leave============>\n", result);
    return result;
}
