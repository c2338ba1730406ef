package com.korvanta.nestrova.lanservices;

/** Changes wireless LAN settings; every method returns the gateway's result code (0 = done). */
public class WlanConfigServiceImp {
    public native int setWLANSSIDAdvertisementJni(int ssidIndex, boolean advertise);

    public native int setWLANSSIDSecurityJni(int ssidIndex, String security1, String security2, String security3);

    public native int setWLANRadioFrequencyWidthJni(String radioType, String frequencyWidth);

    public native int setWLANStandardJni(String radioType, String standard);

    public native int addWLANGuestSSIDJni(int guestSsidIndex);

    public native int setWLANRadioPowerJni(String radioType, int power);

    public native int setWLANSSIDSwitchJni(int ssidIndex, boolean enable);

    public native int setWLANGuestPortIsolationJni(int guestSsidIndex, boolean isolate);

    public native int startWLANWPSJni(int ssidIndex);

    public native int deleteWLANGuestSSIDJni(int guestSsidIndex);

    public native int setWLANHardwareSwitchJni(String radioType, boolean on);

    public native int setWLANGuestDurationJni(int guestSsidIndex, int duration);

    public native int stopWLANWPSJni(int ssidIndex);

    public native int setWLANRadioChannelJni(String radioType, int channel);
}
