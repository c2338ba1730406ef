import com.korvanta.nestrova.transferservices.L2TPVPNServiceImp;
import com.korvanta.nestrova.transferservices.StaticLayer3ForwardingConfigServiceImp;
import com.korvanta.nestrova.transferservices.TransferQueryServiceImp;
import com.korvanta.nestrova.transferservices.VLANBindConfigServiceImp;

/** VLAN bindings and IPTV, the IPv4 and IPv6 routes, and the L2TP VPN. */
final class RoutesVpnDemo {
    private RoutesVpnDemo() {}

    static void run() {
        Demo.section("VLAN binding and IPTV");
        TransferQueryServiceImp query = new TransferQueryServiceImp();
        VLANBindConfigServiceImp vlan = new VLANBindConfigServiceImp();
        Demo.show("bindings", query.getVLANBindInfoJni());
        Demo.show("IPTV", query.getIPTVStatusJni());
        show("LAN2 bind 10/100;20/200", vlan.setVLANBindJni("LAN2", "10/100;20/200"));
        show("LAN4 cleared", vlan.clearVLANBindJni("LAN4"));
        show("WAN1 bind (no LAN interface)", vlan.setVLANBindJni("WAN1", "10/100"));
        Demo.show("bindings", query.getVLANBindInfoJni());

        Demo.section("Layer-3 routes");
        StaticLayer3ForwardingConfigServiceImp routes = new StaticLayer3ForwardingConfigServiceImp();
        Demo.show("IPv4 routes", query.getLayer3ForwardingCurrentJni());
        show("IPv4 += 172.16.0.0/12 via 192.168.1.2",
                routes.addLayer3ForwardingStaticJni("172.16.0.0", "255.240.0.0", "192.168.1.2", "br0"));
        Demo.show("IPv4 routes", query.getLayer3ForwardingStaticConfigInfoJni());
        Demo.show("IPv6 routes in force", query.getIPv6Layer3ForwardingCurrentJni());
        show("IPv6 += 2001:db8:42::/48 via 2001:db8:1::2",
                routes.addIPv6Layer3ForwardingStaticJni("2001:db8:42::/48", "2001:db8:1::2", "br0"));
        Demo.show("IPv6 static routes", query.getIPv6Layer3ForwardingStaticConfigInfoJni());
        show("IPv6 -= index 2", routes.deleteIPv6Layer3ForwardingStaticJni(2));
        Demo.show("IPv6 static routes", query.getIPv6Layer3ForwardingStaticConfigInfoJni());

        Demo.section("L2TP VPN");
        L2TPVPNServiceImp vpn = new L2TPVPNServiceImp();
        Demo.show("on", vpn.vpnOnJni("lns.example.net", "gateway", "secret"));
        Demo.show("status", vpn.getVpnStatCmdJni());
        show("destinations += 10.20.0.1, 10.20.0.2 (mode 1)",
                vpn.addVpnDestIPJni(new String[] {"10.20.0.1", "10.20.0.2"}, 1));
        Demo.show("connected", vpn.getConnectedIpListJni());
        Demo.show("off", vpn.vpnOffJni("gateway"));
        Demo.show("status", vpn.getVpnStatCmdJni());
        Demo.show("connected", vpn.getConnectedIpListJni());
    }

    private static void show(String what, int result) {
        Demo.show(what, "result " + result);
    }
}
