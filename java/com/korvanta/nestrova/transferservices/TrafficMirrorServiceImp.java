package com.korvanta.nestrova.transferservices;

/** Rules by which the gateway copies matching traffic to a mirror address and port. */
public class TrafficMirrorServiceImp {
    public native String getMirroRuleInfoJni();

    public native int addMirrorRuleJni(String remoteAddress, String remotePort, String direction, String protocol,
            String hostMAC, String mirrorToIP, int mirrorToPort);

    public native int deleteMirrorRuleJni(int ruleNum);

    public native int deleteAllMirrorRuleJni();
}
