package com.korvanta.nestrova.lanservices;

/**
 * The devices on the gateway's LAN: hosts by interface, class or MAC, their speed limits and
 * traffic counters, the gateway's own name and the MAC filter mode.
 */
public class LANHostsInfoQueryServiceImp {
    /** Hosts on an interface ("LAN1", "SSID2", ...) as a JSON list. */
    public native String getLANHostInfoByInterfaceJni(String interfaceName);

    /** Hosts of a class (at most 8 characters are used) as a JSON list. */
    public native String getLANHostInfoByClassJni(String hostClass);

    /** Hosts with the given MAC texts as a JSON list; {""} asks for no particular MAC. */
    public native String getLANHostInfoByMACJni(String[] macs);

    /** Speed limits (UpSpeed, DownSpeed) of the given hosts as a JSON list. */
    public native String getLANHostSpeedLimitInfoJni(String[] macs);

    /** Traffic counters (UsStats, DsStats) of the given hosts as a JSON list. */
    public native String getLANHostStatsJni(String[] macs);

    /** The gateway's name, or "" when it cannot be read. */
    public native String getGatewayNameJni();

    /** The MAC filter mode, as set by setMacFilterModeJni. */
    public native int getMacFilterModeJni();
}
