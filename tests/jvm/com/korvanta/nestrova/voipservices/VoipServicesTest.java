package com.korvanta.nestrova.voipservices;

import static org.junit.jupiter.api.Assertions.assertEquals;

import com.korvanta.nestrova.testing.Bridge;
import org.junit.jupiter.api.Test;

/** VoIP events and POTS lines through the real library and the simulated gateway. */
class VoipServicesTest {
    @Test
    void bundleSubscribesAndUnsubscribesAndPotsLinesAreListed() {
        Bridge.load();
        VoIPInfoSubscribeServiceImp voip = new VoIPInfoSubscribeServiceImp();
        String[] events = {"OffHook", "OnHook"};
        assertEquals(0, voip.subscribeVoIPEventJni("phone.bundle", events));
        assertEquals(0, voip.unSubscribeVoIPEventJni("phone.bundle", events));
        assertEquals("{\"Result\":0,\"POTSNum\":2,\"Info\":[{\"POTSIndex\":1,\"PhoneNumber\":\"88001001\","
                + "\"LineStatus\":\"Idle\"},{\"POTSIndex\":2,\"PhoneNumber\":\"88001002\",\"LineStatus\":\"Disabled\"}]}",
                new VoIPInfoQueryServiceImp().getPOTSInfoJni());
    }
}
