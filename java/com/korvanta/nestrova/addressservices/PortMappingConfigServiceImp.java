package com.korvanta.nestrova.addressservices;

/**
 * Adds, switches and deletes port mappings; the values and texts are passed to the gateway as they
 * are. Which mapping they address and what each value sets is the gateway's definition. Every
 * method returns the gateway's result code unchanged, 0 on success.
 */
public class PortMappingConfigServiceImp {
    /**
     * Adds a port mapping.
     *
     * @param value1 the first value, as the gateway defines it
     * @param value2 the second value, as the gateway defines it
     * @param value3 the third value, as the gateway defines it
     * @param text1 the first text, as the gateway defines it; null fails with -1
     * @param text2 the second text, as the gateway defines it; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read (the gateway is not asked)
     */
    public native int addPortMappingJni(int value1, int value2, int value3, String text1, String text2);

    /**
     * Switches a port mapping on or off.
     *
     * @param value1 the first value, as the gateway defines it
     * @param value2 the second value, as the gateway defines it
     * @param enable true to switch the mapping on, false to switch it off
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int setPortMappingSwitchJni(int value1, int value2, boolean enable);

    /**
     * Deletes a port mapping.
     *
     * @param value1 the first value, as the gateway defines it
     * @param value2 the second value, as the gateway defines it
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int deletePortMappingJni(int value1, int value2);
}
