package com.korvanta.nestrova.transferservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonArray;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.Test;

/** VLAN binding, static routes and the VPN through the real library and the simulated gateway; every change is undone. */
class RoutesVpnServicesTest {
    @Test
    void bindingRoutesAndVpnDestinationsAreSetAndReadBack() {
        Bridge.load();
        TransferQueryServiceImp query = new TransferQueryServiceImp();
        VLANBindConfigServiceImp vlan = new VLANBindConfigServiceImp();
        assertEquals(0, vlan.setVLANBindJni("LAN1", "10/20;30/40"));
        assertTrue(query.getVLANBindInfoJni().contains("{\"LanInterface\":\"LAN1\",\"Bind\":\"10/20;30/40\"}"));
        assertEquals(0, vlan.clearVLANBindJni("LAN1"));

        StaticLayer3ForwardingConfigServiceImp routes = new StaticLayer3ForwardingConfigServiceImp();
        String v4 = query.getLayer3ForwardingCurrentJni();
        assertEquals(0, routes.addLayer3ForwardingStaticJni("172.20.0.0", "255.255.0.0", "192.168.1.2", "br0"));
        JsonArray list = Bridge.json(query.getLayer3ForwardingCurrentJni(), 0).getAsJsonArray("List");
        assertEquals(0, routes.deleteLayer3ForwardingStaticJni(list.get(list.size() - 1).getAsJsonObject().get("Index").getAsInt()));
        assertEquals(v4, query.getLayer3ForwardingStaticConfigInfoJni());

        L2TPVPNServiceImp vpn = new L2TPVPNServiceImp();
        String[] dests = {"10.9.0.1", "10.9.0.2"};
        assertEquals("{\"Result\":0}", vpn.vpnOnJni("lns.example", "user", "secret"));
        assertEquals(0, vpn.addVpnDestIPJni(dests, 1));
        assertEquals("{\"Result\":0, \"ips\":[\"10.9.0.1\",\"10.9.0.2\"]}", vpn.getConnectedIpListJni());
        assertEquals(0, vpn.deleteVpnDestIPJni(dests, 0));
        assertEquals("{\"Result\":0}", vpn.vpnOffJni("user"));
    }
}
