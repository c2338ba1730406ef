import com.korvanta.nestrova.commservices.DeviceInfoQueryServiceImp;

/** The gateway as a whole: its description, CPU and RAM load over a few readings, its uptime. */
final class DeviceInfoDemo {
    private DeviceInfoDemo() {}

    static void run() {
        Demo.section("Device information");
        DeviceInfoQueryServiceImp info = new DeviceInfoQueryServiceImp();
        Demo.show("device", info.getDeviceInfoJni());
        Demo.show("JVM", info.getJVMInfoJni());
        Demo.show("OSGi", info.getOSGiInfoJni());
        Demo.show("API version", info.getAPIVersionJni());
        Demo.show("MAC", info.getDeviceMACJni());
        for (int i = 1; i <= 5; i++) {
            Demo.show("reading " + i + " CPU % / RAM %",
                    info.getCPUOccupancyRateJni() + " / " + info.getRAMOccupancyRateJni());
        }
        Demo.show("uptime (s)", Long.toString(Integer.toUnsignedLong(info.getDeviceUpTimeJni())));
    }
}
