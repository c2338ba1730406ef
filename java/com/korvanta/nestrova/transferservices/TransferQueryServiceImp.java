package com.korvanta.nestrova.transferservices;

/**
 * VLAN bindings, IPTV status and the gateway's IPv4 and IPv6 routing tables. Lists hold at most 64
 * entries, in the gateway's order; texts are put into the JSON as they stand, not escaped.
 */
public class TransferQueryServiceImp {
    /**
     * Lists the VLAN bindings of all LAN interfaces.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"LanInterface":string,"Bind":string}, ...]}}</pre>
     *     and on failure {@code {"Result":-1,"List":[]}}
     */
    public native String getVLANBindInfoJni();

    /**
     * Reads the gateway's IPTV status. The form of the status text is the gateway's.
     *
     * @return the status as plain text (not JSON), or the empty text {@code ""} when it cannot be read
     */
    public native String getIPTVStatusJni();

    /**
     * Lists the IPv4 routes in force. The gateway serves them from its configured static routes, so the
     * answer is the same as that of {@link #getLayer3ForwardingStaticConfigInfoJni()}. The index is a
     * quoted decimal, for instance {@code "Index":"3"}.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"Index":string,"DestIPAddress":string,"DestSubnetMask":string,
     *  "GatewayIPAddress":string,"Interface":string}, ...]}}</pre>
     *     (one line), and on failure {@code {"Result":-1,"List":[]}}
     */
    public native String getLayer3ForwardingCurrentJni();

    /**
     * Lists the configured static IPv4 routes. The index is a quoted decimal, for instance
     * {@code "Index":"3"}.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"Index":string,"DestIPAddress":string,"DestSubnetMask":string,
     *  "GatewayIPAddress":string,"Interface":string}, ...]}}</pre>
     *     (one line), and on failure {@code {"Result":-1,"List":[]}}
     */
    public native String getLayer3ForwardingStaticConfigInfoJni();

    /**
     * Lists the IPv6 routes in force. The index is a quoted decimal, for instance {@code "Index":"3"}.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"Index":string,"DestIPPrefix":string,"NextHop":string,
     *  "Interface":string}, ...]}}</pre>
     *     (one line), and on failure {@code {"Result":-1,"List":[]}}
     */
    public native String getIPv6Layer3ForwardingCurrentJni();

    /**
     * Lists the configured static IPv6 routes. The index is a quoted decimal, for instance
     * {@code "Index":"3"}.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"Index":string,"DestIPPrefix":string,"NextHop":string,
     *  "Interface":string}, ...]}}</pre>
     *     (one line), and on failure {@code {"Result":-1,"List":[]}}
     */
    public native String getIPv6Layer3ForwardingStaticConfigInfoJni();
}
