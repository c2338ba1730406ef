import com.korvanta.nestrova.addressservices.LANIPConfigServiceImp;
import com.korvanta.nestrova.addressservices.LANIPInfoQueryServiceImp;
import com.korvanta.nestrova.addressservices.PortMappingConfigServiceImp;
import com.korvanta.nestrova.addressservices.PortMappingQueryServiceImp;
import com.korvanta.nestrova.voipservices.VoIPInfoQueryServiceImp;
import com.korvanta.nestrova.voipservices.VoIPInfoSubscribeServiceImp;

/** LAN address and DHCP pool, port mappings, VoIP events and POTS lines. */
final class AddressVoipDemo {
    private AddressVoipDemo() {}

    static void run() {
        Demo.section("LAN address and DHCP server");
        LANIPInfoQueryServiceImp info = new LANIPInfoQueryServiceImp();
        LANIPConfigServiceImp config = new LANIPConfigServiceImp();
        Demo.show("LAN address", info.getLANHostIPJni());
        Demo.show("DHCP server", info.getLANDHCPInfoJni());
        Demo.show("set 192.168.8.1/255.255.255.0", code(config.setLANHostIPJni("192.168.8.1", "255.255.255.0")));
        Demo.show("set pool 192.168.8.100-192.168.8.199, 3600",
                code(config.setLANDHCPInfoJni("1", "192.168.8.100", "192.168.8.199", 3600)));
        Demo.show("LAN address", info.getLANHostIPJni());
        Demo.show("DHCP server", info.getLANDHCPInfoJni());

        Demo.section("Port mapping");
        PortMappingQueryServiceImp mappings = new PortMappingQueryServiceImp();
        Demo.show("mappings", mappings.getPortMappingInfoJni());
        Demo.show("add on WAN 3: TCP 8443 -> 192.168.8.50:443", code(new PortMappingConfigServiceImp()
                .addPortMappingJni(3, 8443, 443, "TCP", "192.168.8.50")));
        Demo.show("mappings", mappings.getPortMappingInfoJni());

        Demo.section("VoIP");
        VoIPInfoSubscribeServiceImp voip = new VoIPInfoSubscribeServiceImp();
        Demo.show("subscribe OffHook, OnHook",
                code(voip.subscribeVoIPEventJni("phone.bundle", new String[] {"OffHook", "OnHook"})));
        Demo.show("POTS lines", new VoIPInfoQueryServiceImp().getPOTSInfoJni());
    }

    private static String code(int result) {
        return Integer.toString(result);
    }
}
