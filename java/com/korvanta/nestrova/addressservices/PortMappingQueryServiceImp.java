package com.korvanta.nestrova.addressservices;

/**
 * The gateway's port mappings (external ports of a WAN connection forwarded to a LAN client) as
 * JSON: one List element per WAN connection, its mappings in MapList.
 */
public class PortMappingQueryServiceImp {
    /**
     * Lists every port mapping, grouped by WAN connection.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"List":[{"WANName":string,"MapList":[{"PortMappingIndex":number,
     *   "PortMappingEnabled":string,"ExternalPort":number,"InternalPort":number,
     *   "PortMappingProtocol":string,"InternalClient":string}, ...]}, ...]}}</pre>
     *     at most 8 WAN connections, each with 1 to 64 mappings (a connection without mappings
     *     is left out, so a {@code MapList} is never empty), in the gateway's order; no mapping
     *     at all gives {@code {"Result":0,"List":[]}};
     *     {@code {"Result":-1,"FailReason":"Get jstring fail"}} when the gateway fails;
     *     {@code {"Result":-1,"FailReason":"malloc fail fail"}} when no reply buffer can be had
     */
    public native String getPortMappingInfoJni();
}
