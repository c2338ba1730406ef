import com.korvanta.nestrova.lanservices.LANHostsInfoQueryServiceImp;
import com.korvanta.nestrova.lanservices.LanHostSpeedLimitServiceImp;
import com.korvanta.nestrova.lanservices.LanHostSpeedQueryServiceImp;
import com.korvanta.nestrova.lanservices.LanNetworkNameConfigServiceImp;

/** The hosts on the gateway's LAN, their speeds, and the gateway's and hosts' names. */
final class LanHostsDemo {
    private LanHostsDemo() {}

    static void run() {
        LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();
        LanHostSpeedLimitServiceImp limits = new LanHostSpeedLimitServiceImp();
        LanHostSpeedQueryServiceImp speeds = new LanHostSpeedQueryServiceImp();
        LanNetworkNameConfigServiceImp names = new LanNetworkNameConfigServiceImp();
        String phone = "00:1A:2B:3C:4D:02";
        String pc = "00:1A:2B:3C:4D:01";

        Demo.section("LAN hosts");
        Demo.show("gateway name", hosts.getGatewayNameJni());
        Demo.show("MAC filter mode", Integer.toString(hosts.getMacFilterModeJni()));
        Demo.show("all hosts ({\"\"})", hosts.getLANHostInfoByMACJni(new String[] {""}));
        Demo.show("hosts on SSID1", hosts.getLANHostInfoByInterfaceJni("SSID1"));
        Demo.show("hosts on WAN1 (no such LAN interface)", hosts.getLANHostInfoByInterfaceJni("WAN1"));
        Demo.show("hosts of class Phone", hosts.getLANHostInfoByClassJni("Phone"));
        Demo.show("speed limits of " + phone + ", " + pc,
                hosts.getLANHostSpeedLimitInfoJni(new String[] {phone, pc}));
        Demo.show("counters of " + phone + ", " + pc, hosts.getLANHostStatsJni(new String[] {phone, pc}));

        Demo.section("LAN host speed and naming");
        Demo.show("current speed of " + pc, speeds.getLANHostSpeedJni(pc));
        Demo.show("limit " + pc + " to 100/5000", Integer.toString(limits.setLANHostSpeedLimitJni(pc, 100, 5000)));
        Demo.show("current speed of " + pc, speeds.getLANHostSpeedJni(pc));
        Demo.show("speed of an unknown host", speeds.getLANHostSpeedJni("02:00:00:00:00:00"));
        Demo.show("name " + phone + " \"Kitchen tablet\"",
                Integer.toString(names.setLANHostNameJni(phone, "Kitchen tablet")));
        Demo.show("host " + phone, hosts.getLANHostInfoByMACJni(new String[] {phone}));
        Demo.show("name the gateway \"Attic gateway\"", Integer.toString(names.setGatewayNameJni("Attic gateway")));
        Demo.show("gateway name", hosts.getGatewayNameJni());
        Demo.show("a 65-byte gateway name", Integer.toString(names.setGatewayNameJni("g".repeat(65))));
    }
}
