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
    void byteCountersReachJavaAsWholeUnsigned64BitNumbers() {
        BigInteger sent = Bridge.json(query.getLANEthernetStatsJni(1), 0).get("BytesSent").getAsBigInteger();
        assertTrue(sent.compareTo(BigInteger.valueOf(4294967295L)) > 0, "counter above 2^32: " + sent);
    }

    @Test
    void settersChangeWhatTheInfoQueryReports() {
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
}
