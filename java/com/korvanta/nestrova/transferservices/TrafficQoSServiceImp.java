package com.korvanta.nestrova.transferservices;

/** QoS flows of the gateway: counters, speeds and limits, DSCP remarking and the traffic of a flow. */
public class TrafficQoSServiceImp {
    public native String getStatsByFlowJni(int flow);

    public native String getSpeedLimitByFlowJni(int flow);

    public native String getSpeedByFlowJni(int flow);

    public native int setSpeedLimitByFlowJni(int flow, int upSpeed, int downSpeed);

    /** The flow's DSCP value; 0 when the gateway gives none. */
    public native int getDSCPRemarkByFlowJni(int flow);

    public native int setDSCPRemarkByFlowJni(int flow, int dscp);

    public native String getTrafficInfoByFlowJni(int flow);

    public native int addTrafficToFlowJni(String remoteAddress, String remotePort, int flow);

    public native int deleteTrafficFromFlowJni(String remoteAddress, String remotePort, int flow);

    public native int deleteAllTrafficFromFlowJni(int flow);
}
