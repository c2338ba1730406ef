package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** The captive portal through the real library and the simulated gateway; every change is undone. */
class PortalServicesTest {
    private final PortalConfigServiceImp portal = new PortalConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private String whiteList() {
        return Bridge.json(portal.getPortalMacWhiteListJni(), 0).getAsJsonArray("List").get(0).getAsJsonObject()
                .get("MAC").getAsString();
    }

    @Test
    void aWhiteListedMacIsSeenByTheReaderUntilDeleted() {
        String[] mac = {"02:AA:00:00:00:01"};
        String before = whiteList();
        assertEquals(0, portal.addPortalMacWhiteListJni(mac));
        assertEquals(before.isEmpty() ? mac[0] : before + "," + mac[0], whiteList());
        assertEquals(0, portal.deletePortalMacWhiteListJni(mac));
        assertEquals(before, whiteList());
    }
}
