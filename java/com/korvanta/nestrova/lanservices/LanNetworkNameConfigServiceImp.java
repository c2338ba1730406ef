package com.korvanta.nestrova.lanservices;

/** Names the gateway and the hosts on its LAN. */
public class LanNetworkNameConfigServiceImp {
    /** Names of more than 64 bytes (in modified UTF-8) are refused with -2. */
    public native int setGatewayNameJni(String gatewayName);

    /** Host names of more than 64 bytes (in modified UTF-8) are refused with -2. */
    public native int setLANHostNameJni(String mac, String hostName);
}
