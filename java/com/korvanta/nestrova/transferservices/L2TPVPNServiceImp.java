package com.korvanta.nestrova.transferservices;

/** The gateway's L2TP VPN client and the destinations routed through it. */
public class L2TPVPNServiceImp {
    /** Starts the VPN with the gateway's three texts; {"Result":0}. */
    public native String vpnOnJni(String text1, String text2, String text3);

    /** Stops the VPN; {"Result":0}. */
    public native String vpnOffJni(String text);

    /** The VPN status as JSON: Result, Status. */
    public native String getVpnStatCmdJni();

    /** Addresses connected through the VPN as JSON: Result, ips. */
    public native String getConnectedIpListJni();

    /** Routes these destinations (at most 255) through the VPN; 0 on success. */
    public native int addVpnDestIPJni(String[] destinations, int mode);

    /** Stops routing these destinations through the VPN; 0 on success. */
    public native int deleteVpnDestIPJni(String[] destinations, int mode);
}
