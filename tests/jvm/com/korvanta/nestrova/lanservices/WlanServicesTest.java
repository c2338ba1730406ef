package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.math.BigInteger;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class WlanServicesTest {
    private final WlanQueryServiceImp query = new WlanQueryServiceImp();
    private final WlanConfigServiceImp config = new WlanConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    private JsonArray guests() {
        return Bridge.json(query.getGuestSSIDInfoJni(), 0).getAsJsonArray("List");
    }

    @Test
    void passwordIsPlainTextAndByteCountersWhole64BitNumbers() {
        assertEquals("secret-1-HomeNet", new WlanSecretQueryServiceImp().getWLANSSIDPasswordJni(1));
        assertEquals(new BigInteger("6000000321"),
                Bridge.json(query.getWLANSSIDStatsJni(1), 0).get("TotalBytesReceived").getAsBigInteger());
    }

    @Test
    void aGuestSsidIsSetUpAsTheQuerySeesItAndRemoved() {
        String before = guests().toString();
        assertEquals(0, config.addWLANGuestSSIDJni(8));
        assertEquals(0, config.setWLANGuestPortIsolationJni(8, false));
        assertEquals(0, config.setWLANGuestDurationJni(8, 90));
        JsonObject added = guests().get(1).getAsJsonObject();
        assertEquals("8/0/90", added.get("SSIDIndex").getAsString() + "/" + added.get("PortIsolation").getAsString()
                + "/" + added.get("Duration").getAsString());
        assertEquals(0, config.deleteWLANGuestSSIDJni(8));
        assertEquals(before, guests().toString());
    }
}
