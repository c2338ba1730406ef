// Native half of com.korvanta.nestrova.commservices.DeviceSecretInfoQueryServiceImp:
// the gateway's identity values (serial number, default SSID 1 name and
// password, device and default web passwords, manufacturer OUI) as plain
// texts, read from the platform at each call and kept nowhere.
#include "com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp.h"

#include <string.h>

#include "common/log.h"

namespace {

// The platform writes at most ZIVRA_IDENTITY_VALUE_SIZE bytes; one more
// byte that it never sees stays zero, so a value filling all of them still
// ends before it is logged or handed to NewStringUTF.
constexpr size_t kValueBuffer = ZIVRA_IDENTITY_VALUE_SIZE + 1;

typedef int (*IdentityQuery)(char *value);

// Asks the platform for one value; a failed query leaves the empty text,
// whatever the platform wrote before failing.
void ReadValue(IdentityQuery query, char (&value)[kValueBuffer]) {
    if (query(value) != 0) memset(value, 0, sizeof value);
}

}  // namespace

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_getDeviceSerialNumberJni(JNIEnv *env,
                                                                                                jobject) {
    char value[kValueBuffer];
    memset(value, 0, sizeof value);
    BRIDGE_LOG("getDeviceSerialNumberJni  enter============>\n");
    ReadValue(&zivra_getDeviceSerialNumber, value);
    BRIDGE_LOG("getDeviceSerialNumberJni: return String = %s   leave============>\n", value);
    return env->NewStringUTF(value);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_getDeviceDefaultSSID1NameJni(
    JNIEnv *env, jobject) {
    char value[kValueBuffer];
    memset(value, 0, sizeof value);
    BRIDGE_LOG("getDeviceDefaultSSID1NameJni  enter============>\n");
    ReadValue(&zivra_getDeviceDefaultSSID1Name, value);
    BRIDGE_LOG("getDeviceDefaultSSID1NameJni: return String = %s   leave============>\n", value);
    return env->NewStringUTF(value);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_getDevicePasswordJni(JNIEnv *env,
                                                                                            jobject) {
    char value[kValueBuffer];
    memset(value, 0, sizeof value);
    BRIDGE_LOG("getDevicePassword  enter============>\n");
    ReadValue(&zivra_getDevicePassword, value);
    BRIDGE_LOG("getDevicePassword: return string = %s   leave============>\n", value);
    return env->NewStringUTF(value);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_getDeviceManufacturerOUIJni(
    JNIEnv *env, jobject) {
    char value[kValueBuffer];
    memset(value, 0, sizeof value);
    BRIDGE_LOG("getDeviceManufacturerOUI  enter============>\n");
    ReadValue(&zivra_getDeviceManufacturerOUI, value);
    BRIDGE_LOG("getDeviceManufacturerOUI: return string = %s   leave============>\n", value);
    return env->NewStringUTF(value);
}

// The only one of the six with no enter line.
extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_getDeviceDefaultWebPasswordJni(
    JNIEnv *env, jobject) {
    char value[kValueBuffer];
    memset(value, 0, sizeof value);
    ReadValue(&zivra_getdefaultwebpassword, value);
    BRIDGE_LOG("getdefaultwebpasswordJni: return string = %s   leave============>\n", value);
    return env->NewStringUTF(value);
}

extern "C" JNIEXPORT jstring JNICALL
Java_com_korvanta_nestrova_commservices_DeviceSecretInfoQueryServiceImp_getDeviceDefaultSSID1PasswordJni(
    JNIEnv *env, jobject) {
    char value[kValueBuffer];
    memset(value, 0, sizeof value);
    BRIDGE_LOG("getDeviceDefaultSSID1PasswordJni  enter============>\n");
    ReadValue(&zivra_getDeviceDefaultSSID1Password, value);
    BRIDGE_LOG("getDeviceDefaultSSID1PasswordJni: return string = %s   leave============>\n", value);
    return env->NewStringUTF(value);
}
