package com.korvanta.nestrova.transferservices;

/**
 * The gateway's L2TP VPN client and the destinations routed through it. The gateway runs the tunnel; the
 * meaning of the texts given to start and stop it, of the status values and of the destination mode are
 * the gateway's.
 */
public class L2TPVPNServiceImp {
    /**
     * Starts the VPN with three texts that the gateway interprets. The gateway's own answer is not
     * reported.
     *
     * @param text1 the first text; not {@code null}
     * @param text2 the second text; not {@code null}
     * @param text3 the third text; not {@code null}
     * @return {@code {"Result":0}} once the gateway has been called, or the empty text {@code ""} when a
     *     text is {@code null} or cannot be read (the gateway is then not called)
     */
    public native String vpnOnJni(String text1, String text2, String text3);

    /**
     * Stops the VPN. The gateway's own answer is not reported.
     *
     * @param text a text that the gateway interprets; not {@code null}
     * @return {@code {"Result":0}} once the gateway has been called, or the empty text {@code ""} when the
     *     text is {@code null} or cannot be read (the gateway is then not called)
     */
    public native String vpnOffJni(String text);

    /**
     * Reads the VPN status. The reply always carries {@code "Result":0}.
     *
     * @return {@code {"Result":0, "Status":int}} (with a blank after the first comma), the status as the
     *     gateway gives it
     */
    public native String getVpnStatCmdJni();

    /**
     * Reads the addresses connected through the VPN.
     *
     * @return the complete JSON reply as the gateway writes it, or {@code {"Result":0, "ips":[]}} (with a
     *     blank after the first comma) when the gateway has nothing to report
     */
    public native String getConnectedIpListJni();

    /**
     * Routes destinations through the VPN.
     *
     * @param destinations the destination addresses, in order: at most 255, further ones are left out;
     *     each at most 255 characters, longer is cut. Empty strings are passed as empty addresses, and a
     *     {@code null} element (or one that cannot be read) as an empty address; a {@code null} array
     *     counts as empty
     * @param mode passed to the gateway unchanged, except 1, which is passed as 0
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when no memory
     *     was left (the gateway is then not called)
     */
    public native int addVpnDestIPJni(String[] destinations, int mode);

    /**
     * Stops routing destinations through the VPN.
     *
     * @param destinations the destination addresses, under the same rules as for
     *     {@link #addVpnDestIPJni(String[], int)}: at most 255, each at most 255 characters
     * @param mode passed to the gateway unchanged, except 1, which is passed as 0
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when no memory
     *     was left (the gateway is then not called)
     */
    public native int deleteVpnDestIPJni(String[] destinations, int mode);
}
