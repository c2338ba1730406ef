package com.korvanta.nestrova.accessservices;

/** The gateway's uplink: WAN connections, their settings, state and counters, and the PON interface. */
public class AccessInfoQueryServiceImp {
    /** WAN index of the connection that carries Internet traffic. */
    public native int getInternetWANIndexJni();

    /** The WAN connections as the gateway lists them (JSON). */
    public native String getWANIfListJni();

    /** Uptime of the PON interface. */
    public native int getPONIfUpTimeJni();

    /** Upstream and downstream byte counters of a WAN connection as JSON: UsStats, DsStats. */
    public native String getWANIfStatsJni(int wanIndex);

    /** Settings and IPv4/IPv6 addressing of a WAN connection (JSON). */
    public native String getWANIfInfoJni(int wanIndex);

    /** Connection state of a WAN connection (JSON). */
    public native String getWANIfStatusJni(int wanIndex);

    /** Bandwidth of a WAN connection (JSON). */
    public native String getWanIfBandwidthJni(int wanIndex);

    /** Physical state of the PON interface, optical levels included (JSON). */
    public native String getPONIfPhyStatusJni();

    /** Registration state of the PON interface (JSON). */
    public native String getPONIfRegisterStatusJni();

    /** Uplink counters as JSON: UsStats, DsStats. */
    public native String getUplinkIfStatsJni();
}
