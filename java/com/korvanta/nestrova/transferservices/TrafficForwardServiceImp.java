package com.korvanta.nestrova.transferservices;

/** Rules by which the gateway sends matching traffic to a forward address and port. */
public class TrafficForwardServiceImp {
    public native String getForwardRuleInfoJni();

    public native int addForwardRuleJni(String remoteAddress, String remotePort, String protocol, String hostMAC,
            String forwardToIP, int forwardToPort);

    public native int deleteForwardRuleJni(int ruleNum);

    public native int deleteAllForwardRuleJni();
}
