package com.korvanta.nestrova;

import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertFalse;
import static org.junit.jupiter.api.Assertions.assertNotNull;
import static org.junit.jupiter.api.Assertions.assertTrue;
import static org.junit.jupiter.api.DynamicTest.dynamicTest;

import com.google.gson.JsonObject;
import com.korvanta.nestrova.testing.Bridge;
import java.io.IOException;
import java.lang.reflect.Method;
import java.lang.reflect.Modifier;
import java.net.URISyntaxException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Comparator;
import java.util.List;
import java.util.stream.Collectors;
import java.util.stream.Stream;
import org.junit.jupiter.api.DynamicTest;
import org.junit.jupiter.api.TestFactory;

/**
 * Every native method of every service class, called with null in each of its
 * reference arguments in turn (and as an element of each String[]): the JVM
 * must survive it. A null String is a String whose characters cannot be had,
 * so it always fails: -1, false, the empty text or a reply whose Result is -1.
 * A null array or element ends a list early, which some methods still send to
 * the gateway; their reply must still be well formed.
 */
class NullArgumentsTest {
    @TestFactory
    Stream<DynamicTest> everyReferenceArgumentOfEveryNativeMethod() throws Exception {
        Bridge.load();
        List<DynamicTest> tests = new ArrayList<>();
        for (Class<?> service : serviceClasses()) {
            Object instance = service.getDeclaredConstructor().newInstance();
            for (Method m : nativeMethods(service)) {
                Class<?>[] types = m.getParameterTypes();
                for (int k = 0; k < types.length; k++) {
                    if (types[k].isPrimitive()) continue;
                    final int nulled = k;
                    String name = service.getSimpleName() + "." + m.getName() + " null argument " + k;
                    tests.add(dynamicTest(name, () -> check(m, call(instance, m, nulled, false), types[nulled])));
                    if (types[k] == String[].class) {
                        tests.add(dynamicTest(name + " element", () -> check(m, call(instance, m, nulled, true), null)));
                    }
                }
            }
        }
        assertFalse(tests.isEmpty(), "no native method found");
        return tests.stream();
    }

    /** Calls m with harmless values, except a null at index `nulled` (or inside it). */
    private static Object call(Object instance, Method m, int nulled, boolean asElement) throws Exception {
        Class<?>[] types = m.getParameterTypes();
        Object[] args = new Object[types.length];
        for (int i = 0; i < types.length; i++) {
            Class<?> t = types[i];
            if (i == nulled) {
                args[i] = asElement ? new String[] {"00:1A:2B:3C:4D:01", null, "00:1A:2B:3C:4D:02"} : null;
            } else if (t == int.class) {
                args[i] = 1;
            } else if (t == boolean.class) {
                args[i] = true;
            } else if (t == String.class) {
                args[i] = "1";
            } else if (t == String[].class) {
                args[i] = new String[] {"00:1A:2B:3C:4D:01"};
            } else if (t == byte[].class) {
                args[i] = new byte[16];
            } else {
                throw new AssertionError("no test value for " + t + " in " + m);
            }
        }
        return m.invoke(instance, args);
    }

    /** `nulledType` is the type that was null, or null when an element was. */
    private static void check(Method m, Object result, Class<?> nulledType) {
        boolean mustFail = nulledType == String.class || nulledType == byte[].class;
        Class<?> r = m.getReturnType();
        if (r == int.class) {
            if (mustFail) assertEquals(-1, (int) (Integer) result, m.getName());
        } else if (r == boolean.class) {
            if (mustFail) assertFalse((Boolean) result, m.getName());
        } else if (r == String.class) {
            String reply = (String) result;
            assertNotNull(reply, m.getName());
            if (reply.startsWith("{")) {
                JsonObject o = Bridge.json(reply);
                if (mustFail) assertEquals(-1, o.get("Result").getAsInt(), m.getName() + ": " + reply);
            } else if (mustFail) {
                assertEquals("", reply, m.getName());
            }
        }
    }

    private static List<Class<?>> serviceClasses() throws IOException, URISyntaxException, ClassNotFoundException {
        // The folder (or jar root) the service declarations were loaded from.
        Path root = Paths.get(Bridge.class.getClassLoader()
                .getResource("com/korvanta/nestrova").toURI()).getParent().getParent().getParent();
        List<Class<?>> out = new ArrayList<>();
        try (Stream<Path> files = Files.walk(root.resolve("com/korvanta/nestrova"))) {
            for (Path p : files.filter(f -> f.toString().endsWith("ServiceImp.class")).collect(Collectors.toList())) {
                String cls = root.relativize(p).toString().replace('/', '.').replaceAll("\\.class$", "");
                out.add(Class.forName(cls));
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
