package com.korvanta.nestrova.commservices;

/** Describes the gateway, its JVM and OSGi framework, and reports its load and uptime. */
public class DeviceInfoQueryServiceImp {
    public native String getJVMInfoJni();

    /** CPU occupancy in percent, folded into 10..20 and smoothed against the previous answer. */
    public native int getCPUOccupancyRateJni();

    public native int getRAMOccupancyRateJni();

    /** Plain text; empty when it cannot be read. */
    public native String getAPIVersionJni();

    public native String getOSGiInfoJni();

    /** Seconds since the gateway started (the low 32 bits). */
    public native int getDeviceUpTimeJni();

    public native String getDeviceInfoJni();

    /** Plain text; empty when it cannot be read. */
    public native String getDeviceMACJni();
}
