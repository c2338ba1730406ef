import com.korvanta.nestrova.lanservices.EthConfigServiceImp;
import com.korvanta.nestrova.lanservices.EthQueryServiceImp;

/** Shows what the gateway's Java services answer through libbundle.so.1. */
public final class Demo {
    private Demo() {}

    public static void main(String[] args) {
        System.load(args[0]);

        section("LAN Ethernet ports");
        EthQueryServiceImp eth = new EthQueryServiceImp();
        for (int port = 1; port <= 4; port++) {
            show("port " + port + " counters", eth.getLANEthernetStatsJni(port));
            show("port " + port + " info", eth.getLANEthernetInfoJni(port));
        }
        EthConfigServiceImp ethConfig = new EthConfigServiceImp();
        show("port 2 duplex -> Half", Integer.toString(ethConfig.setLANEthernetDuplexModeJni(2, "Half")));
        show("port 2 info", eth.getLANEthernetInfoJni(2));

        LanHostsDemo.run();
        LanAccessDemo.run();
        PortalDemo.run();
        WlanDemo.run();
        DeviceInfoDemo.run();
        StorageUsbDemo.run();
        AccessDemo.run();
        AddressVoipDemo.run();
        TrafficDemo.run();
        RoutesVpnDemo.run();
    }

    static void section(String title) {
        System.out.println();
        System.out.println("== " + title);
    }

    static void show(String what, String reply) {
        System.out.println(what + ": " + reply);
    }
}
