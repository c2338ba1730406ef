package com.korvanta.nestrova.transferservices;

/**
 * QoS flows of the gateway: counters, speeds and limits, DSCP remarking and the traffic of a flow. A flow
 * is named by its flow number, which is passed to the gateway unchanged (no range is checked here). The
 * gateway keeps all flow state; the meaning and units of the statistics, speeds and limits are its own.
 * Values and texts from the gateway are put into the JSON as it writes them, not escaped or repaired (a
 * value the gateway leaves empty gives nothing after its colon).
 */
public class TrafficQoSServiceImp {
    /**
     * Reads a flow's upstream and downstream traffic statistics.
     *
     * @param flow the flow number
     * @return on success {@code {"Result":0,"UsStats":number,"DsStats":number}}, and on failure
     *     {@code {"Result":-1,"FailReason":"parameter NULL"}}
     */
    public native String getStatsByFlowJni(int flow);

    /**
     * Reads a flow's upstream and downstream speed limits. The keys are capitalised, unlike those of
     * {@link #getSpeedByFlowJni(int)}.
     *
     * @param flow the flow number
     * @return on success {@code {"Result":0,"UpSpeed":number,"DownSpeed":number}}, and on failure
     *     {@code {"Result":-1,"FailReason":"parameter NULL"}}
     */
    public native String getSpeedLimitByFlowJni(int flow);

    /**
     * Reads a flow's current upstream and downstream speeds. The keys begin in lower case, unlike those
     * of {@link #getSpeedLimitByFlowJni(int)}.
     *
     * @param flow the flow number
     * @return on success {@code {"Result":0,"upSpeed":number,"downSpeed":number}}, and on failure
     *     {@code {"Result":-1,"FailReason":"parameter NULL"}}
     */
    public native String getSpeedByFlowJni(int flow);

    /**
     * Sets a flow's upstream and downstream speed limits.
     *
     * @param flow the flow number
     * @param upSpeed the upstream limit, passed to the gateway unchanged
     * @param downSpeed the downstream limit, passed to the gateway unchanged
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int setSpeedLimitByFlowJni(int flow, int upSpeed, int downSpeed);

    /**
     * Reads the DSCP value with which a flow's packets are remarked. A failure cannot be told apart: it
     * reads as 0 when the gateway gives no value.
     *
     * @param flow the flow number
     * @return the flow's DSCP value; 0 when the gateway gives none
     */
    public native int getDSCPRemarkByFlowJni(int flow);

    /**
     * Sets the DSCP value with which a flow's packets are remarked.
     *
     * @param flow the flow number
     * @param dscp the DSCP value, passed to the gateway unchanged
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int setDSCPRemarkByFlowJni(int flow, int dscp);

    /**
     * Lists the traffic (remote address and port) that belongs to a flow, in the gateway's order. The
     * reply is kept under (entries + 1) &times; 256 characters; a longer one is cut at that length and
     * is then incomplete JSON.
     *
     * @param flow the flow number
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"RemoteAddress":string,"RemotePort":string}, ...]}}</pre>
     *     on failure {@code {"Result":-1,"FailReason":"parameter NULL"}}, and the empty text {@code ""}
     *     when no memory was left for the reply
     */
    public native String getTrafficInfoByFlowJni(int flow);

    /**
     * Adds traffic to a flow. Address and port go to the gateway as Java gives them, with no length limit
     * applied here.
     *
     * @param remoteAddress the traffic's remote address; not {@code null}
     * @param remotePort the traffic's remote port, as text; not {@code null}
     * @param flow the flow number
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text is
     *     {@code null} or cannot be read (the gateway is then not called)
     */
    public native int addTrafficToFlowJni(String remoteAddress, String remotePort, int flow);

    /**
     * Removes traffic from a flow. Address and port go to the gateway as Java gives them, with no length
     * limit applied here.
     *
     * @param remoteAddress the traffic's remote address; not {@code null}
     * @param remotePort the traffic's remote port, as text; not {@code null}
     * @param flow the flow number
     * @return the gateway's result code (0 on success, any other value on failure), or -1 when a text is
     *     {@code null} or cannot be read (the gateway is then not called)
     */
    public native int deleteTrafficFromFlowJni(String remoteAddress, String remotePort, int flow);

    /**
     * Removes all traffic from a flow.
     *
     * @param flow the flow number
     * @return the gateway's result code: 0 on success, any other value on failure
     */
    public native int deleteAllTrafficFromFlowJni(int flow);
}
