package com.korvanta.nestrova.transferservices;

/**
 * Rules by which the gateway processes HTTP traffic: remote address and port (1 to 65535), direction
 * (UP, DOWN or ALL), LAN host MAC, the methods, status codes and headers concerned, and the bundle.
 */
public class TrafficDetailProcessServiceImp {
    public native String getHTTPTrafficProcessRuleInfoJni();

    public native int addHTTPTrafficProcessRuleJni(String remoteAddress, int remotePort, String direction,
            String hostMAC, String[] methodList, String[] statusCodeList, String[] headerList, String bundleName);

    public native int deleteHTTPTrafficProcessRuleJni(int ruleNum);

    public native int deleteAllHTTPTrafficProcessRuleJni();
}
