package com.korvanta.nestrova.voipservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.google.gson.JsonArray;
import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;

/** VoIP events and POTS lines through the real library and the simulated gateway. */
class VoipServicesTest {
    @BeforeAll
    static void load() {
        Bridge.load();
    }

    @Test
    void bundleSubscribesAndUnsubscribes() {
        VoIPInfoSubscribeServiceImp voip = new VoIPInfoSubscribeServiceImp();
        String[] events = {"OffHook", "OnHook"};
        assertEquals(0, voip.subscribeVoIPEventJni("phone.bundle", events));
        assertEquals(0, voip.unSubscribeVoIPEventJni("phone.bundle", events));
        assertEquals(-1, voip.unSubscribeVoIPEventJni("phone.bundle", events));
        assertEquals(-1, voip.subscribeVoIPEventJni("phone.bundle", new String[] {"Ring"}));
    }

    @Test
    void potsLinesAreListedUnderInfo() {
        JsonObject o = Bridge.json(new VoIPInfoQueryServiceImp().getPOTSInfoJni(), 0);
        assertEquals(2, o.get("POTSNum").getAsInt());
        JsonArray lines = o.getAsJsonArray("Info");
        assertEquals(2, lines.size());
        assertEquals("88001001", lines.get(0).getAsJsonObject().get("PhoneNumber").getAsString());
        assertEquals(2, lines.get(1).getAsJsonObject().get("POTSIndex").getAsInt());
    }
}
