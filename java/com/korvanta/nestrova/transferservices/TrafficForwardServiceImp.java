package com.korvanta.nestrova.transferservices;

/**
 * Rules by which the gateway sends matching traffic to a forward address and port. A rule matches traffic
 * by remote address, remote port, protocol and LAN host MAC. The gateway keeps the rules; texts are put
 * into the JSON as they stand, not escaped.
 */
public class TrafficForwardServiceImp {
    /**
     * Lists all forward rules, in the gateway's order. The forward-to port is written quoted, as a JSON
     * string. The reply is kept under (rules + 1) &times; 300 characters; a longer one is cut at that
     * length and is then incomplete JSON.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"RemoteAddress":string,"RemotePort":string,"Protocol":string,
     *  "HostMAC":string,"ForwardToIP":string,"ForwardToPort":string}, ...]}}</pre>
     *     (one line), on failure {@code {"Result":-1,"FailReason":"parameter NULL"}}, and the empty text
     *     {@code ""} when no memory was left for the reply
     */
    public native String getForwardRuleInfoJni();

    /**
     * Adds a forward rule. No argument is checked here: the texts go to the gateway as Java gives them,
     * with no length limit applied.
     *
     * @param remoteAddress the remote address the rule matches; not {@code null}
     * @param remotePort the remote port the rule matches, as text; not {@code null}
     * @param protocol the protocol the rule matches; not {@code null}
     * @param hostMAC the MAC of the LAN host the rule matches; not {@code null}
     * @param forwardToIP the address the traffic is sent to; not {@code null}
     * @param forwardToPort the port the traffic is sent to
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text is
     *     {@code null} or cannot be read (the gateway is then not called)
     */
    public native int addForwardRuleJni(String remoteAddress, String remotePort, String protocol, String hostMAC,
            String forwardToIP, int forwardToPort);

    /**
     * Deletes one forward rule.
     *
     * @param ruleNum the rule's number, passed to the gateway unchanged; what it counts from is the
     *     gateway's
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteForwardRuleJni(int ruleNum);

    /**
     * Deletes every forward rule.
     *
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteAllForwardRuleJni();
}
