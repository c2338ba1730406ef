package com.korvanta.nestrova.commservices;

/** Password registration of the gateway with the operator's network. */
public class RegistrationServiceImp {
    public native int setPasswordRegistrationJni(String text1, int limit, int times, String text2);

    /** Registration state as JSON. */
    public native String getPasswordRegistrationInfoJni();
}
