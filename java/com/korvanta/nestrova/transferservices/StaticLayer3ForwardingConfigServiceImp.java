package com.korvanta.nestrova.transferservices;

/** Adds and deletes the gateway's static IPv4 and IPv6 routes. */
public class StaticLayer3ForwardingConfigServiceImp {
    /** Adds an IPv4 route; 0 on success. */
    public native int addLayer3ForwardingStaticJni(
            String destIPAddress, String destSubnetMask, String gatewayIPAddress, String interfaceName);

    /** Deletes the IPv4 route with this Index; 0 on success. */
    public native int deleteLayer3ForwardingStaticJni(int index);

    /** Adds an IPv6 route to a prefix ("2001:db8::/48"); 0 on success. */
    public native int addIPv6Layer3ForwardingStaticJni(String destIPPrefix, String nextHop, String interfaceName);

    /** Deletes the IPv6 route with this Index; 0 on success. */
    public native int deleteIPv6Layer3ForwardingStaticJni(int index);
}
