package com.korvanta.nestrova.commservices;

/** Sets the storage services' rights, their accounts and the HTTP password. */
public class DeviceAccessRightConfigServiceImp {
    public native int setSambaRightJni(int right, boolean anonymous);

    public native int setFTPRightJni(int right, boolean anonymous);

    public native int setHTTPRightJni(int right);

    public native int addSambaAccountJni(String userName, String password);

    public native int addFTPAccountJni(String userName, String password);

    public native int deleteSambaAccountJni(String userName);

    public native int deleteFTPAccountJni(String userName);

    public native int deleteAllSambaAccountJni();

    public native int deleteAllFTPAccountJni();

    public native int setHTTPUserPasswordJni(String password);
}
