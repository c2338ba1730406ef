// Native half of com.korvanta.nestrova.lanservices.WlanConfigServiceImp:
// SSID advertisement, security and switch, radio width, standard, power and
// channel, the hardware switch, guest SSIDs and WPS. Every method hands the
// gateway's result code back unchanged.
//
// Text arguments are the JVM's own characters, passed without a copy: all
// of a method's strings are obtained before any is checked, and the guards
// holding them end right after the gateway call (or at the early return
// when one of them cannot be had, which releases those that were obtained).
// A null String counts as characters that cannot be had.
#include "com_korvanta_nestrova_lanservices_WlanConfigServiceImp.h"

#include <string.h>

#include "common/java_args.h"
#include "common/log.h"
#include "common/writer.h"

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDAdvertisementJni(JNIEnv *, jobject,
                                                                                       jint ssidIndex,
                                                                                       jboolean advertise) {
    char text[8];
    memset(text, 0, sizeof text);
    // The gateway takes a hide flag: "0" advertises the SSID.
    bundle::CopyText(text, bundle::BoolText(advertise, "0", "1"));
    BRIDGE_LOG("setWLANSSIDAdvertisementJni: enter============>\n");
    const int result = zivra_setWLANSSIDAdvertisement(ssidIndex, text);
    BRIDGE_LOG("setWLANSSIDAdvertisementJni: return json = \"Result\":%d leave============>\n", result);
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDSecurityJni(JNIEnv *env, jobject,
                                                                                  jint ssidIndex,
                                                                                  jstring security1,
                                                                                  jstring security2,
                                                                                  jstring security3) {
    int result;
    {
        bundle::BorrowedString s1(env, security1);
        bundle::BorrowedString s2(env, security2);
        bundle::BorrowedString s3(env, security3);
        if (!s1.ok() || !s2.ok() || !s3.ok()) return -1;
        BRIDGE_LOG("setWLANSSIDSecurityJni: enter============>\n");
        result = zivra_setWLANSSIDSecurity(ssidIndex, s1.get(), s2.get(), s3.get());
    }
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioFrequencyWidthJni(
    JNIEnv *env, jobject, jstring radioType, jstring frequencyWidth) {
    int result;
    {
        bundle::BorrowedString radio(env, radioType);
        bundle::BorrowedString width(env, frequencyWidth);
        if (!radio.ok() || !width.ok()) return -1;
        BRIDGE_LOG("setWLANRadioFrequencyWidthJni: enter============>\n");
        result = zivra_setWLANRadioFrequencyWidth(radio.get(), width.get());
    }
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANStandardJni(JNIEnv *env, jobject,
                                                                              jstring radioType,
                                                                              jstring standard) {
    int result;
    {
        bundle::BorrowedString radio(env, radioType);
        bundle::BorrowedString std_text(env, standard);
        if (!radio.ok() || !std_text.ok()) return -1;
        BRIDGE_LOG("setWLANStandardJni:CradioType:%s,Cstandard:%s", radio.get(), std_text.get());
        BRIDGE_LOG("setWLANStandardJni: enter============>\n");
        result = zivra_setWLANStandard(radio.get(), std_text.get());
    }
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_addWLANGuestSSIDJni(JNIEnv *, jobject,
                                                                               jint guestSsidIndex) {
    BRIDGE_LOG("addWLANGuestSSIDJni: guestSsidIndex:%d enter============>\n", guestSsidIndex);
    return zivra_addWLANGuestSSID(guestSsidIndex);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioPowerJni(JNIEnv *env, jobject,
                                                                                jstring radioType,
                                                                                jint power) {
    int result;
    {
        bundle::BorrowedString radio(env, radioType);
        if (!radio.ok()) return -1;
        BRIDGE_LOG("setWLANRadioPowerJni: radioType:%s enter============>\n", radio.get());
        result = zivra_setWLANRadioPower(radio.get(), power);
    }
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANSSIDSwitchJni(JNIEnv *, jobject,
                                                                                jint ssidIndex,
                                                                                jboolean enable) {
    char text[8];
    memset(text, 0, sizeof text);
    bundle::CopyText(text, bundle::BoolText(enable, "1", "0"));
    // The boolean is shown as the 0 or 1 it stands for, whatever its byte.
    BRIDGE_LOG("setWLANSSIDSwitchJni: enable:%d enter============>\n", enable != 0 ? 1 : 0);
    BRIDGE_LOG("setWLANSSIDSwitchJni: Enable:%s enter============>\n", text);
    return zivra_setWLANSSIDSwitch(ssidIndex, text);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANGuestPortIsolationJni(JNIEnv *, jobject,
                                                                                        jint guestSsidIndex,
                                                                                        jboolean isolate) {
    char text[32];
    memset(text, 0, sizeof text);
    bundle::CopyText(text, bundle::BoolText(isolate, "1", "0"));
    BRIDGE_LOG("setWLANGuestPortIsolationJni: enter============>\n");
    return zivra_setWLANGuestPortIsolation(guestSsidIndex, text);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_startWLANWPSJni(JNIEnv *, jobject, jint ssidIndex) {
    return zivra_startWLANWPS(ssidIndex);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_deleteWLANGuestSSIDJni(JNIEnv *, jobject,
                                                                                  jint guestSsidIndex) {
    return zivra_deleteWLANGuestSSID(guestSsidIndex);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANHardwareSwitchJni(JNIEnv *env, jobject,
                                                                                    jstring radioType,
                                                                                    jboolean on) {
    char text[8];
    memset(text, 0, sizeof text);
    int result;
    {
        bundle::BorrowedString radio(env, radioType);
        if (!radio.ok()) return -1;
        // Unlike the other switches, only a boolean of exactly 1 switches
        // the radios on; the line shows the boolean as it came.
        bundle::CopyText(text, on == 1 ? "1" : "0");
        BRIDGE_LOG("setWLANHardwareSwitchJni: radioType:%s,WLANHardwareSwitch:%d enter============>\n",
                   radio.get(), static_cast<int>(on));
        result = zivra_setWLANHardwareSwitch(radio.get(), text);
    }
    return result;
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANGuestDurationJni(JNIEnv *, jobject,
                                                                                   jint guestSsidIndex,
                                                                                   jint duration) {
    BRIDGE_LOG("setWLANGuestDurationJni: enter============>\n");
    return zivra_setWLANGuestDuration(guestSsidIndex, duration);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_stopWLANWPSJni(JNIEnv *, jobject, jint ssidIndex) {
    BRIDGE_LOG("stopWLANWPSJni: ssidIndex:%d enter============>\n", ssidIndex);
    return zivra_stopWLANWPS(ssidIndex);
}

extern "C" JNIEXPORT jint JNICALL
Java_com_korvanta_nestrova_lanservices_WlanConfigServiceImp_setWLANRadioChannelJni(JNIEnv *env, jobject,
                                                                                  jstring radioType,
                                                                                  jint channel) {
    int result;
    {
        bundle::BorrowedString radio(env, radioType);
        if (!radio.ok()) return -1;
        BRIDGE_LOG("setWLANRadioChannelJni: radioType:%s enter============>\n", radio.get());
        result = zivra_setWLANRadioChannel(radio.get(), channel);
    }
    BRIDGE_LOG("setWLANRadioChannelJni: return json = \"Result\":%d leave============>\n", result);
    return result;
}
