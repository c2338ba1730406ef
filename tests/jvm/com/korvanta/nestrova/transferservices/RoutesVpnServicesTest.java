package com.korvanta.nestrova.transferservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.google.gson.JsonElement;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class RoutesVpnServicesTest {
    private final TransferQueryServiceImp query = new TransferQueryServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private static JsonArray list(String reply) {
        return Bridge.json(reply, 0).getAsJsonArray("List");
    }

    private static String indexOf(JsonArray routes, String key, String value) {
        for (JsonElement e : routes) {
            if (e.getAsJsonObject().get(key).getAsString().equals(value)) {
                return e.getAsJsonObject().get("Index").getAsString();
            }
        }
        return null;
    }

    @Test
    void bindingShowsInTheListAndClearingRemovesIt() {
        VLANBindConfigServiceImp vlan = new VLANBindConfigServiceImp();
        assertEquals(0, vlan.setVLANBindJni("LAN1", "10/20;30/40"));
        assertTrue(query.getVLANBindInfoJni().contains("{\"LanInterface\":\"LAN1\",\"Bind\":\"10/20;30/40\"}"));
        assertEquals("Enabled", query.getIPTVStatusJni());
        assertEquals(-1, vlan.setVLANBindJni("WAN1", "10/20"));
        assertEquals(0, vlan.clearVLANBindJni("LAN1"));
        assertTrue(query.getVLANBindInfoJni().contains("{\"LanInterface\":\"LAN1\",\"Bind\":\"\"}"));
    }

    @Test
    void addedRoutesAreListedUntilDeleted() {
        StaticLayer3ForwardingConfigServiceImp routes = new StaticLayer3ForwardingConfigServiceImp();
        String v4Before = query.getLayer3ForwardingStaticConfigInfoJni();
        assertEquals(0, routes.addLayer3ForwardingStaticJni("172.20.0.0", "255.255.0.0", "192.168.1.2", "br0"));
        String v4 = query.getLayer3ForwardingStaticConfigInfoJni();
        assertEquals(v4, query.getLayer3ForwardingCurrentJni());
        String index = indexOf(list(v4), "DestIPAddress", "172.20.0.0");
        assertEquals(0, routes.deleteLayer3ForwardingStaticJni(Integer.parseInt(index)));
        assertEquals(v4Before, query.getLayer3ForwardingStaticConfigInfoJni());

        int current = list(query.getIPv6Layer3ForwardingCurrentJni()).size();
        assertEquals(0, routes.addIPv6Layer3ForwardingStaticJni("2001:db8:77::/48", "2001:db8:1::9", "br0"));
        assertEquals(current + 1, list(query.getIPv6Layer3ForwardingCurrentJni()).size());
        index = indexOf(list(query.getIPv6Layer3ForwardingStaticConfigInfoJni()), "DestIPPrefix", "2001:db8:77::/48");
        assertEquals(0, routes.deleteIPv6Layer3ForwardingStaticJni(Integer.parseInt(index)));
        assertEquals(-1, routes.deleteIPv6Layer3ForwardingStaticJni(Integer.parseInt(index)));
        assertEquals(current, list(query.getIPv6Layer3ForwardingCurrentJni()).size());
    }

    @Test
    void vpnCarriesItsDestinationsWhileOn() {
        L2TPVPNServiceImp vpn = new L2TPVPNServiceImp();
        String[] dests = {"10.9.0.1", "10.9.0.2"};
        assertEquals("{\"Result\":0}", vpn.vpnOnJni("lns.example", "user", "secret"));
        assertEquals("{\"Result\":0, \"Status\":1}", vpn.getVpnStatCmdJni());
        assertEquals(0, vpn.addVpnDestIPJni(dests, 1));
        assertEquals("{\"Result\":0, \"ips\":[\"10.9.0.1\",\"10.9.0.2\"]}", vpn.getConnectedIpListJni());
        assertEquals(-1, vpn.addVpnDestIPJni(new String[] {"not an address"}, 0));
        assertEquals(0, vpn.deleteVpnDestIPJni(dests, 0));
        assertEquals(-1, vpn.deleteVpnDestIPJni(dests, 0));
        assertEquals("{\"Result\":0}", vpn.vpnOffJni("user"));
        assertEquals("{\"Result\":0, \"Status\":0}", vpn.getVpnStatCmdJni());
        assertEquals("{\"Result\":0, \"ips\":[]}", vpn.getConnectedIpListJni());
    }
}
