package com.korvanta.nestrova.gwcall;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.io.ByteArrayOutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;
import java.util.List;
import org.junit.jupiter.api.Test;

class ArgsTest {
    private static Object[] parse(String method, String... texts) throws Exception {
        return Args.parse(Catalogue.load().find(method), Arrays.asList(texts));
    }

    @Test
    void goodArgumentsBecomeTheJavaValues() throws Exception {
        assertArrayEquals(new Object[] {1, true}, parse("setWLANSSIDSwitchJni", "1", "true"));
        assertArrayEquals(new Object[] {-5}, parse("WlanConfigServiceImp.deleteWLANGuestSSIDJni", "-5"));
        assertArrayEquals(new Object[] {new String[] {"00:11:22:33:44:55"}},
                parse("getLANHostInfoByMACJni", "[\"00:11:22:33:44:55\"]"));
        assertArrayEquals(new Object[] {new String[] {""}}, parse("getLANHostStatsJni", " [ \"\" ] "));
        assertArrayEquals(new Object[] {new String[] {"a", null}}, parse("getWLANHostInfoJni", "[\"a\",null]"));
        assertArrayEquals(new Object[] {new String[0]}, parse("getLANHostStatsJni", "[]"));
        assertArrayEquals(new Object[] {null}, parse("getLANHostStatsJni", "null"));
        assertArrayEquals(new Object[] {null}, parse("setGatewayNameJni", "null"));
        assertArrayEquals(new Object[] {"null"}, parse("setGatewayNameJni", "\\null"));
        assertArrayEquals(new Object[] {""}, parse("setGatewayNameJni", ""));
        assertArrayEquals(new Object[] {3, new byte[] {0x0a, (byte) 0xff}, 0, 2},
                parse("usbWriteJni", "3", "0aFF", "0", "2"));
        assertArrayEquals(new Object[] {3, new byte[0], 0, 0}, parse("usbWriteJni", "3", "", "0", "0"));
    }

    private static final String SWITCH = "setWLANSSIDSwitchJni(int ssidIndex, boolean enable): ";
    private static final String BY_MAC = "getLANHostInfoByMACJni(String[] macs): argument 1 must be a JSON array "
            + "of strings such as [\"00:11:22:33:44:55\"], or null, got ";

    /** Command line, then the one line it must refuse it with. */
    private static final String[][] BAD = {
        {"setWLANSSIDSwitchJni 1 yes", SWITCH + "argument 2 must be true or false, got 'yes'"},
        {"setWLANSSIDSwitchJni 1 TRUE", SWITCH + "argument 2 must be true or false, got 'TRUE'"},
        {"setWLANSSIDSwitchJni one true", SWITCH + "argument 1 must be an int, got 'one'"},
        {"setWLANSSIDSwitchJni 2147483648 true", SWITCH + "argument 1 must be an int, got '2147483648'"},
        {"setWLANSSIDSwitchJni null true", SWITCH + "argument 1 must be an int, got 'null'"},
        {"setWLANSSIDSwitchJni 1", SWITCH + "takes 2 arguments, got 1"},
        {"getGatewayNameJni x", "getGatewayNameJni(): takes 0 arguments, got 1"},
        {"getLANHostInfoByMACJni 00:11:22:33:44:55", BY_MAC + "'00:11:22:33:44:55'"},
        {"getLANHostInfoByMACJni [00:11]", BY_MAC + "'[00:11]'"},
        {"getLANHostInfoByMACJni [1]", BY_MAC + "'[1]'"},
        {"getLANHostInfoByMACJni [\"a\"]]", BY_MAC + "'[\"a\"]]'"},
        {"getLANHostInfoByMACJni [\"a\"", BY_MAC + "'[\"a\"'"},
        {"usbWriteJni 1 0a1 0 1", "usbWriteJni(int handle, byte[] data, int offset, int count): argument 2 must be"
                + " hex bytes such as 0a1b2c, or null, got '0a1'"},
        {"usbWriteJni 1 zz 0 1", "usbWriteJni(int handle, byte[] data, int offset, int count): argument 2 must be"
                + " hex bytes such as 0a1b2c, or null, got 'zz'"},
        {"getFooJni", "no native method 'getFooJni'; gwcall --list shows them all"},
        {"getlanhostinfobymacjni []", "no native method 'getlanhostinfobymacjni'; did you mean "
                + "LANHostsInfoQueryServiceImp.getLANHostInfoByMACJni?"},
        {"EthQueryServiceImp.setWLANSSIDSwitchJni 1 true",
                "no native method 'EthQueryServiceImp.setWLANSSIDSwitchJni'; did you mean "
                + "WlanConfigServiceImp.setWLANSSIDSwitchJni?"},
        {"--verbose getGatewayNameJni", "unknown option '--verbose'; gwcall --help shows the usage"},
        {"--pretty", "no method named; gwcall --help shows the usage"},
        {"--list getGatewayNameJni", "--list takes no method or argument, got 'getGatewayNameJni'"},
    };

    @Test
    void badArgumentsAreRefusedWithOneLine() {
        for (String[] row : BAD) {
            ByteArrayOutputStream out = new ByteArrayOutputStream();
            ByteArrayOutputStream err = new ByteArrayOutputStream();
            List<String> argv = Arrays.asList(row[0].split(" "));
            int rc = Gwcall.run(argv, new PrintStream(out, true), new PrintStream(err, true));
            assertEquals(Gwcall.EXIT_USAGE, rc, row[0]);
            assertEquals("gwcall: " + row[1] + System.lineSeparator(), err.toString(StandardCharsets.UTF_8), row[0]);
            assertEquals("", out.toString(StandardCharsets.UTF_8), row[0]);
        }
    }

    @Test
    void everyMethodHasItsParameterNames() throws Exception {
        for (Catalogue.Entry e : Catalogue.load().all()) {
            String params = e.signature().replaceAll("^.*\\(|\\)$", "");
            for (String p : params.isEmpty() ? new String[0] : params.split(", ")) {
                assertTrue(p.matches("\\S+ \\w+"), e.signature());
            }
        }
    }
}
