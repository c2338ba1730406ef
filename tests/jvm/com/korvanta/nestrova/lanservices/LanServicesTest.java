package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** One round trip per LAN service class through the simulated gateway; every change is undone. */
class LanServicesTest {
    private final LANHostsInfoQueryServiceImp hosts = new LANHostsInfoQueryServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    /** The first element of a list reply. */
    private static JsonObject first(String reply) {
        return Bridge.json(reply, 0).getAsJsonArray("List").get(0).getAsJsonObject();
    }

    @Test
    void ethernetSettersChangeWhatTheInfoQueryReports() {
        EthQueryServiceImp query = new EthQueryServiceImp();
        EthConfigServiceImp config = new EthConfigServiceImp();
        JsonObject before = Bridge.json(query.getLANEthernetInfoJni(3), 0);
        assertEquals(0, config.setLANEthernetDuplexModeJni(3, "Half"));
        assertEquals(0, config.setLANEthernetMaxBitRateJni(3, "10"));
        assertEquals(0, config.setLANEthernetEnableJni(3, false));
        JsonObject after = Bridge.json(query.getLANEthernetInfoJni(3), 0);
        assertEquals("No/Half/10", after.get("Enable").getAsString() + "/" + after.get("DuplexMode").getAsString()
                + "/" + after.get("BitRate").getAsString());
        config.setLANEthernetEnableJni(3, true);
        config.setLANEthernetDuplexModeJni(3, before.get("DuplexMode").getAsString());
        config.setLANEthernetMaxBitRateJni(3, before.get("BitRate").getAsString());
        assertEquals(before, Bridge.json(query.getLANEthernetInfoJni(3), 0));
    }

    @Test
    void macAccessListsAndFilterModeReachTheGateway() {
        LanNetworkAccessConfigServiceImp access = new LanNetworkAccessConfigServiceImp();
        String[] mac = {"02:4a:56:4d:00:01"};  // locally administered: no simulated host uses it
        assertEquals(0, access.addLANHostToBlackListJni(mac));
        assertEquals(0, access.deleteLANHostFromBlackListJni(mac), "listed");
        assertEquals(-1, access.deleteLANHostFromBlackListJni(mac), "gone: the gateway refuses");
        int before = hosts.getMacFilterModeJni();
        assertEquals(0, access.setMacFilterModeJni(2));
        assertEquals(2, hosts.getMacFilterModeJni());
        assertEquals(0, access.setMacFilterModeJni(before));
    }

    @Test
    void hostSpeedLimitAndGatewayNameAreSeenThroughTheGateway() {
        String mac = first(hosts.getLANHostInfoByMACJni(new String[] {""})).get("MAC").getAsString();
        JsonObject lim = first(hosts.getLANHostSpeedLimitInfoJni(new String[] {mac}));
        LanHostSpeedQueryServiceImp speed = new LanHostSpeedQueryServiceImp();
        JsonObject now = Bridge.json(speed.getLANHostSpeedJni(mac), 0);
        assertEquals(0, new LanHostSpeedLimitServiceImp().setLANHostSpeedLimitJni(mac,
                lim.get("UpSpeed").getAsInt(), lim.get("DownSpeed").getAsInt()));
        assertEquals(now, Bridge.json(speed.getLANHostSpeedJni(mac), 0));

        LanNetworkNameConfigServiceImp names = new LanNetworkNameConfigServiceImp();
        String oldGateway = hosts.getGatewayNameJni();
        assertEquals(0, names.setGatewayNameJni("Home \u00e9t\u00e9"));
        assertEquals("Home \u00e9t\u00e9", hosts.getGatewayNameJni());
        assertEquals(0, names.setGatewayNameJni(oldGateway));
    }

    @Test
    void portalWhiteListedMacIsSeenByTheReaderUntilDeleted() {
        PortalConfigServiceImp portal = new PortalConfigServiceImp();
        String[] mac = {"02:AA:00:00:00:01"};
        String before = first(portal.getPortalMacWhiteListJni()).get("MAC").getAsString();
        assertEquals(0, portal.addPortalMacWhiteListJni(mac));
        assertEquals(before.isEmpty() ? mac[0] : before + "," + mac[0],
                first(portal.getPortalMacWhiteListJni()).get("MAC").getAsString());
        assertEquals(0, portal.deletePortalMacWhiteListJni(mac));
        assertEquals(before, first(portal.getPortalMacWhiteListJni()).get("MAC").getAsString());
    }

    @Test
    void guestSsidIsSetUpAsTheQuerySeesItAndRemovedAndThePasswordIsPlainText() {
        assertEquals("secret-1-HomeNet", new WlanSecretQueryServiceImp().getWLANSSIDPasswordJni(1));
        WlanQueryServiceImp query = new WlanQueryServiceImp();
        WlanConfigServiceImp config = new WlanConfigServiceImp();
        String before = query.getGuestSSIDInfoJni();
        assertEquals(0, config.addWLANGuestSSIDJni(8));
        assertEquals(0, config.setWLANGuestPortIsolationJni(8, false));
        assertEquals(0, config.setWLANGuestDurationJni(8, 90));
        JsonObject added = Bridge.json(query.getGuestSSIDInfoJni(), 0).getAsJsonArray("List").get(1).getAsJsonObject();
        assertEquals("8/0/90", added.get("SSIDIndex").getAsString() + "/" + added.get("PortIsolation").getAsString()
                + "/" + added.get("Duration").getAsString());
        assertEquals(0, config.deleteWLANGuestSSIDJni(8));
        assertEquals(before, query.getGuestSSIDInfoJni());
    }
}
