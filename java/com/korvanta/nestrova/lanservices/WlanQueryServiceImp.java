package com.korvanta.nestrova.lanservices;

/** Wireless LAN state: neighbours, SSID counters and settings, radios, stations, guests, WPS. */
public class WlanQueryServiceImp {
    /** Neighbouring access points seen by a radio, as a JSON list. */
    public native String getWLANNeighborJni(String radioType);

    /** Traffic counters of one SSID as JSON. */
    public native String getWLANSSIDStatsJni(int ssidIndex);

    /** Channel, power and width settings of a radio as JSON. */
    public native String getWLANRadioInfoJni(String radioType);

    /** Associated stations as a JSON list: the MACs given, or all when none is given. */
    public native String getWLANHostInfoJni(String[] macList);

    /** Settings of one SSID as JSON. */
    public native String getWLANSSIDInfoJni(int ssidIndex);

    /** The guest SSIDs in use, as a JSON list. */
    public native String getGuestSSIDInfoJni();

    /** WPS status value of an SSID, as the gateway reports it. */
    public native int getWLANWPSStatusJni(int ssidIndex);

    /** Whether the radio's hardware switch is on. */
    public native boolean getWLANHardwareSwitchJni(String radioType);
}
