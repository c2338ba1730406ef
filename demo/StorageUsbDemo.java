import com.korvanta.nestrova.commservices.DeviceAccessRightConfigServiceImp;
import com.korvanta.nestrova.commservices.DeviceAccessRightQueryServiceImp;
import com.korvanta.nestrova.commservices.RegistrationServiceImp;
import com.korvanta.nestrova.commservices.UsbServiceImp;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;

/** Storage rights before and after an account change, a USB write and read, and the registration state. */
final class StorageUsbDemo {
    private StorageUsbDemo() {}

    static void run() {
        DeviceAccessRightQueryServiceImp rights = new DeviceAccessRightQueryServiceImp();
        DeviceAccessRightConfigServiceImp config = new DeviceAccessRightConfigServiceImp();
        UsbServiceImp usb = new UsbServiceImp();
        RegistrationServiceImp registration = new RegistrationServiceImp();

        Demo.section("Storage access rights");
        Demo.show("Samba", rights.getSambaRightInfoJni());
        Demo.show("FTP", rights.getFTPRightInfoJni());
        Demo.show("HTTP", rights.getHTTPRightInfoJni());
        Demo.show("add Samba account kids", Integer.toString(config.addSambaAccountJni("kids", "Kids#77")));
        Demo.show("Samba right -> 2, anonymous", Integer.toString(config.setSambaRightJni(2, true)));
        Demo.show("delete Samba account family", Integer.toString(config.deleteSambaAccountJni("family")));
        Demo.show("Samba", rights.getSambaRightInfoJni());

        Demo.section("USB devices");
        Demo.show("storage volumes", usb.getStorageInfoJni());
        Demo.show("register org.example.modem", Integer.toString(usb.usbRegisterJni("org.example.modem", 1)));
        int handle = usb.usbOpenJni(2);
        Demo.show("open serial port 2 -> handle", Integer.toString(handle));
        byte[] buffer = new byte[16];
        int n = usb.usbReadJni(handle, buffer, 0, buffer.length, 100);
        Demo.show("read " + n + " bytes", new String(buffer, 0, Math.max(n, 0), StandardCharsets.US_ASCII).trim());
        byte[] command = "ATI\r\n".getBytes(StandardCharsets.US_ASCII);
        Demo.show("write ATI", Integer.toString(usb.usbWriteJni(handle, command, 0, command.length)));
        Demo.show("bytes waiting", Integer.toString(usb.usbDataAvailableJni(handle)));
        Arrays.fill(buffer, (byte) 0);
        n = usb.usbReadJni(handle, buffer, 0, buffer.length, 100);
        Demo.show("read back " + n + " bytes", new String(buffer, 0, Math.max(n, 0), StandardCharsets.US_ASCII).trim());
        Demo.show("close", Integer.toString(usb.usbCloseJni(handle)));

        Demo.section("Password registration");
        Demo.show("state", registration.getPasswordRegistrationInfoJni());
        Demo.show("register", Integer.toString(registration.setPasswordRegistrationJni("demo-pass", 10, 1, "SH")));
        Demo.show("state", registration.getPasswordRegistrationInfoJni());
    }
}
