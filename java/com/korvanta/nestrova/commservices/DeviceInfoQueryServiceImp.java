package com.korvanta.nestrova.commservices;

/**
 * Describes the gateway, its JVM and OSGi framework, and reports its load and uptime. Every value is read
 * from the gateway at the time of the call.
 */
public class DeviceInfoQueryServiceImp {
    /**
     * Describes the JVM that runs the gateway's Java services.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"Name":string,"Vendor":string,"Version":string}}</pre>
     *     and on failure {@code {"Result":-1,"FailReason":"Get jstring fail"}}
     */
    public native String getJVMInfoJni();

    /**
     * Reads the CPU occupancy in percent, folded into 10 to 20 and smoothed against the previous answer.
     * The gateway's raw value 0 to 99 becomes 10 plus its last digit, 100 becomes 20; a raw value above
     * 100 or below 0 is kept as it is. The first answer after the library is loaded is that folded
     * value; after that, a folded value within 4 of the previous answer is returned as it is, and one
     * further away moves the answer from the previous one toward it by the distance modulo 5 (so a
     * distance of 5 or 10 keeps the previous answer). The previous answer is shared by all callers.
     * A failure of the gateway is not detected: a value it does not supply counts as 0 (answered as 10
     * on a first call).
     *
     * @return the CPU occupancy in percent, as described above
     */
    public native int getCPUOccupancyRateJni();

    /**
     * Reads the RAM occupancy in percent, as the gateway gives it (not folded or smoothed as the CPU
     * occupancy is). A failure of the gateway is not detected: a value it does not supply reads as 0.
     *
     * @return the RAM occupancy in percent
     */
    public native int getRAMOccupancyRateJni();

    /**
     * Reads the version of the gateway's platform API.
     *
     * @return the version as plain text (not JSON); the empty text {@code ""} when it cannot be read
     */
    public native String getAPIVersionJni();

    /**
     * Describes the OSGi framework that runs the gateway's Java services.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"Name":string,"Vendor":string,"Version":string}}</pre>
     *     and on failure {@code {"Result":-1,"FailReason":"Get jstring fail"}}
     */
    public native String getOSGiInfoJni();

    /**
     * Reads the time since the gateway started, from the system's monotonic clock; fractions of a second
     * are dropped, not rounded.
     *
     * @return the whole seconds since the gateway started (the low 32 bits)
     */
    public native int getDeviceUpTimeJni();

    /**
     * Describes the gateway: vendor, product class, hardware and firmware versions, flash and RAM size,
     * main chip class and NFC. The key {@code ProductCLass} is spelled with a capital L. The flash and
     * RAM sizes are inserted without quotes, as the gateway writes them (JSON numbers when they are
     * digits); their units are the gateway's.
     *
     * @return on success
     *     <pre>{@code {"Result":0,"Vendor":string,"ProductCLass":string,"HardwareVer":string,
     *  "FirmwareVer":string,"FlashSize":number,"RamSize":number,"MainChipClass":string,"NFC":string}}</pre>
     *     (one line) and on failure {@code {"Result":-1,"FailReason":"Get DeviceInfo fail"}}
     */
    public native String getDeviceInfoJni();

    /**
     * Reads the gateway's MAC address.
     *
     * @return the MAC as plain text, as the gateway writes it (no format is imposed); the empty text
     *     {@code ""} when it cannot be read
     */
    public native String getDeviceMACJni();
}
