package com.korvanta.nestrova.addressservices;

/** Adds, switches and deletes port mappings; the values and texts are passed to the gateway as they are. */
public class PortMappingConfigServiceImp {
    public native int addPortMappingJni(int value1, int value2, int value3, String text1, String text2);

    public native int setPortMappingSwitchJni(int value1, int value2, boolean enable);

    public native int deletePortMappingJni(int value1, int value2);
}
