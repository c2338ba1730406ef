package com.korvanta.nestrova.addressservices;

/** The gateway's own LAN address and its DHCP server settings, as JSON written by the gateway. */
public class LANIPInfoQueryServiceImp {
    /** Keys Result, EnableDHCPServer, DHCPStartIP, DHCPEndIP and DHCPDuration. */
    public native String getLANDHCPInfoJni();

    /** Keys Result, LocalIP and Submask. */
    public native String getLANHostIPJni();
}
