// Native half of com.korvanta.nestrova.transferservices.StaticLayer3ForwardingConfigServiceImp:
// adds and deletes the gateway's static IPv4 and IPv6 routes. A route to
// add goes to the gateway as a whole record, by value.
#include "com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {

// The characters of every string are taken before any is tested; a Java
// null counts as characters that cannot be had.
template <size_t N>
bool AllHad(const bundle::BorrowedString (&texts)[N]) {
    for (const auto &t : texts) {
        if (!t.ok()) return false;
    }
    return true;
}

// Gives the characters back in parameter order (a guard array would
// release them in reverse order).
template <size_t N>
void ReleaseInOrder(bundle::BorrowedString (&texts)[N]) {
    for (auto &t : texts) t.Release();
}

// Copies a text into a record field keeping at most the field's size less
// one characters.
template <size_t N>
void CopyField(char (&field)[N], const char *text) {
    bundle::CopyText(field, text);
}

}  // namespace

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp_addLayer3ForwardingStaticJni(
    JNIEnv *env, jobject, jstring destIPAddress, jstring destSubnetMask, jstring gatewayIPAddress,
    jstring interfaceName) {
    // Zeroed whole, so every byte the gateway receives is defined and the
    // index stays 0.
    Layer3ForwardingEntry entry;
    memset(&entry, 0, sizeof entry);
    BRIDGE_LOG("addLayer3ForwardingStaticJni  enter============>\n");

    bundle::BorrowedString texts[4] = {
        {env, destIPAddress}, {env, destSubnetMask}, {env, gatewayIPAddress}, {env, interfaceName}};
    if (!AllHad(texts)) {
        BRIDGE_LOG("addLayer3ForwardingStaticJni: Get jString error\n");
        ReleaseInOrder(texts);
        return -1;
    }
    CopyField(entry.DestIPAddress, texts[0].get());
    CopyField(entry.DestSubnetMask, texts[1].get());
    CopyField(entry.GatewayIPAddress, texts[2].get());
    CopyField(entry.Interface, texts[3].get());
    ReleaseInOrder(texts);

    return zivra_addLayer3ForwardingStatic(entry);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp_deleteLayer3ForwardingStaticJni(
    JNIEnv *, jobject, jint index) {
    BRIDGE_LOG("deleteLayer3ForwardingStaticJni  enter============>\n");
    const int result = zivra_deleteLayer3ForwardingStatic(index);
    BRIDGE_LOG("deleteLayer3ForwardingStaticJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp_addIPv6Layer3ForwardingStaticJni(
    JNIEnv *env, jobject, jstring destIPPrefix, jstring nextHop, jstring interfaceName) {
    // Zeroed whole, the named tail padding included, so every byte the
    // gateway receives is defined and the index stays 0.
    IPv6Layer3ForwardingEntry entry;
    memset(&entry, 0, sizeof entry);
    BRIDGE_LOG("addIPv6Layer3ForwardingStaticJni  enter============>\n");

    bundle::BorrowedString texts[3] = {{env, destIPPrefix}, {env, nextHop}, {env, interfaceName}};
    if (!AllHad(texts)) {
        BRIDGE_LOG("addIPv6Layer3ForwardingStaticJni: Get jString error\n");
        ReleaseInOrder(texts);
        return -1;
    }
    CopyField(entry.DestIPPrefix, texts[0].get());
    CopyField(entry.NextHop, texts[1].get());
    CopyField(entry.Interface, texts[2].get());
    ReleaseInOrder(texts);

    const int result = zivra_addIPv6Layer3ForwardingStatic(entry);
    BRIDGE_LOG("addIPv6Layer3ForwardingStaticJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_StaticLayer3ForwardingConfigServiceImp_deleteIPv6Layer3ForwardingStaticJni(
    JNIEnv *, jobject, jint index) {
    BRIDGE_LOG("deleteIPv6Layer3ForwardingStaticJni  enter============>\n");
    const int result = zivra_deleteIPv6Layer3ForwardingStatic(index);
    BRIDGE_LOG("deleteIPv6Layer3ForwardingStaticJni: return value = %d   leave============>\n", result);
    return result;
}
