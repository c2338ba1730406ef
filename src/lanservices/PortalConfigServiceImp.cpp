// Native half of com.korvanta.nestrova.lanservices.PortalConfigServiceImp:
// the gateway's captive portal (event subscription, MAC white list,
// temporary access, domain list).
#include "com_korvanta_nestrova_lanservices_PortalConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/mac_table.h"
#include "common/writer.h"

namespace {

#define MAC_WHITE_LIST_REPLY "{\"Result\":0,\"List\":[{\"MAC\":\"%.*s\"}]}"
#define DOMAIN_LIST_REPLY "{\"Result\":0,\"List\":[{\"domains\":\"%.*s\"}]}"

// The list readers' reply: the longest one (the domain template around a
// full 128-character list text) is 164 characters, so it always stays whole.
constexpr size_t kListReplySize = 256;
static_assert(bundle::LongestText(MAC_WHITE_LIST_REPLY, {PORTAL_LIST_TEXT_SIZE}) < kListReplySize,
              "portal MAC white list reply buffer");
static_assert(bundle::LongestText(DOMAIN_LIST_REPLY, {PORTAL_LIST_TEXT_SIZE}) < kListReplySize,
              "portal domain list reply buffer");

}  // namespace

// The portal's list arguments (MACs, event names or domain names) use the
// 64-slot table of 20-byte slots, at most 18 characters of each name kept,
// but go to the gateway with no count: used slots first, empty ones after.
// There is no empty-array and no String[] {""} rule here: an empty array
// simply leaves the table empty. An element whose characters cannot be had
// (a Java null element or array too) ends the copy with the method's error
// line, and the gateway is still called with the names copied before it.
// A longer array is cut to its first 64 names; the rest are not read.

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_subscribePortalEventJni(
    JNIEnv *env, jobject, jint /* first: not read */, jobjectArray events, jboolean enable) {
    PortalListTable table;
    char onOff[2];
    const jsize n = bundle::ArrayLength(env, events);
    memset(&table, 0, sizeof table);
    memset(onOff, 0, sizeof onOff);
    // The portal event subscription logs at levels 0 and 1, not at the
    // bridge's usual level 2.
    zivra_printf(0, "subscribePortalEventJni  enter, ============>\n");
    bundle::MacListToTable(env, events, n, table.Slot,
                           "subscribePortalEventJni: Get each event String error\n", 1);
    zivra_printf(0, "subscribePortalEventJni  enable[%d], ============>\n", static_cast<int>(enable));
    // Only a low byte of exactly 1 subscribes; any other value, nonzero
    // ones included, passes "0".
    bundle::CopyText(onOff, enable == 1 ? "1" : "0");
    const int result = zivra_subscribePortalEvent(&table, onOff);
    zivra_printf(0, "subscribePortalEventJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_addPortalMacWhiteListJni(JNIEnv *env, jobject,
                                                                                      jobjectArray macs) {
    PortalListTable table;
    const jsize n = bundle::ArrayLength(env, macs);
    memset(&table, 0, sizeof table);
    BRIDGE_LOG("addPortalMacWhiteListJni  enter============>\n");
    bundle::MacListToTable(env, macs, n, table.Slot,
                           "addPortalMacWhiteListJni: Get each mac String error\n");
    const int result = zivra_addPortalMacWhiteList(&table);
    BRIDGE_LOG("addPortalMacWhiteListJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_deletePortalMacWhiteListJni(
    JNIEnv *env, jobject, jobjectArray macs) {
    PortalListTable table;
    const jsize n = bundle::ArrayLength(env, macs);
    memset(&table, 0, sizeof table);
    BRIDGE_LOG("deletePortalMacWhiteListJni  enter============>\n");
    bundle::MacListToTable(env, macs, n, table.Slot,
                           "deletePortalMacWhiteListJni: Get each mac String error\n");
    const int result = zivra_deletePortalMacWhiteList(&table);
    BRIDGE_LOG("deletePortalMacWhiteListJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_getPortalMacWhiteListJni(JNIEnv *env, jobject) {
    char list[PORTAL_LIST_TEXT_SIZE];
    char reply[kListReplySize];
    memset(list, 0, sizeof list);
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("getPortalMacWhiteListJni  enter============>\n");
    if (zivra_getPortalMacWhiteList(list) == 0) {
        // A list text that fills all 128 bytes without a NUL is read no
        // further than its buffer.
        BUNDLE_WRITE(bundle::BoundedWriter(reply), MAC_WHITE_LIST_REPLY, BUNDLE_FIELD(list));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}");
    }
    BRIDGE_LOG("getPortalMacWhiteListJni: leave tmp: %s============>\n", reply);
    return env->NewStringUTF(reply);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_setTemporaryAccessModeJni(JNIEnv *, jobject,
                                                                                       jint value1,
                                                                                       jint value2) {
    BRIDGE_LOG("setTemporaryAccessModeJni  enter============>\n");
    // Both values go to the gateway as they are: it alone knows their range.
    const int result = zivra_setTemporaryAccessMode(value1, value2);
    BRIDGE_LOG("setTemporaryAccessModeJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_allowDeviceTemporaryAccessJni(
    JNIEnv *env, jobject, jobjectArray macs) {
    PortalListTable table;
    const jsize n = bundle::ArrayLength(env, macs);
    memset(&table, 0, sizeof table);
    BRIDGE_LOG("allowDeviceTemporaryAccessJni  enter============>\n");
    bundle::MacListToTable(env, macs, n, table.Slot,
                           "allowDeviceTemporaryAccessJni: Get each mac String error\n");
    const int result = zivra_allowDeviceTemporaryAccess(&table);
    BRIDGE_LOG("allowDeviceTemporaryAccessJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_setPortalDomainWriteListJni(
    JNIEnv *env, jobject, jobjectArray domains) {
    PortalListTable table;
    const jsize n = bundle::ArrayLength(env, domains);
    memset(&table, 0, sizeof table);
    BRIDGE_LOG("setPortalDomainWriteListJni  enter============>\n");
    bundle::MacListToTable(env, domains, n, table.Slot,
                           "setPortalDomainWriteListJni: Get each domains String error\n");
    const int result = zivra_setPortalDomainWriteList(&table);
    BRIDGE_LOG("setPortalDomainWriteListJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_lanservices_PortalConfigServiceImp_getPortalDomainWriteListJni(JNIEnv *env,
                                                                                         jobject) {
    char list[PORTAL_LIST_TEXT_SIZE];
    char reply[kListReplySize];
    memset(list, 0, sizeof list);
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("getPortalDomainWriteListJni  enter============>\n");
    if (zivra_getPortalDomainWriteList(list) == 0) {
        // Read no further than the list text's 128 bytes, NUL or not.
        BUNDLE_WRITE(bundle::BoundedWriter(reply), DOMAIN_LIST_REPLY, BUNDLE_FIELD(list));
    } else {
        bundle::CopyWhole(reply, "{\"Result\":-1,\"FailReason\":\"Get jstring fail\"}");
    }
    BRIDGE_LOG("getPortalDomainWriteListJni: leave tmp: %s=======>\n", reply);
    return env->NewStringUTF(reply);
}
