package com.korvanta.nestrova.accessservices;

/**
 * Creates, changes and deletes the gateway's WAN connections. A connection is named by the WAN
 * index that {@link AccessInfoQueryServiceImp} reports; settings are texts in the gateway's own
 * format, passed on unchanged. Every method returns the gateway's result code, 0 on success.
 */
public class WanConfigServiceImp {
    /**
     * Creates a WAN connection from three settings texts in the gateway's format.
     *
     * @param text1 the first settings text; null fails with -1
     * @param text2 the second settings text; null fails with -1
     * @param text3 the third settings text; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when a text
     *     cannot be read (the gateway is not asked)
     */
    public native int addWANIfJni(String text1, String text2, String text3);

    /**
     * Deletes the WAN connection with this index.
     *
     * @param wanIndex the WAN index, passed on unchecked
     * @return the gateway's result code: 0 on success, another value on failure
     */
    public native int deleteWANIfJni(int wanIndex);

    /**
     * Changes settings of a WAN connection.
     *
     * @param wanIndex the WAN index, passed on unchecked
     * @param settings the settings text in the gateway's format; null fails with -1
     * @return the gateway's result code: 0 on success, another value on failure; -1 when the
     *     text cannot be read (the gateway is not asked)
     */
    public native int setWANIfJni(int wanIndex, String settings);
}
