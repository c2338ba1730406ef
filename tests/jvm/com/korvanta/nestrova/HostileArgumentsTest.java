package com.korvanta.nestrova;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.DynamicTest.dynamicTest;

import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.Comparator;
import java.util.List;
import java.util.Set;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import org.junit.jupiter.api.DynamicTest;
import org.junit.jupiter.api.TestFactory;

/**
 * Every native method of every service class, through its Java declaration
 * under -Xcheck:jni, with each hostile Java value in each argument position in
 * turn (the others harmless): nulls, empty and 65,536-character strings with a
 * two-byte character at the end, arrays of 0, 65 and 10,000 elements and with a
 * null element, extreme ints. The JVM must survive every call with no JNI
 * warning, every String reply must be there (but where a method hands on the
 * platform's own missing text) and every JSON reply must parse. A null String or
 * byte[] is one whose contents cannot be had, so it always fails: -1, the empty
 * text or a reply whose Result is -1 (but for the texts the gateway may go
 * without).
 *
 * Runs in a JVM of its own: its setters leave the simulated gateway changed.
 */
class HostileArgumentsTest {
    private static final Set<String> MAY_RETURN_NULL = Set.of();
    /**
     * Texts the gateway may go without: a null one is an empty text, or (the VPN stop's) handed on
     * as it is, not a failure.
     */
    private static final Set<String> OPTIONAL_TEXTS =
            Set.of("startIPPingDiagnosticsJni 2", "startTraceRouteDiagnosticsJni 2", "vpnOffJni 0");
    private static final String MAC = "00:1A:2B:3C:4D:5E";

    @TestFactory
    Stream<DynamicTest> everyArgumentOfEveryNativeMethod() throws Exception {
        Bridge.load();
        List<DynamicTest> tests = new ArrayList<>();
        for (Class<?> service : serviceClasses()) {
            Object instance = service.getDeclaredConstructor().newInstance();
            for (Method m : nativeMethods(service)) {
                Class<?>[] types = m.getParameterTypes();
                for (int k = 0; k < types.length; k++) {
                    List<Object> values = hostile(types[k]);
                    for (int v = 0; v < values.size(); v++) {
                        Object[] args = harmless(types);
                        args[k] = values.get(v);
                        boolean mustFail = args[k] == null && (types[k] == String.class || types[k] == byte[].class)
                                && !OPTIONAL_TEXTS.contains(m.getName() + " " + k);
                        String name = service.getSimpleName() + "." + m.getName() + " argument " + k + " value " + v;
                        tests.add(dynamicTest(name, () -> check(m, m.invoke(instance, args), mustFail)));
                    }
                }
            }
        }
        assertFalse(tests.isEmpty(), "no native method found");
        return tests.stream();
    }

    private static List<Object> hostile(Class<?> t) {
        String huge = "a".repeat(65534) + "\u00e9";
        if (t == int.class) return List.of(0, -1, Integer.MIN_VALUE, Integer.MAX_VALUE);
        if (t == boolean.class) return List.of(false, true);
        if (t == String.class) return Arrays.asList(null, "", "\u00e9", "a".repeat(127) + "\u00e9", huge);
        if (t == byte[].class) return Arrays.asList(null, new byte[0], new byte[4096]);
        if (t == String[].class) {
            String[] many = new String[10000];
            Arrays.fill(many, MAC);
            String[] withNull = new String[65];
            Arrays.fill(withNull, MAC);
            withNull[32] = null;
            return Arrays.asList(null, new String[0], new String[] {""}, new String[] {null}, many, withNull,
                    new String[] {huge});
        }
        throw new AssertionError("no hostile values for " + t);
    }

    private static Object[] harmless(Class<?>[] types) {
        Object[] args = new Object[types.length];
        for (int i = 0; i < types.length; i++) {
            Class<?> t = types[i];
            if (t == int.class) args[i] = 1;
            else if (t == boolean.class) args[i] = true;
            else if (t == String.class) args[i] = "1";
            else if (t == String[].class) args[i] = new String[] {MAC};
            else if (t == byte[].class) args[i] = new byte[16];
            else throw new AssertionError("no harmless value for " + t);
        }
        return args;
    }

    private static void check(Method m, Object result, boolean mustFail) {
        Class<?> r = m.getReturnType();
        if (r == int.class) {
            if (mustFail) assertEquals(-1, (int) (Integer) result, m.getName());
        } else if (r == String.class) {
            String reply = (String) result;
            if (reply == null && MAY_RETURN_NULL.contains(m.getName())) return;
            assertNotNull(reply, m.getName());
            if (reply.startsWith("{")) {
                JsonObject o = Bridge.json(reply);
                if (mustFail) assertEquals(-1, o.get("Result").getAsInt(), m.getName() + ": " + reply);
            } else if (mustFail) {
                assertEquals("", reply, m.getName());
            }
        }
    }

    private static List<Class<?>> serviceClasses() throws Exception {
        // The folder the service declarations were loaded from.
        Path root = Paths.get(Bridge.class.getClassLoader()
                .getResource("com/korvanta/nestrova").toURI()).getParent().getParent().getParent();
        List<Class<?>> out = new ArrayList<>();
        try (Stream<Path> files = Files.walk(root.resolve("com/korvanta/nestrova"))) {
            for (Path p : files.filter(f -> f.toString().endsWith("ServiceImp.class")).collect(Collectors.toList())) {
                out.add(Class.forName(root.relativize(p).toString().replace('/', '.').replaceAll("\\.class$", "")));
            }
        }
        out.sort(Comparator.comparing(Class::getName));
        assertTrue(out.size() > 0);
        return out;
    }

    private static List<Method> nativeMethods(Class<?> c) {
        List<Method> out = new ArrayList<>();
        for (Method m : c.getDeclaredMethods()) {
            if (Modifier.isNative(m.getModifiers())) out.add(m);
        }
        out.sort(Comparator.comparing(Method::getName));
        return out;
    }
}
