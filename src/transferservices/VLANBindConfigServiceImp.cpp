// Native half of com.korvanta.nestrova.transferservices.VLANBindConfigServiceImp:
// sets and clears the VLAN binding of a LAN interface named by Java.
#include "com_korvanta_nestrova_transferservices_VLANBindConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

namespace {
constexpr size_t kBindSize = 210;  // binding buffer; at most 208 characters kept
}  // namespace

extern "C" JNIEXPORT jint JNICALL Java_com_korvanta_nestrova_transferservices_VLANBindConfigServiceImp_setVLANBindJni(
    JNIEnv *env, jobject, jstring lanInterface, jstring bind) {
    int index = 0;
    char binding[kBindSize];
    memset(binding, 0, sizeof binding);
    BRIDGE_LOG("setVLANBindJni  enter============>\n");

    // The interface name is lent to the check; the binding is copied. A
    // Java null in either counts as characters that cannot be had.
    bundle::BorrowedString name(env, lanInterface);
    bundle::BorrowedString text(env, bind);
    if (!name.ok() || !text.ok()) {
        BRIDGE_LOG("setVLANBindJni: Get jstring fail leave============>\n");
        return -1;
    }
    // Size argument 209: at most 208 characters of the binding are kept.
    bundle::CopyText(binding, kBindSize - 1, text.get());
    text.Release();

    const int r = checkInterfaceFormat(name.get(), &index);
    name.Release();
    if (r == -1) {
        BRIDGE_LOG("setVLANBindJni: return value = %d   leave============>\n", -1);
        return -1;
    }

    const int result = zivra_setVLANBind(index, binding);
    BRIDGE_LOG("setVLANBindJni: return value = %d   leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_transferservices_VLANBindConfigServiceImp_clearVLANBindJni(JNIEnv *env, jobject,
                                                                                     jstring lanInterface) {
    int index = 0;
    BRIDGE_LOG("clearVLANBindJni  enter============>\n");

    bundle::BorrowedString name(env, lanInterface);  // also a Java null
    if (!name.ok()) {
        BRIDGE_LOG("clearVLANBindJni: Get jstring fail leave============>\n");
        return -1;
    }
    const int r = checkInterfaceFormat(name.get(), &index);
    name.Release();
    if (r == -1) {
        BRIDGE_LOG("clearVLANBindJni: return value = %d   leave============>\n", -1);
        return -1;
    }

    const int result = zivra_clearVLANBind(index);
    BRIDGE_LOG("clearVLANBindJni: return value = %d   leave============>\n", result);
    return result;
}
