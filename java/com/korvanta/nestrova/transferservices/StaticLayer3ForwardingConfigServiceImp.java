package com.korvanta.nestrova.transferservices;

/**
 * Adds and deletes the gateway's static IPv4 and IPv6 routes. The gateway keeps the routing tables; they
 * are listed by {@link TransferQueryServiceImp}. Over-long texts are cut to their limit without an
 * error.
 */
public class StaticLayer3ForwardingConfigServiceImp {
    /**
     * Adds a static IPv4 route.
     *
     * @param destIPAddress the destination address, at most 19 characters (longer is cut); not {@code null}
     * @param destSubnetMask the destination subnet mask, at most 19 characters (longer is cut); not
     *     {@code null}
     * @param gatewayIPAddress the gateway address, at most 19 characters (longer is cut); not {@code null}
     * @param interfaceName the interface, at most 31 characters (longer is cut); not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text is
     *     {@code null} or cannot be read (the gateway is then not called)
     */
    public native int addLayer3ForwardingStaticJni(
            String destIPAddress, String destSubnetMask, String gatewayIPAddress, String interfaceName);

    /**
     * Deletes a static IPv4 route.
     *
     * @param index the route's index, passed to the gateway unchanged; what it counts from is the
     *     gateway's
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteLayer3ForwardingStaticJni(int index);

    /**
     * Adds a static IPv6 route to a destination prefix.
     *
     * @param destIPPrefix the destination prefix, at most 63 characters (longer is cut); not {@code null}
     * @param nextHop the next hop, at most 44 characters (longer is cut); not {@code null}
     * @param interfaceName the interface, at most 31 characters (longer is cut); not {@code null}
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text is
     *     {@code null} or cannot be read (the gateway is then not called)
     */
    public native int addIPv6Layer3ForwardingStaticJni(String destIPPrefix, String nextHop, String interfaceName);

    /**
     * Deletes a static IPv6 route.
     *
     * @param index the route's index, passed to the gateway unchanged; what it counts from is the
     *     gateway's
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteIPv6Layer3ForwardingStaticJni(int index);
}
