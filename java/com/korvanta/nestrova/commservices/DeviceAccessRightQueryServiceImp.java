package com.korvanta.nestrova.commservices;

/** Reads who may reach the gateway's storage over Samba, FTP and HTTP. */
public class DeviceAccessRightQueryServiceImp {
    /** Samba right, anonymous flag and accounts as JSON. */
    public native String getSambaRightInfoJni();

    /** FTP right, anonymous flag and accounts as JSON. */
    public native String getFTPRightInfoJni();

    /** HTTP right and password as JSON. */
    public native String getHTTPRightInfoJni();
}
