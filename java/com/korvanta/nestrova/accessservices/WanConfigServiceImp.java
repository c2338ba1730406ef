package com.korvanta.nestrova.accessservices;

/** Creates, changes and deletes the gateway's WAN connections. */
public class WanConfigServiceImp {
    /** Creates a WAN connection from three settings texts in the gateway's format. */
    public native int addWANIfJni(String text1, String text2, String text3);

    /** Deletes the WAN connection with this index. */
    public native int deleteWANIfJni(int wanIndex);

    /** Changes settings of a WAN connection. */
    public native int setWANIfJni(int wanIndex, String settings);
}
