package com.korvanta.nestrova.transferservices;

/**
 * Rules by which the gateway copies matching traffic to a mirror address and port. A rule matches traffic
 * by remote address, remote port, direction, protocol and LAN host MAC. The gateway keeps the rules;
 * texts are put into the JSON as they stand, not escaped.
 */
public class TrafficMirrorServiceImp {
    /**
     * Lists all mirror rules, in the gateway's order. The method name is spelled "Mirro". The mirror-to
     * port is written unquoted, as a JSON number. The reply is kept under (rules + 1) &times; 300
     * characters; a longer one is cut at that length and is then incomplete JSON.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"RemoteAddress":string,"RemotePort":string,"Direction":string,
     *  "Protocol":string,"HostMAC":string,"MirrorToIP":string,"MirrorToPort":number}, ...]}}</pre>
     *     (one line), on failure {@code {"Result":-1,"FailReason":"parameter NULL"}}, and the empty text
     *     {@code ""} when no memory was left for the reply
     */
    public native String getMirroRuleInfoJni();

    /**
     * Adds a mirror rule. No argument is checked here: the texts go to the gateway as Java gives them,
     * with no length limit applied.
     *
     * @param remoteAddress the remote address the rule matches; not {@code null}
     * @param remotePort the remote port the rule matches, as text; not {@code null}
     * @param direction the direction the rule matches; not {@code null}
     * @param protocol the protocol the rule matches; not {@code null}
     * @param hostMAC the MAC of the LAN host the rule matches; not {@code null}
     * @param mirrorToIP the address the traffic is copied to; not {@code null}
     * @param mirrorToPort the port the traffic is copied to
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text is
     *     {@code null} or cannot be read (the gateway is then not called)
     */
    public native int addMirrorRuleJni(String remoteAddress, String remotePort, String direction, String protocol,
            String hostMAC, String mirrorToIP, int mirrorToPort);

    /**
     * Deletes one mirror rule.
     *
     * @param ruleNum the rule's number, passed to the gateway unchanged; what it counts from is the
     *     gateway's
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteMirrorRuleJni(int ruleNum);

    /**
     * Deletes every mirror rule.
     *
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteAllMirrorRuleJni();
}
