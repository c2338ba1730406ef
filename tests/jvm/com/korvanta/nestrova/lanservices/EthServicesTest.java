package com.korvanta.nestrova.lanservices;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.math.BigInteger;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

class EthServicesTest {
    private final EthQueryServiceImp query = new EthQueryServiceImp();
    private final EthConfigServiceImp config = new EthConfigServiceImp();

    @BeforeAll
    static void load() {
        Bridge.load();
    }

    @Test
    void countersOfEveryPortAreWholeUnsigned64BitNumbers() {
        for (int port = 1; port <= 4; port++) {
            JsonObject o = Bridge.json(query.getLANEthernetStatsJni(port), 0);
            BigInteger sent = o.get("BytesSent").getAsBigInteger();
            assertTrue(sent.compareTo(BigInteger.valueOf(4294967295L)) > 0, "counter above 2^32: " + sent);
            assertTrue(o.get("BytesReceived").getAsBigInteger().signum() > 0);
            assertTrue(o.get("PacketsSent").getAsLong() > 0);
            assertTrue(o.get("PacketsReceived").getAsLong() > 0);
        }
    }

    @Test
    void portsOutsideOneToFourAreRefused() {
        for (int port : new int[] {0, 5, -1, Integer.MIN_VALUE}) {
            assertEquals("{\"Result\":-1}", query.getLANEthernetStatsJni(port));
        }
        assertEquals("{\"Result\":-1}", query.getLANEthernetInfoJni(9));
    }

    @Test
    void settersChangeWhatTheInfoQueryReports() {
        int port = 3;
        JsonObject before = Bridge.json(query.getLANEthernetInfoJni(port), 0);
        assertEquals(0, config.setLANEthernetDuplexModeJni(port, "Half"));
        assertEquals(0, config.setLANEthernetMaxBitRateJni(port, "10"));
        assertEquals(0, config.setLANEthernetEnableJni(port, false));
        JsonObject after = Bridge.json(query.getLANEthernetInfoJni(port), 0);
        assertEquals("No", after.get("Enable").getAsString());
        assertEquals("Half", after.get("DuplexMode").getAsString());
        assertEquals("10", after.get("BitRate").getAsString());
        // Put the port back as it was for the other tests.
        assertEquals(0, config.setLANEthernetEnableJni(port, true));
        assertEquals(0, config.setLANEthernetDuplexModeJni(port, before.get("DuplexMode").getAsString()));
        assertEquals(0, config.setLANEthernetMaxBitRateJni(port, before.get("BitRate").getAsString()));
        assertEquals(before, Bridge.json(query.getLANEthernetInfoJni(port), 0));
    }

    @Test
    void overlongTextsAreCutAndRefusedByTheGateway() {
        // "Automatic" reaches the gateway as "Automa", which it does not know.
        assertEquals(-1, config.setLANEthernetDuplexModeJni(1, "Automatic"));
        assertEquals(-1, config.setLANEthernetMaxBitRateJni(1, "1000000000"));
    }
}
