// Native half of com.korvanta.nestrova.transferservices.L2TPVPNServiceImp:
// switches the gateway's L2TP VPN client on and off, reads its status and
// the addresses connected through it, and adds or removes the destinations
// whose traffic goes through it.
#include "com_korvanta_nestrova_transferservices_L2TPVPNServiceImp.h"

#include <stdlib.h>
#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

constexpr size_t kReplySize = 256;
// The longest reply of the 256-byte buffer; the others hold no number or
// an empty text.
#define STATUS_REPLY "{\"Result\":0, \"Status\":%d}"
static_assert(bundle::LongestText(STATUS_REPLY) < kReplySize, "status reply cut");

// Packs the destination array into the record: the count is the array's
// length, cut to the record's 255 slots (the elements past them are never
// read, and the gateway is told 255); each slot keeps at most 255
// characters. An element whose characters cannot be had (a Java null too)
// leaves its slot an empty text. Each element's characters and reference
// go back before the next element is taken.
const VpnDestIPList *FillDestList(JNIEnv *env, jobjectArray destinations, VpnDestIPList *list) {
    const int count = bundle::ClampCount(bundle::ArrayLength(env, destinations), ZIVRA_VPN_DEST_SLOTS);
    list->Count = count;
    for (int i = 0; i < count; ++i) {
        bundle::ScopedLocalRef element(env, destinations, i);
        bundle::BorrowedString chars(env, static_cast<jstring>(element.get()));
        char *slot = list->DestIP[i];
        slot[0] = '\0';
        if (chars.ok()) bundle::CopyText(slot, ZIVRA_VPN_DEST_WIDTH, chars.get());
    }
    return list;
}

// The gateway takes mode 1 as 0; every other mode goes unchanged.
int GatewayMode(int mode) { return mode == 1 ? 0 : mode; }

// The record comes from calloc, zeroed: no byte past the packed slots is
// left indeterminate for the gateway.
VpnDestIPList *NewDestList() { return static_cast<VpnDestIPList *>(calloc(1, sizeof(VpnDestIPList))); }

}  // namespace

extern "C" JNIEXPORT jstring JNICALL Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_vpnOnJni(
    JNIEnv *env, jobject, jstring text1, jstring text2, jstring text3) {
    char reply[kReplySize];
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("vpnOnJni: enter============>\n");

    bundle::BorrowedString t1(env, text1);
    bundle::BorrowedString t2(env, text2);
    bundle::BorrowedString t3(env, text3);
    if (t1.ok() && t2.ok() && t3.ok()) {
        zivra_vpnOnJni(t1.get(), t2.get(), t3.get());  // its result says nothing to Java
        BUNDLE_WRITE(bundle::BoundedWriter(reply), "{\"Result\":%d}", 0);
    } else {
        // A Java null too. The gateway is not called, and Java gets the
        // empty reply as an empty String (not null).
        BRIDGE_LOG("vpnOnJni: GetStringUTFChars = NULL\n");
    }
    jstring out = env->NewStringUTF(reply);
    t1.Release();
    t2.Release();
    t3.Release();

    BRIDGE_LOG("vpnOnJni: return json = %s leave ============>\n", reply);
    return out;
}

extern "C" JNIEXPORT jstring JNICALL Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_vpnOffJni(
    JNIEnv *env, jobject, jstring text) {
    char reply[kReplySize];
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("vpnOffJni: enter============>\n");

    // Stopping the VPN goes ahead whatever the text: the gateway gets the
    // characters as they were had, null included (characters that cannot be
    // had, or a Java null, which is never asked of the JVM), and judges a
    // null text itself. Java hears {"Result":0} in every case.
    bundle::BorrowedString t(env, text);
    zivra_vpnOffJni(t.get());  // its result says nothing to Java
    BUNDLE_WRITE(bundle::BoundedWriter(reply), "{\"Result\":%d}", 0);
    jstring out = env->NewStringUTF(reply);
    t.Release();

    BRIDGE_LOG("vpnOffJni: return json = %s leave ============>\n", reply);
    return out;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_getVpnStatCmdJni(JNIEnv *env, jobject) {
    char reply[kReplySize];
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("getVpnStatCmdJni: enter============>\n");

    const int status = zivra_getVpnStatCmdJni();
    BUNDLE_WRITE(bundle::BoundedWriter(reply), STATUS_REPLY, status);
    jstring out = env->NewStringUTF(reply);

    BRIDGE_LOG("getVpnStatCmdJni: return json = %s leave ============>\n", reply);
    return out;
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_getConnectedIpListJni(JNIEnv *env, jobject) {
    char *text = nullptr;
    char reply[kReplySize];
    memset(reply, 0, sizeof reply);
    BRIDGE_LOG("getConnectedIpListJni: enter============>\n");

    zivra_getConnectedIpListJni(&text);  // its result says nothing to Java
    jstring out;
    if (text != nullptr) {
        // The gateway's text is the whole reply; it is ours to free.
        out = env->NewStringUTF(text);
        BRIDGE_LOG("getConnectedIpListJni: return %s leave============>\n", text);
        free(text);
    } else {
        BUNDLE_WRITE(bundle::BoundedWriter(reply), "{\"Result\":0, \"ips\":[%s]}", "");
        out = env->NewStringUTF(reply);
        BRIDGE_LOG("getConnectedIpListJni: return %s leave============>\n", reply);
    }
    return out;
}

// The two destination methods: a record that cannot be had gives -1
// without a call to the gateway; the leave line follows either way.

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_addVpnDestIPJni(
    JNIEnv *env, jobject, jobjectArray destinations, jint mode) {
    VpnDestIPList *list = NewDestList();
    BRIDGE_LOG("addVpnDestIPJni enter ==========>\n");

    int result = -1;
    if (list == nullptr) {
        BRIDGE_LOG("addVpnDestIPJni: Alloc fail ==========>\n");
    } else {
        result = zivra_addVpnDestIPJni(FillDestList(env, destinations, list), GatewayMode(mode));
    }

    BRIDGE_LOG("addVpnDestIPJni:return %d leave ==========>\n", result);
    free(list);
    return result;
}

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_transferservices_L2TPVPNServiceImp_deleteVpnDestIPJni(
    JNIEnv *env, jobject, jobjectArray destinations, jint mode) {
    VpnDestIPList *list = NewDestList();
    BRIDGE_LOG("deleteVpnDestIPJni enter ==========>\n");

    int result = -1;
    if (list == nullptr) {
        BRIDGE_LOG("deleteVpnDestIPJni: Alloc fail ==========>\n");
    } else {
        result = zivra_deleteVpnDestIPJni(FillDestList(env, destinations, list), GatewayMode(mode));
    }

    BRIDGE_LOG("deleteVpnDestIPJni:return %d leave ==========>\n", result);
    free(list);
    return result;
}
