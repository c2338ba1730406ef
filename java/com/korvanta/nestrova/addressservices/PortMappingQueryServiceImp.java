package com.korvanta.nestrova.addressservices;

/** The gateway's port mappings as JSON: one List element per WAN connection, its mappings in MapList. */
public class PortMappingQueryServiceImp {
    public native String getPortMappingInfoJni();
}
