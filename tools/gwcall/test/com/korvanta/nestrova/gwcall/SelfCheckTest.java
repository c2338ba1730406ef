package com.korvanta.nestrova.gwcall;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertTrue;

import com.google.gson.JsonObject;
import java.io.ByteArrayOutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.Set;
import java.util.TreeSet;
import java.util.stream.Collectors;
import org.junit.jupiter.api.Test;

/**
 * The self-check against the simulated gateway: all pass on a healthy one;
 * with ZIVRA_SIM_SCENARIO naming a faulty scenario, failures reported by method.
 */
class SelfCheckTest {
    @Test
    void checksExactlyTheQueries() throws Exception {
        Set<String> getters = Catalogue.load().all().stream().map(Catalogue.Entry::name)
                .filter(n -> n.startsWith("get")).collect(Collectors.toCollection(TreeSet::new));
        Set<String> checked = SelfCheck.CHECKS.stream().map(c -> c.method)
                .collect(Collectors.toCollection(TreeSet::new));
        assertEquals(getters, checked);
        assertEquals(getters.size(), SelfCheck.CHECKS.size(), "a query checked twice");
    }

    private static String[] run(Catalogue catalogue) throws Exception {
        Gwcall.load(System.getProperty("bundle.library"));
        ByteArrayOutputStream buf = new ByteArrayOutputStream();
        new SelfCheck(catalogue).run(new PrintStream(buf, true, StandardCharsets.UTF_8));
        return buf.toString(StandardCharsets.UTF_8).split("\n");
    }

    @Test
    void aRadioTheGatewayLacksFailsItsQueries() throws Exception {
        System.setProperty("gwcall.radio", "7G");
        String report = String.join("\n", run(Catalogue.load()));
        System.clearProperty("gwcall.radio");
        assertTrue(report.contains("\nFAIL WlanQueryServiceImp.getWLANNeighborJni: {\"Result\":-1,"), report);
        assertTrue(report.contains("\nFAIL WlanQueryServiceImp.getWLANRadioInfoJni: {\"Result\":-1,"), report);
    }

    @Test
    void reportsEveryQueryAgainstTheSimulatedGateway() throws Exception {
        Catalogue catalogue = Catalogue.load();
        String[] lines = run(catalogue);
        String report = String.join("\n", lines);

        int n = SelfCheck.CHECKS.size();
        assertEquals(n + 1, lines.length, report);
        Set<String> methods = catalogue.all().stream().map(Catalogue.Entry::qualified).collect(Collectors.toSet());
        int fails = 0;
        for (int i = 0; i < n; i++) {
            String[] line = lines[i].split(" +", 3);
            assertTrue(line[0].equals("ok") || line[0].equals("FAIL"), lines[i]);
            assertTrue(methods.contains(line[1].replaceAll(":$", "")), lines[i]);
            fails += line[0].equals("FAIL") ? 1 : 0;
        }
        assertEquals("selfcheck: " + n + " queries, " + (n - fails) + " passed, " + fails + " failed", lines[n]);

        String scenario = System.getenv("ZIVRA_SIM_SCENARIO");
        if (scenario == null || !scenario.matches(".*faulty[^/]*")) {
            assertEquals(0, fails, report);
            return;
        }
        assertTrue(fails > 0, "the faulty scenario made no query fail:\n" + report);
        // Each platform query the scenario makes fail fails the Java query named after it.
        JsonObject failing = Json.parse(Files.readString(Path.of(scenario))).getAsJsonObject().getAsJsonObject("fail");
        for (String op : failing == null ? Set.<String>of() : failing.keySet()) {
            String method = op.replaceFirst("^zivra_", "").replaceFirst("(Jni)?$", "Jni");
            if (SelfCheck.CHECKS.stream().anyMatch(c -> c.method.equals(method))) {
                assertTrue(report.matches("(?s)(.*\n)?FAIL \\w+\\." + method + ": .*"), op + " failed no query:\n" + report);
            }
        }
    }
}
