package com.korvanta.nestrova.addressservices;

/** Sets the gateway's LAN address and its DHCP server; addresses keep at most 18 characters. */
public class LANIPConfigServiceImp {
    public native int setLANHostIPJni(String localIP, String submask);

    /** The switch text keeps at most 8 characters; the duration goes to the gateway unchanged. */
    public native int setLANDHCPInfoJni(String enableDHCPServer, String dhcpStartIP, String dhcpEndIP,
            int dhcpDuration);
}
