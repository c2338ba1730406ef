package com.korvanta.nestrova.transferservices;

/** VLAN bindings, IPTV status and the gateway's IPv4 and IPv6 routing tables. */
public class TransferQueryServiceImp {
    /** Bindings of all LAN interfaces as a JSON list: LanInterface, Bind. */
    public native String getVLANBindInfoJni();

    /** The IPTV status text, or "" when it cannot be read. */
    public native String getIPTVStatusJni();

    /** IPv4 routes in force as a JSON list: Index, DestIPAddress, DestSubnetMask, GatewayIPAddress, Interface. */
    public native String getLayer3ForwardingCurrentJni();

    /** Configured static IPv4 routes, in the same form. */
    public native String getLayer3ForwardingStaticConfigInfoJni();

    /** IPv6 routes in force as a JSON list: Index, DestIPPrefix, NextHop, Interface. */
    public native String getIPv6Layer3ForwardingCurrentJni();

    /** Configured static IPv6 routes, in the same form. */
    public native String getIPv6Layer3ForwardingStaticConfigInfoJni();
}
